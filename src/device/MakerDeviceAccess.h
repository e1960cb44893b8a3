#pragma once
// Why no maker's device could be used: none attached, or one attached that this user may not
// open (the udev rule is missing) or that another program holds.
#include "platform/DeviceAccess.h"

namespace device {

// Over the maker's attached USB devices and vendor HID interfaces: kAccessDenied when any of them
// is refused, else kBusy when any is held, else kFailed when any cannot be opened for another
// reason, else kOpenable; kGone when none is attached.
platform::DeviceAccess AccessToMakerDevices();

}  // namespace device
