#include "headset/hid/HidSettingsExchange.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "device/ProductIds.h"
#include "device/ProductTraits.h"
#include "device/SpeedDialText.h"
#include "headset/hid/SettingWords.h"

namespace headset::hid {

namespace {

using device::CDeviceSettings;
using device::ProductIds;

// Feature bit 13 means the navigation setting on these.
constexpr ProductIds kSmartNaviBit = {0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026};

// The tag an FM block that could not be read is given.
constexpr uint16_t kFmTagDefault = kFmCommitTag;

using Form = device::HidSettingsForm;
using device::IsCommitProduct;

bool HasForm(int target, Form form) { return device::HidSettingsFormOf(target) == form; }

// --- writing

// True when the device took the write (and its commit).
bool WriteParam(platform::HidDevice* device, uint8_t param, const std::vector<uint16_t>& words, bool commit) {
  const auto write = io::MakeParamWrite(param, words);
  if (!write) return false;
  const bool written = Send(device, *write);
  const bool committed = !commit || Send(device, io::MakeParamCommit(*write));
  return written && committed;
}

bool WriteSpeedDials(platform::HidDevice* device, const CDeviceSettings& s, bool emptyAsOneWord) {
  bool ok = true;
  for (int i = 0; i < CDeviceSettings::kSpeedDialCount; ++i) {
    ok &= WriteParam(device, static_cast<uint8_t>(io::HID_PARAM_SPEED_DIAL_1 + i),
                     SpeedDialParamWords(s.m_astrSpeedDial[static_cast<size_t>(i)], emptyAsOneWord), false);
  }
  return ok;
}

bool WriteDualInterface(int target, HidHandles handles, const CDeviceSettings& s) {
  bool ok = true;
  int count = 10;
  if (target == 0x4210) count = s.CompareVersion(1, 1) < 0 ? 3 : s.CompareVersion(1, 2) < 0 ? 4 : 10;
  ok &= WriteParam(handles.second, io::HID_PARAM_FEATURES, FirstWords(s, count), false);
  ok &= WriteParam(handles.second, io::HID_PARAM_FM, FmParamWords(s, CDeviceSettings::kFmPresetCount, kFmTag), false);
  ok &= WriteSpeedDials(handles.first, s, false);
  return ok;
}

bool WriteWordBank(int target, platform::HidDevice* device, const CDeviceSettings& s) {
  int count = 2;
  if (target == 0x3110 && s.CompareVersion(2, 1) >= 0) count = 4;
  if (target == 0x3112 || target == 0x3114) count = 3;
  return WriteParam(device, io::HID_PARAM_FEATURES, FirstWords(s, count), false);
}

bool WritePlainFeatureWord(int target, platform::HidDevice* device, const CDeviceSettings& s) {
  bool ok = true;
  ok &= WriteParam(device, io::HID_PARAM_FEATURES, {s.PackFeatureWord(), 0}, false);
  const auto vox = [&] { return WriteParam(device, io::HID_PARAM_VOX_SENSITIVITY, Words(s, {14}), false); };
  const bool from11 = s.CompareVersion(1, 1) >= 0;
  if (target == 0x5520 || target == 0x5526 || target == 0x5720 || target == 0x6400) {
    ok &= vox();
  } else if (target == 0x5622 || target == 0x5624) {
    ok &= WriteParam(device, io::HID_PARAM_SMART_VOLUME, Words(s, {16}), false);
    if (from11) ok &= vox();
  } else if (target == 0x5623) {
    if (from11) ok &= vox();
  } else if (target == 0x5510) {
    ok &= WriteParam(device, io::HID_PARAM_CAMERA, Words(s, {10, 11}), false);
    if (s.CompareVersion(2, 0) >= 0) ok &= WriteParam(device, io::HID_PARAM_CAMERA_EXTRA, Words(s, {12, 13}), false);
  }
  ok &= WriteParam(device, io::HID_PARAM_FM, FmParamWords(s, CDeviceSettings::kFmPresetCount, kFmTag), false);
  ok &= WriteSpeedDials(device, s, true);
  return ok;
}

bool WriteCommitProduct(int target, platform::HidDevice* device, const CDeviceSettings& s) {
  bool ok = true;
  const uint16_t feature = s.PackFeatureWord();
  if (HasForm(target, Form::CommitShortFm)) {
    ok &= WriteParam(device, io::HID_PARAM_FEATURES, {feature, 0, static_cast<uint16_t>(s.Word(2)), 0}, true);
    ok &= WriteParam(device, io::HID_PARAM_VOX_SENSITIVITY, Words(s, {14}), true);
    ok &= WriteParam(device, io::HID_PARAM_FM, FmParamWords(s, kShortFmPresets, kFmCommitTag), true);
  } else if (HasForm(target, Form::CommitAltVox)) {
    ok &= WriteParam(device, io::HID_PARAM_FEATURES, {feature, 0, 0, 0}, true);
    ok &= WriteParam(device, io::HID_PARAM_VOX_SENSITIVITY_ALT, Words(s, {14}), true);
  } else {
    ok &= WriteParam(device, io::HID_PARAM_FEATURES, {feature, 0}, true);
    ok &= WriteParam(device, io::HID_PARAM_VOX_SENSITIVITY, Words(s, {14}), true);
    ok &= WriteParam(device, io::HID_PARAM_SMART_VOLUME, Words(s, {16}), true);
    if (HasForm(target, Form::CommitWithFm)) {
      ok &= WriteParam(device, io::HID_PARAM_FM, FmParamWords(s, CDeviceSettings::kFmPresetCount, kFmCommitTag), true);
    }
  }
  ok &= WriteSpeedDials(device, s, true);
  return ok;
}

// --- reading

struct FeatureBits {
  std::array<bool, 16> value{};
};

constexpr uint16_t Bits(std::initializer_list<int> bits) {
  uint16_t mask = 0;
  for (int bit : bits) mask = static_cast<uint16_t>(mask | (1u << bit));
  return mask;
}

// Bits of the feature word each product uses; products outside every row use all thirteen.
struct BitSetRow {
  ProductIds products;
  uint16_t bits;
};

constexpr uint16_t kAllFeatureBits = Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 12, 13, 14, 15});

constexpr BitSetRow kBitSets[] = {
    {{0x5532}, Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 12, 13})},
    {{0x5416}, Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 12, 14, 15})},
    {{0x6400}, Bits({0, 1, 2, 3, 5, 9, 10, 11, 12, 13, 14, 15})},
    {{0x5560}, Bits({0, 1, 2, 3, 5, 8, 10, 12, 13, 14, 15})},
    {{0x5710, 0x5522, 0x3030, 0x3040, 0x5910, 0x5920}, Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 12})},
    {{0x5623}, Bits({0, 1, 2, 3, 5, 8, 9, 10, 11})},
    {{0x5550, 0x5524}, Bits({3, 9, 10, 12, 13, 14, 15})},
    {{0x5536}, Bits({3, 9, 10, 12, 13})},
    {{0x3050, 0x3060}, Bits({3, 9, 12})},
    {{0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026, 0x6020, 0x6022, 0x6024}, Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 13})},
};

uint16_t BitSetOf(int target) {
  const BitSetRow* row = device::FindRowFor(kBitSets, target);
  return row ? row->bits : kAllFeatureBits;
}

constexpr ProductIds kAudioBoostDefaultOff = {0x5524, 0x5536, 0x5522, 0x3030, 0x3040};

bool FeatureDefault(int target, int bit) {
  if (bit == 10) return !kAudioBoostDefaultOff.Contains(target);
  return bit == 0 || bit == 5 || bit == 11 || bit == 12;
}

// Reads `param` into words `first` onward, at most `maxWords` of them; false when it failed.
bool ReadInto(platform::HidDevice* device, uint8_t param, CDeviceSettings& s, int first, size_t maxWords) {
  io::HidReplyReport reply;
  if (!Ask(device, io::MakeParamRead(param), reply)) return false;
  const size_t count = std::min(ReplyWordCount(reply), maxWords);
  for (size_t i = 0; i < count; ++i) s.SetWord(first + static_cast<int>(i), ReplyWord(reply, i));
  return true;
}

void ReadOrDefault(platform::HidDevice* device, uint8_t param, CDeviceSettings& s, int first,
                   std::initializer_list<int> defaults) {
  if (ReadInto(device, param, s, first, 2)) return;
  int index = first;
  for (int value : defaults) s.SetWord(index++, value);
}

void DualInterfaceDefaults(int target, CDeviceSettings& s) {
  struct Row {
    int word2;
    int word3;  // -1: kept
    bool clearsRest;
  };
  Row row{0xED21, 2, true};
  if (target == 0x4210) {
    if (s.CompareVersion(1, 1) < 0) row = {0xEC00, -1, false};
    else if (s.CompareVersion(1, 2) < 0) row = {0xEC00, 3, false};
    else if (s.CompareVersion(1, 5) < 0) row = {0xED80, 3, true};
    else if (s.CompareVersion(1, 6) < 0) row = {0xEDA0, 3, true};
    else row = {0xED20, 2, true};
  }
  s.SetWord(0, 5);
  s.SetWord(1, 3);
  s.SetWord(2, row.word2);
  if (row.word3 >= 0) s.SetWord(3, row.word3);
  if (row.clearsRest) {
    for (int i = 4; i < 10; ++i) s.SetWord(i, 0);
  }
}

void WordBankDefaults(int target, CDeviceSettings& s) {
  s.SetWord(0, 0x1C21);
  s.SetWord(1, 0x583);
  if (target == 0x3110) s.SetWord(3, 0x20);
  if (target == 0x3112 || target == 0x3114) s.SetWord(2, 0x66);
}

bool ReadBasicWords(platform::HidDevice* device, CDeviceSettings& s) {
  return ReadInto(device, io::HID_PARAM_FEATURES, s, 0, 10);
}

void ReadCommitProductExtras(int target, platform::HidDevice* device, const io::HidReplyReport& features,
                             CDeviceSettings& s) {
  if (HasForm(target, Form::CommitShortFm)) {
    s.SetWord(2, ReplyWord(features, 2));
    s.SetWord(3, ReplyWord(features, 3));
    ReadOrDefault(device, io::HID_PARAM_VOX_SENSITIVITY, s, 14, {2});
  } else if (HasForm(target, Form::CommitAltVox)) {
    ReadOrDefault(device, io::HID_PARAM_VOX_SENSITIVITY_ALT, s, 14, {2});
  } else {
    ReadOrDefault(device, io::HID_PARAM_VOX_SENSITIVITY, s, 14, {3});
    ReadOrDefault(device, io::HID_PARAM_SMART_VOLUME, s, 16, {0, 0});
  }
}

void CommitProductDefaults(int target, CDeviceSettings& s) {
  if (HasForm(target, Form::CommitShortFm) || HasForm(target, Form::CommitAltVox)) {
    s.SetWord(2, target == 0x6010 || target == 0x6012 ? 0x68 : 0x6B);
    s.SetWord(3, 0);
    s.SetWord(14, 2);
  } else {
    s.SetWord(14, HasForm(target, Form::CommitVoxSmartVolume) ? 2 : 3);
    s.SetWord(16, 0);
    s.SetWord(17, 0);
  }
}

FeatureBits ReadFeatureWord(int target, platform::HidDevice* device, CDeviceSettings& s) {
  FeatureBits bits;
  io::HidReplyReport reply;
  const bool ok = Ask(device, io::MakeParamRead(io::HID_PARAM_FEATURES), reply);
  const uint16_t word = ReplyWord(reply, 0);
  const uint16_t used = BitSetOf(target);
  for (int bit = 0; bit < 16; ++bit) {
    if (((used >> bit) & 1) == 0) continue;
    bits.value[static_cast<size_t>(bit)] = ok ? ((word >> bit) & 1) != 0 : FeatureDefault(target, bit);
  }
  if (IsCommitProduct(target)) {
    if (ok) ReadCommitProductExtras(target, device, reply, s);
    else CommitProductDefaults(target, s);
  }
  return bits;
}

void CopyFeatureBits(int target, const FeatureBits& bits, CDeviceSettings& s) {
  const auto& b = bits.value;
  s.m_bHandsfreeVox = b[0];
  s.m_bIntercomVox = b[1];
  s.m_bEdrOff = b[2];
  s.m_bVoicePromptOff = b[3];
  s.m_bBitpoolRate = b[5];
  s.m_bSidetone = b[8];
  s.m_bNoiseControlOff = b[9];
  s.m_bAudioBoostOff = b[10];
  s.m_bHdIntercom = b[11];
  s.m_bFmStationGuide = b[12];
  const bool navigation = kSmartNaviBit.Contains(target);
  s.m_bHdVoice = navigation ? 0 : b[13];
  s.m_bSmartNaviSystem = navigation ? b[13] : 0;
  s.m_nAudioSourcePriority = b[14];
  s.m_bAudioBlend = b[15];
  s.m_bPlc = false;
  s.m_bMicrophoneBoost = false;
  s.m_bAutoGainControlOff = false;
  s.m_nRadioTransmitGain = 0;
  s.m_nAudioChannelTimeout = 0;
  s.m_anReserved.fill(0);
}

void ReadPlainFeatureWordExtras(int target, platform::HidDevice* device, CDeviceSettings& s) {
  const bool from11 = s.CompareVersion(1, 1) >= 0;
  if (target == 0x5520 || target == 0x5526 || target == 0x5720 || target == 0x6400) {
    ReadOrDefault(device, io::HID_PARAM_VOX_SENSITIVITY, s, 14, {3});
  } else if (target == 0x5510) {
    ReadOrDefault(device, io::HID_PARAM_CAMERA, s, 10, {0x7C0, 0});
    if (s.CompareVersion(2, 0) >= 0) ReadOrDefault(device, io::HID_PARAM_CAMERA_EXTRA, s, 12, {0x14, 0});
  } else if (target == 0x5622 || target == 0x5624) {
    ReadOrDefault(device, io::HID_PARAM_SMART_VOLUME, s, 16, {0, 0});
    if (from11) ReadOrDefault(device, io::HID_PARAM_VOX_SENSITIVITY, s, 14, {3});
  } else if (target == 0x5623) {
    if (from11) ReadOrDefault(device, io::HID_PARAM_VOX_SENSITIVITY, s, 14, {3});
  }
}

// Tag, current frequency, current preset, the presets, RDS AF, region.
struct FmValues {
  std::array<int, 15> words{};
};

void ReadFm(int target, HidHandles handles, CDeviceSettings& s) {
  const bool shortBlock = HasForm(target, Form::CommitShortFm);
  const int presets = shortBlock ? kShortFmPresets : CDeviceSettings::kFmPresetCount;
  const size_t layout = static_cast<size_t>(presets) + 5;
  FmValues fm;
  const bool noFm = HasForm(target, Form::NoParameters) || HasForm(target, Form::CommitVoxSmartVolume) ||
                    HasForm(target, Form::CommitAltVox);
  if (!noFm) {
    if (HasForm(target, Form::CommitWithFm) || shortBlock) Send(handles.first, io::MakeParamLoad(io::HID_PARAM_FM));
    platform::HidDevice* device = device::HasTwoHidInterfaces(target) ? handles.second : handles.first;
    io::HidReplyReport reply;
    if (Ask(device, io::MakeParamRead(io::HID_PARAM_FM), reply)) {
      const size_t count = std::min(ReplyWordCount(reply), layout);
      for (size_t i = 0; i < count; ++i) fm.words[i] = ReplyWord(reply, i);
    } else {
      fm.words[0] = kFmTagDefault;
      if (shortBlock) fm.words[layout - 2] = 1;
      if (target == 0x4210 && s.CompareVersion(1, 1) >= 0) fm.words[layout - 1] = 1;
    }
  }
  s.m_nFmMagicCode = fm.words[0];
  s.m_nFmCurrentFrequency = fm.words[1];
  s.m_nFmCurrentPreset = fm.words[2];
  for (int i = 0; i < presets; ++i) s.m_anFmPreset[static_cast<size_t>(i)] = fm.words[3 + static_cast<size_t>(i)];
  s.m_bFmRds = fm.words[layout - 2];
  s.m_nFmRegion = fm.words[layout - 1];
}

void ReadSpeedDials(int target, platform::HidDevice* device, CDeviceSettings& s) {
  if (IsCommitProduct(target)) {
    for (int i = 0; i < CDeviceSettings::kSpeedDialCount; ++i) {
      Send(device, io::MakeParamLoad(static_cast<uint8_t>(io::HID_PARAM_SPEED_DIAL_1 + i)));
    }
  }
  for (int i = 0; i < CDeviceSettings::kSpeedDialCount; ++i) {
    std::string number;
    io::HidReplyReport reply;
    if (Ask(device, io::MakeParamRead(static_cast<uint8_t>(io::HID_PARAM_SPEED_DIAL_1 + i)), reply)) {
      device::SpeedDialWords words{};
      const size_t count = std::min<size_t>(ReplyWordCount(reply), words.size());
      for (size_t w = 0; w < count; ++w) words[w] = ReplyWordLow(reply, w);
      device::UnpackTextWords(number, words);
    }
    s.m_astrSpeedDial[static_cast<size_t>(i)] = number;
  }
}

}  // namespace

bool WriteHidSettings(int target, HidHandles handles, const CDeviceSettings& toWrite) {
  if (device::HasTwoHidInterfaces(target)) return WriteDualInterface(target, handles, toWrite);
  if (HasForm(target, Form::WordBank)) return WriteWordBank(target, handles.first, toWrite);
  if (HasForm(target, Form::PlainFeatureWord)) return WritePlainFeatureWord(target, handles.first, toWrite);
  if (IsCommitProduct(target)) return WriteCommitProduct(target, handles.first, toWrite);
  return true;
}

void ReadHidSettings(int target, HidHandles handles, CDeviceSettings& s) {
  platform::HidDevice* first = handles.first;
  if (HasForm(target, Form::CommitAltVox)) {
    Send(first, io::MakeParamLoad(io::HID_PARAM_FEATURES));
    Send(first, io::MakeParamLoad(io::HID_PARAM_VOX_SENSITIVITY_ALT));
  } else if (IsCommitProduct(target)) {
    Send(first, io::MakeParamLoad(io::HID_PARAM_FEATURES));
    Send(first, io::MakeParamLoad(io::HID_PARAM_VOX_SENSITIVITY));
    if (!HasForm(target, Form::CommitShortFm)) Send(first, io::MakeParamLoad(io::HID_PARAM_SMART_VOLUME));
  }

  FeatureBits bits;
  if (device::HasTwoHidInterfaces(target)) {
    if (!ReadBasicWords(handles.second, s)) DualInterfaceDefaults(target, s);
  } else if (HasForm(target, Form::WordBank)) {
    if (!ReadBasicWords(first, s)) WordBankDefaults(target, s);
  } else if (!HasForm(target, Form::NoParameters)) {
    bits = ReadFeatureWord(target, first, s);
  }
  CopyFeatureBits(target, bits, s);
  if (HasForm(target, Form::PlainFeatureWord)) ReadPlainFeatureWordExtras(target, first, s);
  ReadFm(target, handles, s);
  ReadSpeedDials(target, first, s);
}

}  // namespace headset::hid
