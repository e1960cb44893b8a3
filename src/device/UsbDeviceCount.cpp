#include "device/UsbDeviceCount.h"

#include "device/UsbIdentities.h"
#include "platform/UsbBus.h"

namespace device {

int CountUsbDevices(int* pids, int maxPids) {
  int count = 0;
  for (const platform::UsbDeviceInfo& usb : platform::UsbBus::Get().ListDevices()) {
    if (!IsAcceptedUsbIdentity(usb.vendorId, usb.productId)) continue;
    if (pids && count < maxPids) pids[count] = usb.productId;
    ++count;
  }
  return count;
}

}  // namespace device
