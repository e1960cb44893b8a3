#include "headset/hid/HidSettingsSave.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "device/ProductIds.h"
#include "device/ProductTraits.h"
#include "device/Version.h"
#include "headset/hid/SettingWords.h"

namespace headset::hid {

namespace {

using device::CDeviceSettings;
using Form = device::HidSettingsForm;

// What a version read gives when the exchange fails.
constexpr std::array<int, 4> kUnreadVersion = {1, 0, 0, 0};

std::array<int, 4> ReadVersion(platform::HidDevice* device) {
  io::HidReplyReport reply;
  if (!Ask(device, io::MakeHidCommand(io::HID_CMD_READ_VERSION), reply)) return kUnreadVersion;
  return {reply.bytes[3], reply.bytes[4], reply.bytes[5], reply.bytes[6]};
}

bool VersionIs(platform::HidDevice* device, int major, int minor, int type, int secondary) {
  const std::array<int, 4> v = ReadVersion(device);
  return device::CompareVersions(v[0], v[1], v[2], v[3], major, minor, type, secondary, false) == 0;
}

bool VersionIs(platform::HidDevice* device, const std::array<int, 5>& recorded) {
  return VersionIs(device, recorded[0], recorded[1], recorded[2], recorded[3]);
}

bool WriteParam(platform::HidDevice* device, uint8_t param, const std::vector<uint16_t>& words, bool commit) {
  const auto write = io::MakeParamWrite(param, words);
  if (!write) return false;
  io::HidReplyReport reply;
  if (!Ask(device, *write, reply)) return false;
  return !commit || Ask(device, io::MakeParamCommit(*write), reply);
}

bool WritePlainFeatureWord(int target, platform::HidDevice* device, const CDeviceSettings& s,
                           const CDeviceSettings& recognised) {
  if (!WriteParam(device, io::HID_PARAM_FEATURES, {s.PackFeatureWord(), 0}, false)) return false;
  const auto vox = [&] { return WriteParam(device, io::HID_PARAM_VOX_SENSITIVITY, Words(s, {14}), false); };
  const bool from11 = recognised.CompareVersion(1, 1) >= 0;
  if (target == 0x5520 || target == 0x5526 || target == 0x5720 || target == 0x6400) return vox();
  if (target == 0x5622 || target == 0x5624) {
    return WriteParam(device, io::HID_PARAM_SMART_VOLUME, Words(s, {16}), false) && (!from11 || vox());
  }
  if (target == 0x5623) return !from11 || vox();
  if (target == 0x5510) {
    return WriteParam(device, io::HID_PARAM_CAMERA, Words(s, {10, 11}), false) &&
           (recognised.CompareVersion(2, 0) < 0 ||
            WriteParam(device, io::HID_PARAM_CAMERA_EXTRA, Words(s, {12, 13}), false));
  }
  return true;
}

constexpr device::ProductIds kFmSingleInterface = {
    0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570, 0x5520, 0x5526, 0x5720, 0x5530, 0x5532,
    0x5550, 0x3116, 0x3118, 0x3124, 0x3126, 0x3110, 0x3112, 0x3114, 0x5710, 0x5623, 0x5622, 0x5624, 0x5524,
    0x5536, 0x5522, 0x3030, 0x3050, 0x3060, 0x3040, 0x6210, 0x6400, 0x5910, 0x5920};
constexpr device::ProductIds kFmCommit = {0x5412, 0x5414, 0x5420, 0x5418, 0x5416};

}  // namespace

bool HasHidFmPayload(int target) {
  const Form form = device::HidSettingsFormOf(target);
  return form == Form::DualInterface || form == Form::CommitShortFm || kFmCommit.Contains(target) ||
         kFmSingleInterface.Contains(target);
}

bool WriteHidFmBlock(int target, HidHandles handles, const CDeviceSettings& s) {
  const Form form = device::HidSettingsFormOf(target);
  if (form == Form::DualInterface) {
    return WriteParam(handles.second, io::HID_PARAM_FM, FmParamWords(s, CDeviceSettings::kFmPresetCount, kFmTag), false);
  }
  if (form == Form::CommitShortFm) {
    return WriteParam(handles.first, io::HID_PARAM_FM, FmParamWords(s, kShortFmPresets, kFmCommitTag), true);
  }
  if (kFmCommit.Contains(target)) {
    return WriteParam(handles.first, io::HID_PARAM_FM, FmParamWords(s, CDeviceSettings::kFmPresetCount, kFmCommitTag),
                      true);
  }
  return WriteParam(handles.first, io::HID_PARAM_FM, FmParamWords(s, CDeviceSettings::kFmPresetCount, kFmTag), false);
}

bool HasHidSpeedDialPayload(int target) { return HasHidSettingsPayload(target); }

bool WriteHidSpeedDials(int target, HidHandles handles, const CDeviceSettings& s) {
  // The dual-interface family takes an empty number as no words; the others want one zero word.
  const bool emptyAsOneWord = device::HidSettingsFormOf(target) != Form::DualInterface;
  for (int i = 0; i < CDeviceSettings::kSpeedDialCount; ++i) {
    if (!WriteParam(handles.first, static_cast<uint8_t>(io::HID_PARAM_SPEED_DIAL_1 + i),
                    SpeedDialParamWords(s.m_astrSpeedDial[static_cast<size_t>(i)], emptyAsOneWord), false)) {
      return false;
    }
  }
  return true;
}

bool HasHidSettingsPayload(int target) {
  const Form form = device::HidSettingsFormOf(target);
  return form != Form::None && form != Form::NoParameters;
}

bool IsRecognisedHidDevice(int target, HidHandles handles, const CDeviceSettings& recognised) {
  switch (device::HidSettingsFormOf(target)) {
    case Form::DualInterface:
      return VersionIs(handles.first, recognised.m_anHidVersion1) &&
             VersionIs(handles.second, recognised.m_anHidVersion2);
    case Form::WordBank:
      return VersionIs(handles.first, recognised.m_anHidVersion1);
    default:
      return VersionIs(handles.first, recognised.m_nVersionMajor, recognised.m_nVersionMinor,
                       recognised.m_nSecondaryVersionType, recognised.m_nSecondaryVersion);
  }
}

bool WriteHidBasicSettings(int target, HidHandles handles, const CDeviceSettings& s,
                           const CDeviceSettings& recognised) {
  const uint16_t feature = s.PackFeatureWord();
  switch (device::HidSettingsFormOf(target)) {
    case Form::DualInterface: {
      int count = 10;
      if (target == 0x4210) count = recognised.CompareVersion(1, 1) < 0 ? 3 : recognised.CompareVersion(1, 2) < 0 ? 4 : 10;
      return WriteParam(handles.second, io::HID_PARAM_FEATURES, FirstWords(s, count), false);
    }
    case Form::WordBank: {
      int count = 2;
      if (target == 0x3110 && recognised.CompareVersion(2, 1) >= 0) count = 4;
      if (target == 0x3112 || target == 0x3114) count = 3;
      return WriteParam(handles.first, io::HID_PARAM_FEATURES, FirstWords(s, count), false);
    }
    case Form::PlainFeatureWord:
      return WritePlainFeatureWord(target, handles.first, s, recognised);
    case Form::CommitShortFm:
      return WriteParam(handles.first, io::HID_PARAM_FEATURES, {feature, 0, static_cast<uint16_t>(s.Word(2)), 0},
                        true) &&
             WriteParam(handles.first, io::HID_PARAM_VOX_SENSITIVITY, Words(s, {14}), true);
    case Form::CommitAltVox:
      return WriteParam(handles.first, io::HID_PARAM_FEATURES, {feature, 0, 0, 0}, true) &&
             WriteParam(handles.first, io::HID_PARAM_VOX_SENSITIVITY_ALT, Words(s, {14}), true);
    case Form::CommitVoxSmartVolume:
    case Form::CommitWithFm:
      return WriteParam(handles.first, io::HID_PARAM_FEATURES, {feature, 0}, true) &&
             WriteParam(handles.first, io::HID_PARAM_VOX_SENSITIVITY, Words(s, {14}), true) &&
             WriteParam(handles.first, io::HID_PARAM_SMART_VOLUME, Words(s, {16}), true);
    default:
      return false;
  }
}

}  // namespace headset::hid
