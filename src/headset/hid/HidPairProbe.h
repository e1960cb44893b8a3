#pragma once
// The two interfaces of the pair product opened into the main window's handles, and the
// hardware variant code a device reports.
#include <memory>

#include "device/DeviceSettings.h"
#include "platform/HidBus.h"

namespace headset::hid {

inline constexpr unsigned kHidPairPollPeriodMs = 500;

// Opens the pair's interfaces (products 0x5345, 0x5346, and 0xD340 while the Bluetooth module
// is in DFU mode) in enumeration order: into `first` while it is empty, else into `second`, and
// stores each one's firmware version in `record`. True once both handles are open; on false an
// interface that did open stays in its handle for the caller.
bool ProbeHidPair(std::unique_ptr<platform::HidDevice>& first, std::unique_ptr<platform::HidDevice>& second,
                  device::CDeviceSettings& record);

// The low byte of the variant word, asked twice before giving up; 0 when it cannot be read.
int QueryHardwareVariant(platform::HidDevice* device);

}  // namespace headset::hid
