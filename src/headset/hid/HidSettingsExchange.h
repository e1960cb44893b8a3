#pragma once
// The settings of a HID device moved during recognition: written from a record before anything
// is read, and read into the record after its identity. Which parameters a product has, which
// interface carries them and what stands in for a failed read are per-product tables.
#include "device/DeviceSettings.h"
#include "headset/hid/HidRequests.h"

namespace headset::hid {

// Sends `toWrite`'s settings to a device of `target`; version tests use `toWrite`'s firmware.
// No reply is examined.
void WriteHidSettings(int target, HidHandles handles, const device::CDeviceSettings& toWrite);

// Fills the on/off members, configuration words and speed dials of `record` from the device;
// version tests use the firmware version already in `record`.
void ReadHidSettings(int target, HidHandles handles, device::CDeviceSettings& record);

}  // namespace headset::hid
