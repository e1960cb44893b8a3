#pragma once
// The persistent-store keys the device settings page writes on save: only the settings whose
// value differs between the edited record and the device's record, each in the key the model
// keeps it in.
#include "device/DeviceSettings.h"

namespace headset::bluecore {

class PsKeyPort;

// False as soon as one write fails; the keys after it are not written. The model and its
// firmware version are those of `device`.
bool WriteBasicSettingsKeys(PsKeyPort& port, const device::CDeviceSettings& edited,
                            const device::CDeviceSettings& device);

}  // namespace headset::bluecore
