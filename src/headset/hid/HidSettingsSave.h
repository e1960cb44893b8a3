#pragma once
// Saving the device settings page over the vendor HID channel: the check that the interfaces
// still belong to the recognised firmware, and the page's parameter writes. Every exchange is
// checked; the first that fails ends the save.
#include "device/DeviceSettings.h"
#include "headset/hid/HidRequests.h"

namespace headset::hid {

// True for a product whose settings are saved over HID rather than through its persistent store.
bool HasHidSettingsPayload(int target);

// Each interface's version read matches what recognition recorded in `recognised`.
bool IsRecognisedHidDevice(int target, HidHandles handles, const device::CDeviceSettings& recognised);

// The basic settings of `edited` (firmware tests use `recognised`); false when an exchange failed.
bool WriteHidBasicSettings(int target, HidHandles handles, const device::CDeviceSettings& edited,
                           const device::CDeviceSettings& recognised);

}  // namespace headset::hid
