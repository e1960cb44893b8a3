#include "headset/bluecore/SameDeviceCheck.h"

#include "device/DefaultFirmwareVersions.h"
#include "device/ProductIds.h"
#include "device/ProductTraits.h"
#include "device/PsKeys.h"
#include "device/UsbDeviceCount.h"
#include "device/UsbIdentities.h"
#include "headset/bluecore/FamilyDeviceWalk.h"

namespace headset::bluecore {

namespace {

constexpr int kTwoUnitProduct = 0x5310;
constexpr int kModelOfUnreadableId = 0x4D10;
constexpr device::ProductIds kClearsOldFirmwareKeys = {0x4D10, 0x4D30, 0x4D40, 0x5010,
                                                       0x5060, 0x5061, 0x5020, 0x5070};
// Firmware 3.2 keeps a version key the new firmware would misread.
constexpr int kVersionKeyMajor = 3;
constexpr int kVersionKeyMinor = 2;

bool IsApplicationMode(int usbStatus) { return usbStatus > 0 && !device::IsDfuMode(usbStatus); }

}  // namespace

const char* SameDeviceTag(SameDevice result) {
  switch (result) {
    case SameDevice::kUnitsMissing: return "[9][1]";
    case SameDevice::kOtherAttached: return "[9][2]";
    case SameDevice::kOtherModel: return "[9][3]";
    case SameDevice::kOtherVersion: return "[9][4]";
    case SameDevice::kPass: break;
  }
  return "";
}

FirmwareVersion VersionFromKeys(int model, bool versionRead, const std::array<uint8_t, 4>& key, bool legacyRead,
                                uint8_t legacyByte) {
  if (device::HasProductFlag(model, device::kFourNumberVersion)) {
    if (!versionRead) return {1, 0, 1, 0};
    return {key[3], key[2], key[1], key[0]};
  }
  if (versionRead && key[0] != 0) return {key[0] / 10, key[0] % 10, key[3], key[2]};
  int value = device::DefaultFirmwareVersion(model);
  if (const device::LegacyVersionModel* legacy = device::FindLegacyVersionModel(model)) {
    value = legacyRead ? legacyByte : legacy->fallback;
  }
  return {value / 10, value % 10, 0, 0};
}

FirmwareVersion ReadStoredVersion(PsKeyPort& port, int model) {
  std::array<uint8_t, 4> key{};
  const bool read = port.Read(PSKEY_FIRMWARE_VERSION, key);
  std::array<uint8_t, 4> legacy{};
  const bool legacyRead = device::FindLegacyVersionModel(model) && port.Read(PSKEY_LEGACY_VERSION, legacy);
  return VersionFromKeys(model, read, key, legacyRead, legacy[0]);
}

SameDevice CheckSameDevice(int target, int usbStatus, const device::CDeviceSettings& record) {
  int ids[2] = {0, 0};
  const int count = device::CountUsbDevices(ids, 2);
  if (target == kTwoUnitProduct) {
    auto isUnit = [](int id) { return id == kTwoUnitProduct || id == device::WithDfuFlag(kTwoUnitProduct); };
    if (count < 2 || !isUnit(ids[0]) || !isUnit(ids[1])) return SameDevice::kUnitsMissing;
  } else if (count < 1 || ids[0] != usbStatus) {
    return SameDevice::kOtherAttached;
  }
  if (!IsApplicationMode(usbStatus)) return SameDevice::kPass;

  SameDevice result = SameDevice::kPass;
  const int visited = ForEachFamilyDevice([&](PsKeyPort& port) {
    const auto model = port.ReadWord(PSKEY_PRODUCT_ID);
    const int modelId = model ? *model : kModelOfUnreadableId;
    if (modelId != record.m_nProductId) {
      result = SameDevice::kOtherModel;
      return WalkStep::kStop;
    }
    const FirmwareVersion version = ReadStoredVersion(port, modelId);
    if (record.CompareFullVersion(version.major, version.minor, version.type, version.sub) != 0) {
      result = SameDevice::kOtherVersion;
      return WalkStep::kStop;
    }
    return WalkStep::kNext;
  });
  // A device nobody could ask is not known to be the recognised one.
  if (visited == 0) return SameDevice::kOtherModel;
  return result;
}

bool ClearsOldFirmwareKeys(int target) { return kClearsOldFirmwareKeys.Contains(target); }

bool ClearOldFirmwareKeys(int target, const device::CDeviceSettings& record) {
  if (!ClearsOldFirmwareKeys(target)) return true;
  bool written = true;
  ForEachFamilyDevice([&](PsKeyPort& port) {
    if (record.CompareVersion(kVersionKeyMajor, kVersionKeyMinor) == 0) {
      written = written && static_cast<bool>(port.WriteWords(PSKEY_FIRMWARE_VERSION, {0, 0}));
    }
    written = written && static_cast<bool>(port.WriteWords(PSKEY_VOX_INTERCOM, {0}));
    written = written && static_cast<bool>(port.WriteWords(PSKEY_VOX_PHONE, {0}));
    return written ? WalkStep::kNext : WalkStep::kStop;
  });
  return written;
}

}  // namespace headset::bluecore
