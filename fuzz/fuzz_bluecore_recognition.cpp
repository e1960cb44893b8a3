// Recognition over the DFU library against a headset whose every USB answer is fuzzed: BCCMD
// events put together from interrupt packets, persistent-store values turned into the record.
// Whatever it answers, the run ends with a known result and a record within its bounds.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FuzzedUsbDevice.h"
#include "SimHidBus.h"
#include "SimUsbBus.h"
#include "headset/bluecore/DfuPathWalk.h"
#include "platform/Clock.h"
#include "platform/Drives.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  platform::ManualClock clock;
  platform::Clock::Scoped useClock(clock);
  sim::SimUsbBus bus;
  platform::UsbBus::Scoped useBus(bus);
  sim::SimHidBus hid;
  platform::HidBus::Scoped useHid(hid);
  platform::FakeDrives drives;
  platform::Drives::Scoped useDrives(drives);
  bus.Attach("1-2", std::make_shared<FuzzedUsbDevice>(data + 1, size - 1, 0x4D21, (data[0] & 2) != 0));

  int target = 0x4D10;
  int usbStatus = 0;
  bool recognized = false;
  device::CDeviceSettings record;
  int pageCount = 0;
  std::array<int, 3> pages{};
  int pageSel = 0;
  device::CDeviceSettings toWrite;
  toWrite.m_nProductId = 0x4D10;
  const headset::RecognitionSlots slots{target, usbStatus, recognized, record, pageCount, pages, pageSel};
  const int result = headset::bluecore::RecognizeOverDfu(slots, (data[0] & 1) ? &toWrite : nullptr);
  if (result < headset::RECOGNIZE_OK || result > headset::RECOGNIZE_CARD_FILE_MISSING) __builtin_trap();
  if (pageCount < 0 || pageCount > 3) __builtin_trap();
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  // A device that answers every BCCMD command with a GETRESP for its sequence number.
  std::string answers("\x00", 1);
  const uint8_t reply[] = {0x80 | 21, 0xFF, 19, 0xC2, 1, 0, 9, 0, 0, 0, 0x06, 0x30, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0};
  for (int i = 0; i < 40; ++i) {
    answers.push_back(static_cast<char>(0xFE));  // the drain before the command ends at once
    answers.append(reinterpret_cast<const char*>(reply), sizeof reply);
  }
  return {answers, std::string("\x03", 1) + answers.substr(1)};
}
