// The dual-module update against a main device and a module whose every reply is fuzzed, and the
// language mark read from a fuzzed file name: whatever they answer, the run ends either failed and
// finished or waiting for the restart with the device-back timer asked for once, and the language
// is a device code.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "FuzzedHidDevice.h"
#include "SimFirmwareImage.h"
#include "firmware/transfer/UpdateThreadHidDualModule.h"
#include "platform/Clock.h"

namespace {

constexpr int kMain = 0x3110;
constexpr int kModule = 0x3120;

// Both products listed; whether each one opens is the input's choice.
class FuzzedHidBus : public platform::HidBus {
 public:
  FuzzedHidBus(const uint8_t* replies, size_t size, bool mainOpens, bool moduleOpens)
      : replies_(replies), size_(size), mainOpens_(mainOpens), moduleOpens_(moduleOpens) {}
  std::vector<platform::HidInterfaceInfo> Enumerate(uint16_t, uint16_t productId) override {
    std::vector<platform::HidInterfaceInfo> found;
    for (const int product : {kMain, kModule}) {
      if (productId != 0 && productId != product) continue;
      platform::HidInterfaceInfo info;
      info.path = std::to_string(product);
      info.vendorId = 0x092B;
      info.productId = static_cast<uint16_t>(product);
      info.usagePage = 0xFF00;
      info.usage = 1;
      found.push_back(info);
    }
    return found;
  }
  std::unique_ptr<platform::HidDevice> Open(const std::string& path) override {
    if (!(path == std::to_string(kMain) ? mainOpens_ : moduleOpens_)) return nullptr;
    return std::make_unique<FuzzedHidDevice>(replies_, size_);
  }

 private:
  const uint8_t* replies_;
  size_t size_;
  bool mainOpens_, moduleOpens_;
};

// Images whose module section is empty, one chunk, a few chunks with a short last one, or many.
const std::string& ImagePath(size_t kind) {
  static const std::array<std::string, 4> paths = [] {
    std::array<std::string, 4> made;
    const std::filesystem::path dir = FuzzFolder();
    const size_t moduleBytes[] = {0, 58, 130, 700};
    for (size_t i = 0; i < made.size(); ++i) {
      sim::SimContainerSpec spec;
      spec.productId = kMain;
      spec.sections = {{0, 0, std::vector<uint8_t>(40, 1)},
                       {2, 0, std::vector<uint8_t>(10, 2)},
                       {0, 0, std::vector<uint8_t>(moduleBytes[i], 3)}};
      const std::vector<uint8_t> bytes = sim::MakeFirmwareImage(spec);
      made[i] = (dir / ("fw-v1.0-de" + std::to_string(i) + ".img")).string();
      std::ofstream(made[i], std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    return made;
  }();
  return paths[kind % paths.size()];
}

}  // namespace

std::vector<std::string> CorvaleFuzzSeeds() {
  std::vector<uint8_t> ok(67, 0);
  ok[0] = 1;
  ok[3] = 1;  // a module version 1.0 kind 2 sub-number 1 reads these four bytes
  ok[5] = 2;
  ok[6] = 1;
  std::string seed("\x0E", 1);
  for (int i = 0; i < 40; ++i) {
    seed.push_back(67);
    seed.append(ok.begin(), ok.end());
  }
  return {seed, std::string("\x06", 1), std::string("\x0F\xFF\x02\x01", 4), "/x/fw-v2.0_fn.img"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string name(reinterpret_cast<const char*>(data), size);
  const int language = firmware::PromptLanguageOfImage(name);
  if (language < 0 || language > 10) __builtin_trap();
  if (size < 1) return 0;

  platform::ManualClock clock;
  platform::Clock::Scoped useClock(clock);
  FuzzedHidBus bus(data + 1, size - 1, data[0] & 4, data[0] & 8);
  platform::HidBus::Scoped useBus(bus);
  FuzzedHidDevice first(data + 1, size - 1);

  firmware::CFirmwareJob job;
  job.m_nState = firmware::JOB_REQUESTED;
  job.m_nError = firmware::JOB_ERROR_FAILED;
  std::atomic<bool> waitForUserOk{false};
  int armed = 0;
  firmware::HidTransferContext context{job, ImagePath(data[0]), 4, 0, kMain, &first, nullptr, waitForUserOk, {}, {}};
  context.hooks.armDeviceBackTimer = [&] { ++armed; };
  firmware::UpdateThreadHidDualModule(context, {});

  const bool failed = job.m_bFinished && job.m_nError == firmware::JOB_ERROR_FAILED && armed == 0;
  const bool done = !job.m_bFinished && job.m_nState == firmware::JOB_WAITING_RESTART && armed == 1 &&
                    job.m_nError == firmware::JOB_ERROR_NONE;
  if (failed == done) __builtin_trap();
  return 0;
}
