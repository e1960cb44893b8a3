#pragma once
// Before a BlueCore device is flashed: is the attached device the one that was recognised? The
// right number of attached devices with the recognised USB product id and, while the device runs
// its application, the same model id and firmware version in its persistent store. Nothing is
// written to the device here; the keys that old firmware must lose are cleared separately, once
// every check before the transfer has passed.
#include <array>
#include <cstdint>

#include "device/DeviceSettings.h"
#include "headset/bluecore/PsKeyPort.h"

namespace headset::bluecore {

enum class SameDevice {
  kPass,
  kUnitsMissing,   // the two-unit product: fewer than two units of its identity attached
  kOtherAttached,  // no device, or the first one has another USB product id
  kOtherModel,     // model id differs, or no device answered on its persistent store
  kOtherVersion,   // firmware version differs
};

// The location tag a failure carries ("[9][1]" .. "[9][4]"); empty for kPass.
const char* SameDeviceTag(SameDevice result);

// `usbStatus` is the recognised USB product id (the DFU-mode flag set in DFU mode), `record` the
// recognised device.
SameDevice CheckSameDevice(int target, int usbStatus, const device::CDeviceSettings& record);

struct FirmwareVersion {
  int major = 0;
  int minor = 0;
  int type = 0;
  int sub = 0;
};

// The version as the store holds it, with the model's defaults where the key holds none.
FirmwareVersion VersionFromKeys(int model, bool versionRead, const std::array<uint8_t, 4>& versionKey,
                                bool legacyRead, uint8_t legacyByte);
FirmwareVersion ReadStoredVersion(PsKeyPort& port, int model);

// Targets whose old firmware leaves VOX keys (and, on firmware 3.2, a version key) that the new
// firmware must not find.
bool ClearsOldFirmwareKeys(int target);

// Clears those keys on every attached device of the family; true when there was nothing to clear
// or every write succeeded.
bool ClearOldFirmwareKeys(int target, const device::CDeviceSettings& record);

}  // namespace headset::bluecore
