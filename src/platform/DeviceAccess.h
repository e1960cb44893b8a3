#pragma once
// Whether this user may open a device now. A device that cannot be opened is not simply absent:
// it may be there but refused (no udev rule) or held by another program, and the user needs to
// hear which.

namespace platform {

enum class DeviceAccess {
  kOpenable,
  kGone,          // not on the bus (any more)
  kAccessDenied,  // there, but this user may not open it
  kBusy,          // there, but another program holds it
  kFailed,        // there, but opening failed for another reason
};

}  // namespace platform
