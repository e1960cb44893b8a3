#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "io/HidChannel.h"
#include "io/HidReports.h"
#include "platform/Clock.h"

namespace {

// Hands out the input as a sequence of reports: each a length byte, then that many bytes (or what
// is left). A length of 0xFF is a failing read.
class FuzzedDevice : public platform::HidDevice {
 public:
  FuzzedDevice(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  int Write(const uint8_t*, size_t length) override { return static_cast<int>(length); }
  int Read(uint8_t* buffer, size_t length, int timeoutMs) override {
    if (timeoutMs == 0 || pos_ >= size_) return 0;
    const size_t announced = data_[pos_++];
    if (announced == 0xFF) return -1;
    const size_t n = std::min({announced, size_ - pos_, length});
    std::memcpy(buffer, data_ + pos_, n);
    pos_ += n;
    return static_cast<int>(n);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::ManualClock clock;
  platform::Clock::Scoped useClock(clock);
  FuzzedDevice device(data, size);
  io::HidReplyReport reply;
  const bool ok = io::HidTransact(&device, io::MakeParamRead(io::HID_PARAM_DEVICE_NAME), reply);
  if (ok && reply.Status() != io::HID_STATUS_OK) __builtin_trap();
  if (reply.length > io::HID_REPORT_IN_SIZE) __builtin_trap();
  if (const auto words = io::ReadParamWords(reply)) {
    if (io::HID_REPLY_WORDS + 2 * words->size() > reply.length) __builtin_trap();
  }
  io::SwapReplyWords(reply);
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  // A busy reply, then a name reply of three words.
  std::vector<uint8_t> seed{67, 1, 0, 1};
  seed.resize(1 + 67, 0);
  std::vector<uint8_t> name(67, 0);
  name[0] = 1;
  name[4] = 3;
  name[5] = 0;
  name[6] = 0;
  name[7] = 0;
  name[8] = 'A';
  name[9] = 0;
  name[10] = 'B';
  seed.push_back(67);
  seed.insert(seed.end(), name.begin(), name.end());
  return {std::string(seed.begin(), seed.end()), std::string("\x05\x01\x00\x00\x00\x09", 6)};
}
