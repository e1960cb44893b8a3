#pragma once
// The settings a BlueCore device keeps in its persistent store, moved in the three steps of a
// recognition run on a connected device: the radio calibration patch for listed batches, the
// write-back of a given record, and the read of the device's settings by model.
//
// The settings travel in the record's own members: the ten on/off members, the radio transmit
// gain and audio channel time-out of model 0x5210, the FM block (words 32 to 46) and the three
// speed-dial texts. Nothing else of a record is read or written here.
#include <array>
#include <cstdint>
#include <string>

#include "device/DeviceSettings.h"
#include "headset/WriteBackResult.h"

namespace headset::bluecore {

class PsKeyPort;

// Tag words that mark a valid FM block on the device.
inline constexpr int kFmTag = 0x56E9;
inline constexpr int kFmTagAlternative = 0x66E9;

// The two patterns of PSKEY_LOCAL_SUPPORTED_FEATURES: byte 3 carries the EDR 2 and 3 Mbps bits,
// bytes 4 and 5 the EDR packet bits.
inline constexpr std::array<uint8_t, 8> EDR_ON_FEATURES = {0xFF, 0xFE, 0x8F, 0xFE, 0x98, 0xFF, 0x59, 0x83};
inline constexpr std::array<uint8_t, 8> EDR_OFF_FEATURES = {0xFF, 0xFE, 0x8F, 0xF8, 0x18, 0x1E, 0x59, 0x83};

// The audio channel time-out key's value: milliseconds in one word, saturated, since a record
// from elsewhere may hold anything.
uint16_t TimeoutMilliseconds(int seconds);

// The three speed-dial keys, every one whatever changed (an empty number as zeros); false as
// soon as one write fails.
bool WriteSpeedDialKeys(PsKeyPort& port, const device::CDeviceSettings& record);
// The FM block key; false when the write failed.
bool WriteFmBlockKey(PsKeyPort& port, const device::CDeviceSettings& record);

// Writes the radio calibration keys of `target`; targets without a patch get nothing.
void ApplyRadioPatch(PsKeyPort& port, int target);

// Writes the settings of `toWrite` that `target` keeps, chosen by the firmware version of
// `toWrite`. True when the device took every key (a target that keeps none takes nothing).
bool WriteBackSettings(PsKeyPort& port, int target, const device::CDeviceSettings& toWrite);
// WriteBackSettings, then every key it wrote read back and compared with what was written: a
// key that cannot be read back counts as not what was written.
WriteBack WriteBackAndVerify(PsKeyPort& port, int target, const device::CDeviceSettings& toWrite);

// Reads the settings of a device of `modelId` at firmware major.minor into `values`, whose
// settings members are cleared first; a failed read takes its fallback. Models 0x4D35 and 0x4D55
// read their address again: `addressText` is then refreshed, and outside the patch batches of
// `target` they get the power table of their own.
void ReadSettings(PsKeyPort& port, int modelId, int major, int minor, int target, std::string& addressText,
                  device::CDeviceSettings& values);

// Copies the settings members named above from one record to another.
void CopyPsSettings(const device::CDeviceSettings& from, device::CDeviceSettings& to);

}  // namespace headset::bluecore
