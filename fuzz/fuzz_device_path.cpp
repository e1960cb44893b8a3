// Device paths come from the DFU library and names, addresses and mount tables from the device
// and the system; none of them may make a reader leave its buffer.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "headset/RadioBatches.h"
#include "headset/bluecore/DfuPathWalk.h"
#include "headset/bluecore/PsKeyPort.h"
#include "platform/Drives.h"
#include "platform/Serial.h"
#include "platform/dfu/DFUTransport.h"
#include "platform/dfu/DeviceNames.h"

std::vector<std::string> CorvaleFuzzSeeds() {
  return {"USB#VID_092B&PID_4D21#1-2", "VID_092B&PID_4D21", "USB#VID_09", "USB#PID_4D21&VID_", "USB#VID_PID_",
          "/dev/sdb1 /media/a\\040b vfat rw 0 0\n/dev/sdc1 /x\\", "2C9BD2", std::string(300, 'A'),
          "usb#vid_092b&pid_cd21#1-4.2", "1\n", "0", "ttyUSB0", "ttyUSB123456"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)headset::bluecore::ParseDevicePathIds(text);
  const std::string name = headset::bluecore::DecodeDeviceName(std::span<const uint8_t>(data, size));
  if (name.size() > 2 * size) __builtin_trap();
  (void)headset::NeedsRadioPatch(0x4D10, text);
  (void)headset::IsAlternateModelBatch(0x5060, text);
  if (size >= 8) (void)headset::bluecore::FormatAddressTexts(std::span<const uint8_t, 8>(data, 8));
  for (const std::string& root : platform::RemovableMountPoints(text, [](const std::string&) { return true; })) {
    if (root.size() > size) __builtin_trap();
  }
  (void)platform::ReadsAsRemovable(text);
  if (const auto port = platform::TtyUsbNumber(text); port && (*port < 0 || *port > 999999)) __builtin_trap();
  // A name read back is the same device, and its canonical form is stable.
  if (const auto ref = dfu::ParseDeviceName(text)) {
    const auto again = dfu::ParseDeviceName(dfu::MakeDeviceName({ref->vendorId, ref->productId, 0, ref->location}));
    if (!again || again->vendorId != ref->vendorId || again->productId != ref->productId ||
        again->location != ref->location) {
      __builtin_trap();
    }
  }
  const std::string canonical = dfu::Device::Canonicalise(std::string(text), true);
  if (dfu::Device::Canonicalise(canonical, true) != canonical) __builtin_trap();
  return 0;
}
