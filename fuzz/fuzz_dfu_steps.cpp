// The DFU steps driven by a device whose status, state and poll time-outs are fuzzed: whatever it
// reports, each step ends with a result, within a bounded time on the clock.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "FuzzedUsbDevice.h"
#include "SimDfuImage.h"
#include "SimUsbBus.h"
#include "platform/Clock.h"
#include "platform/dfu/DfuSteps.h"

namespace {

const std::string& ImagePath() {
  static const std::string path = [] {
    const std::string p = FuzzFolder() + "/image.dfu";
    sim::SimImageSpec spec;
    spec.imageBytes = 3000;  // three blocks
    sim::WriteFile(p, sim::MakeDfuFile(spec));
    return p;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  platform::ManualClock clock;
  platform::Clock::Scoped useClock(clock);
  sim::SimUsbBus bus;
  platform::UsbBus::Scoped useBus(bus);
  bus.Attach("1-2", std::make_shared<FuzzedUsbDevice>(data + 1, size - 1, 0x4D21, (data[0] & 1) != 0));

  dfu::DfuTarget target{0x092B, 0x4D21, 0xCD21, "1-2"};
  std::atomic<bool> stop{false};
  dfu::DfuSteps steps(target, stop, [](int, int, int) {});
  const uint32_t start = clock.TickCount();
  const dfu::StepOutcome reconfigure = steps.Reconfigure(false, ImagePath());
  if (reconfigure.result) {
    if (steps.Download(ImagePath()).result) (void)steps.Manifest();
  }
  // Rescans, four waits for the three blocks and the end, and the manifestation: minutes, not hours.
  if (clock.TickCount() - start > 5 * 60 * 1000) __builtin_trap();
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  // In DFU mode: idle, then status replies that say dnload-idle with a short poll time.
  std::string seed("\x01", 1);
  const uint8_t idle[] = {6, 0, 0, 0, 0, 2, 0};
  const uint8_t dnloadIdle[] = {6, 0, 10, 0, 0, 5, 0};
  const uint8_t manifest[] = {6, 0, 10, 0, 0, 8, 0};
  seed.append(reinterpret_cast<const char*>(idle), sizeof idle);
  seed.append(reinterpret_cast<const char*>(idle), sizeof idle);
  for (int i = 0; i < 6; ++i) seed.append(reinterpret_cast<const char*>(dnloadIdle), sizeof dnloadIdle);
  seed.append(reinterpret_cast<const char*>(manifest), sizeof manifest);
  return {seed};
}
