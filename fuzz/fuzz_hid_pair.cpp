// The pair product's interfaces looked up in a fuzzed HID enumeration (ids, usages, paths, any
// number of entries) and probed through devices whose replies are fuzzed: whatever the system
// lists and the modules answer, no more handles open than asked for, and a version stays a
// version.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FuzzedHidDevice.h"
#include "device/DeviceSettings.h"
#include "headset/hid/HidPairProbe.h"
#include "io/HidInterfaceLookup.h"
#include "platform/Clock.h"

namespace {

// As many entries as the first byte says (up to 7), five bytes each: vendor and product choice,
// usage page, usage, interface number, path length. The devices it opens share the rest of the
// input as their replies; a path of path length 1 cannot be opened.
class FuzzedHidBus : public platform::HidBus {
 public:
  FuzzedHidBus(const uint8_t* data, size_t size) {
    size_t pos = 1;
    const size_t count = size > 0 ? data[0] % 8 : 0;
    static const uint16_t kProducts[] = {0x5345, 0x5346, 0xD340, 0x4D21};
    for (size_t i = 0; i < count && pos + 5 <= size; ++i, pos += 5) {
      platform::HidInterfaceInfo info;
      info.vendorId = (data[pos] & 0x80) ? 0x1234 : 0x092B;
      info.productId = kProducts[data[pos] & 3];
      info.usagePage = (data[pos + 1] & 1) ? 0xFF00 : data[pos + 1];
      info.usage = data[pos + 2] & 3;
      info.interfaceNumber = static_cast<int8_t>(data[pos + 3]);
      info.path = std::string(data[pos + 4] % 4, 'p') + std::to_string(i);
      entries_.push_back(info);
    }
    replies_ = data + pos;
    repliesSize_ = pos <= size ? size - pos : 0;
  }
  std::vector<platform::HidInterfaceInfo> Enumerate(uint16_t, uint16_t) override { return entries_; }
  std::unique_ptr<platform::HidDevice> Open(const std::string& path) override {
    ++opened;
    if (path.size() == 2) return nullptr;
    return std::make_unique<FuzzedHidDevice>(replies_, repliesSize_);
  }
  int opened = 0;

 private:
  std::vector<platform::HidInterfaceInfo> entries_;
  const uint8_t* replies_ = nullptr;
  size_t repliesSize_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::ManualClock clock;
  platform::Clock::Scoped useClock(clock);
  FuzzedHidBus bus(data, size);
  platform::HidBus::Scoped useBus(bus);
  for (int max = 0; max <= 3; ++max) {
    if (io::FindHidPairPaths(max).size() > static_cast<size_t>(std::max(max, 0))) __builtin_trap();
    if (io::FindHidPairOrDfuPaths(max).size() > static_cast<size_t>(std::max(max, 0))) __builtin_trap();
  }
  std::unique_ptr<platform::HidDevice> first, second;
  for (int count = 0; count <= 3; ++count) {
    bus.opened = 0;
    (void)io::OpenHidPair(first, second, count);
    if (bus.opened > 2) __builtin_trap();
    (void)io::OpenHidPairOrDfu(first, second, count);
  }
  first.reset();
  second.reset();
  device::CDeviceSettings record;
  (void)headset::hid::ProbeHidPair(first, second, record);
  if (first) {
    const int variant = headset::hid::QueryHardwareVariant(first.get());
    if (variant < 0 || variant > 0xFF) __builtin_trap();
  }
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  const uint8_t pair[] = {2, 0, 1, 1, 0, 0, 1, 1, 1, 1, 0};
  return {std::string(reinterpret_cast<const char*>(pair), sizeof pair)};
}
