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

// The FM page's block and the speed-dial page's three numbers, for the products that keep them
// over HID; false when an exchange failed.
bool HasHidFmPayload(int target);
bool WriteHidFmBlock(int target, HidHandles handles, const device::CDeviceSettings& edited);
bool HasHidSpeedDialPayload(int target);
bool WriteHidSpeedDials(int target, HidHandles handles, const device::CDeviceSettings& edited);

}  // namespace headset::hid
