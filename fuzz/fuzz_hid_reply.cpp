#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "io/HidChannel.h"
#include "io/HidReports.h"
#include "FuzzedHidDevice.h"
#include "platform/Clock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::ManualClock clock;
  platform::Clock::Scoped useClock(clock);
  FuzzedHidDevice device(data, size);
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
