// Recognition over HID against a device whose every reply is fuzzed: whatever it answers, the
// run ends with the target recognised and nothing read past a reply.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzedHidDevice.h"
#include "SimHidBus.h"
#include "device/ModelNames.h"
#include "headset/hid/HidRecognition.h"
#include "platform/Clock.h"

namespace {

constexpr int kTargets[] = {0x4210, 0x4310, 0x5345, 0x3110, 0x3500, 0x5520, 0x5510, 0x5560,
                            0x5412, 0x6010, 0x6020, 0x3050, 0x5320, 0x4D10};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  platform::ManualClock clock;
  platform::Clock::Scoped useClock(clock);
  sim::SimHidBus bus;
  platform::HidBus::Scoped useBus(bus);
  int target = kTargets[data[0] % std::size(kTargets)];
  const bool write = (data[1] & 1) != 0;
  FuzzedHidDevice device(data + 2, size - 2);

  int usbStatus = 0;
  bool recognized = false;
  device::CDeviceSettings record;
  device::CDeviceSettings toWrite;
  toWrite.m_nProductId = target;
  int pageCount = 0;
  std::array<int, 3> pages{};
  int pageSel = 0;
  const headset::RecognitionSlots slots{target, usbStatus, recognized, record, pageCount, pages, pageSel};
  headset::hid::RecognizeOverHidChannel(slots, {&device, &device}, write ? &toWrite : nullptr);
  if (!recognized || record.m_nProductId != target) __builtin_trap();
  // At most 30 bytes from the device, each at worst a three-byte replacement character.
  if (record.m_strDeviceName.size() > 90 && record.m_strDeviceName != device::GetModelName(target, false)) {
    __builtin_trap();
  }
  for (const std::string& number : record.m_astrSpeedDial) {
    if (number.size() > 2 * device::CDeviceSettings::kSpeedDialMaxLength) __builtin_trap();
  }
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  std::vector<uint8_t> ok(67, 0);
  ok[0] = 1;
  ok[4] = 31;
  std::string seed("\x05\x01", 2);
  for (int i = 0; i < 8; ++i) {
    seed.push_back(67);
    seed.append(ok.begin(), ok.end());
  }
  return {seed, std::string("\x00\x00", 2), std::string("\x03\x01\xFF\xFF", 4)};
}
