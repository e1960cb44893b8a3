// The download's handling of what a server sends (status, announced length, the body in blocks of
// any size), in memory and into a file: a body is taken only whole, within its bounds, and a
// failure leaves the caller's data as it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "io/AtomicFile.h"
#include "io/Download.h"
#include "platform/Http.h"

namespace {

// Input: outcome byte, announced-length byte (0xFF: none, else a multiple of 16 up to 4 KiB, or
// huge), then blocks: a size byte and that many body bytes. A receiver that refuses ends it.
class FuzzedHttp : public platform::Http {
 public:
  FuzzedHttp(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  platform::HttpResult Fetch(const std::string&, platform::HttpReceiver& receiver) override {
    platform::HttpResult result;
    if (size_ < 2) return result;
    result.status = 200;
    const int64_t announced = data_[1] == 0xFF ? -1 : data_[1] == 0xFE ? (int64_t{1} << 40) : data_[1] * 16;
    if (!receiver.Begin(announced)) {
      result.outcome = platform::HttpOutcome::kRefused;
      return result;
    }
    for (size_t pos = 2; pos < size_;) {
      const size_t n = std::min<size_t>(data_[pos], size_ - pos - 1);
      if (!receiver.Receive(reinterpret_cast<const char*>(data_ + pos + 1), n)) {
        result.outcome = platform::HttpOutcome::kRefused;
        return result;
      }
      result.bytes += static_cast<int64_t>(n);
      pos += 1 + n;
    }
    result.outcome = static_cast<platform::HttpOutcome>(data_[0] % 6);
    return result;
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedHttp http(data, size);
  platform::Http::Scoped use(http);
  std::string memory = "before";
  const int got = io::DownloadUrl("https://server/list", &memory, nullptr, nullptr);
  if (got < 0 ? memory != "before" : static_cast<size_t>(got) != memory.size()) __builtin_trap();
  if (memory.size() > io::kMaxMemoryDownload) __builtin_trap();

  static const std::string path = FuzzFolder() + "/download";
  if (!io::WriteFileAtomically(path, "before")) return 0;
  io::DownloadProgress progress;
  const int written = io::DownloadUrl("https://server/file", nullptr, &path, &progress);
  const std::string file = io::ReadWholeFile(path).value_or("");
  if (written <= 0 ? file != "before" : static_cast<size_t>(written) != file.size()) __builtin_trap();
  if (written > 0 && progress.received != io::kNominalDownloadTotal) __builtin_trap();
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  return {std::string("\x00\x01\x10", 3) + std::string(16, 'a'), std::string("\x00\xFF\x03""abc\x02xy", 9),
          std::string("\x03\x02\x05hello", 8)};
}
