#include "device/MakerDeviceAccess.h"

#include "device/UsbIdentities.h"
#include "platform/HidBus.h"
#include "platform/UsbBus.h"

namespace device {

namespace {

using platform::DeviceAccess;

// The reason a user can act on wins: a missing rule first, then a program to close.
int Rank(DeviceAccess access) {
  switch (access) {
    case DeviceAccess::kAccessDenied: return 4;
    case DeviceAccess::kBusy: return 3;
    case DeviceAccess::kFailed: return 2;
    case DeviceAccess::kOpenable: return 1;
    case DeviceAccess::kGone: return 0;
  }
  return 0;
}

void Note(DeviceAccess access, DeviceAccess& worst) {
  if (Rank(access) > Rank(worst)) worst = access;
}

}  // namespace

DeviceAccess AccessToMakerDevices() {
  DeviceAccess worst = DeviceAccess::kGone;
  platform::UsbBus& usb = platform::UsbBus::Get();
  for (const platform::UsbDeviceInfo& info : usb.ListDevices()) {
    if (info.vendorId == MAKER_VENDOR_ID) Note(usb.Access(info), worst);
  }
  platform::HidBus& hid = platform::HidBus::Get();
  for (const platform::HidInterfaceInfo& info : hid.Enumerate(MAKER_VENDOR_ID, 0)) {
    if (info.vendorId == MAKER_VENDOR_ID) Note(hid.Access(info.path), worst);
  }
  return worst;
}

}  // namespace device
