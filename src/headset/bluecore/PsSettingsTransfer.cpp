#include "headset/bluecore/PsSettingsTransfer.h"

#include <span>

#include "device/OnOffMembers.h"
#include "device/ProductIds.h"
#include "device/PsKeys.h"
#include "device/SpeedDialText.h"
#include "device/Version.h"
#include "headset/RadioBatches.h"
#include "headset/bluecore/PsKeyPort.h"

namespace headset::bluecore {

namespace {

using device::CDeviceSettings;
using device::ProductIds;

constexpr ProductIds kGroupV = {0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x5010, 0x5060,
                                0x5061, 0x5020, 0x5070, 0x5030, 0x5080, 0x5040, 0x5050};
constexpr ProductIds kGroupW = {0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65};
constexpr ProductIds kGroupL = {0x4020, 0x2310, 0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010};
// Models with an FM radio: their FM block is written back and read after everything else.
constexpr ProductIds kFmModels = {0x5040, 0x5050, 0x4D15, 0x4D45, 0x4D65, 0x4D85};
// Models that read their address again and, outside the patch batches, take power table F.
constexpr ProductIds kOwnPowerTableModels = {0x4D35, 0x4D55};
constexpr int kRadioModel = 0x5210;
constexpr int kSidetoneByDefaultModel = 0x4D21;
constexpr int kEarlyFeatureModel = 0x2020;

constexpr uint16_t kSpeedDialKeys[CDeviceSettings::kSpeedDialCount] = {PSKEY_SPEED_DIAL_1, PSKEY_SPEED_DIAL_2,
                                                                         PSKEY_SPEED_DIAL_3};

// ---- Radio patch

constexpr std::array<uint8_t, 30> kPowerTableA = {0x00, 0x0B, 0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00, 0x00,
                                                  0x00, 0x16, 0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00, 0x08,
                                                  0x00, 0x27, 0x00, 0x00, 0x00, 0x16, 0x00, 0x00, 0x00, 0x10};
constexpr std::array<uint8_t, 30> kPowerTableB = {0x00, 0x0B, 0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00, 0x00,
                                                  0x00, 0x12, 0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00, 0x04,
                                                  0x00, 0x19, 0x00, 0x00, 0x00, 0x16, 0x00, 0x00, 0x00, 0x08};
constexpr std::array<uint8_t, 60> kPowerTableC = {
    0x00, 0x16, 0x50, 0x00, 0x00, 0x19, 0x50, 0x00, 0x00, 0xFC, 0x00, 0x1E, 0x50, 0x00, 0x00,
    0x20, 0x50, 0x00, 0x00, 0x00, 0x00, 0x1C, 0x40, 0x00, 0x00, 0x1E, 0x40, 0x00, 0x00, 0x04,
    0x00, 0x1D, 0x30, 0x00, 0x00, 0x1F, 0x30, 0x00, 0x00, 0x08, 0x00, 0x1F, 0x20, 0x00, 0x00,
    0x21, 0x20, 0x00, 0x00, 0x0C, 0x00, 0x20, 0x00, 0x00, 0x00, 0x22, 0x00, 0x00, 0x00, 0x10};
constexpr std::array<uint8_t, 50> kPowerTableD = {
    0x00, 0x05, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0xFA, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x0A, 0x00,
    0x00, 0x00, 0xFE, 0x00, 0x0F, 0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00, 0x02, 0x00, 0x15, 0x00, 0x00,
    0x00, 0x17, 0x00, 0x00, 0x00, 0x06, 0x00, 0x1C, 0x00, 0x00, 0x00, 0x1E, 0x00, 0x00, 0x00, 0x0A};
constexpr std::array<uint8_t, 38> kPowerTableE = {0x00, 0x0F, 0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00, 0x02,
                                                  0x00, 0x15, 0x00, 0x00, 0x00, 0x17, 0x00, 0x00, 0x00, 0x06,
                                                  0x00, 0x1C, 0x00, 0x00, 0x00, 0x1E, 0x00, 0x00, 0x00, 0x0A,
                                                  0x00, 0x00, 0x00, 0x22, 0x00, 0x00, 0x00, 0x10};
constexpr std::array<uint8_t, 60> kPowerTableF = {
    0x00, 0x2A, 0x50, 0x00, 0x00, 0x31, 0x50, 0x00, 0x00, 0xFC, 0x00, 0x27, 0x40, 0x00, 0x00,
    0x2E, 0x40, 0x00, 0x00, 0x00, 0x00, 0x28, 0x30, 0x00, 0x00, 0x2E, 0x30, 0x00, 0x00, 0x04,
    0x00, 0x2B, 0x20, 0x00, 0x00, 0x31, 0x20, 0x00, 0x00, 0x08, 0x00, 0x2E, 0x10, 0x00, 0x00,
    0x36, 0x10, 0x00, 0x00, 0x0C, 0x00, 0x38, 0x00, 0x00, 0x00, 0x3A, 0x00, 0x00, 0x00, 0x10};

constexpr int kNotWritten = -1;

// One row of the patch: the keys in the order they are written.
struct RadioPatch {
  ProductIds products;
  int maxTxPower;        // PSKEY_RF_MAX_TX_POWER
  int defaultTxPower;    // PSKEY_RF_DEFAULT_TX_POWER
  int maxTxPowerNoRssi;  // PSKEY_RF_MAX_TX_POWER_NO_RSSI
  std::span<const uint8_t> powerTable;
  int freqTrim;    // PSKEY_RF_FREQ_TRIM
  int patchFlag;   // PSKEY_RF_PATCH_FLAG
  int patchLevel;  // PSKEY_RF_PATCH_LEVEL
};

constexpr RadioPatch kRadioPatches[] = {
    {{0x4D15, 0x4D45, 0x4D65, 0x5040, 0x5050}, 0x0010, 0x0008, kNotWritten, kPowerTableA, kNotWritten, kNotWritten,
     kNotWritten},
    {{0x4D05, 0x4D35, 0x4D55, 0x4D85}, 0x0008, 0x0008, 0x0008, kPowerTableB, 0x0027, 0x0001, 0x0000},
    {{0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50}, 0x0010, 0x000C, 0x0010, kPowerTableC, 0x0027, 0x0001, 0x0000},
    {{0x6110}, 0x000A, 0x000A, 0x0010, kPowerTableD, 0x0027, 0x0001, 0x0000},
    {{0x6120}, 0x000A, 0x000A, 0x000A, kPowerTableE, 0x0027, 0x0001, 0x0000},
};

// ---- Settings

// The members each model reads from its feature word, as device::OnOff flags (the flag bits 0 to 6
// are the feature bits 0 to 6).
constexpr uint16_t kBits0To5 = device::kHandsfreeVox | device::kIntercomVox | device::kEdrOff |
                               device::kVoicePromptOff | device::kPlc | device::kBitpoolRate;
constexpr uint16_t kBits0To6 = kBits0To5 | device::kMicrophoneBoost;
constexpr uint16_t kBits2To6 = kBits0To6 & ~(device::kHandsfreeVox | device::kIntercomVox);

// What a member reads when the feature word cannot be read.
constexpr uint16_t kFeatureDefaults =
    device::kHandsfreeVox | device::kPlc | device::kBitpoolRate | device::kMicrophoneBoost;

// Models whose settings read does not depend on their firmware version.
struct FixedRead {
  ProductIds products;
  uint16_t featureBits;
  bool speedDials;
};

constexpr FixedRead kFixedReads[] = {
    {{0x4D21}, device::kSidetone, true},
    {{0x4D75, 0x5011}, kBits0To6 | device::kSidetone, true},
    {{0x4040}, kBits0To6 | device::kSidetone | device::kNoiseControlOff, false},
    {{0x6110, 0x6111, 0x6120, 0x6121}, kBits2To6 | device::kSidetone | device::kNoiseControlOff, true},
    {{0x4110, 0x4111}, kBits0To6, true},
    {{0x4120}, kBits0To6 | device::kSidetone | device::kNoiseControlOff | device::kAutoGainControlOff, true},
    {{0x6420}, device::kHandsfreeVox | device::kEdrOff, true},
    {{0x6430}, device::kHandsfreeVox, true},
    {{0x4D85}, kBits0To5 | device::kSidetone, true},
    {kGroupL, kBits0To5, false},
    {{0x4021}, device::kHandsfreeVox, false},
};

// Targets whose write-back is the feature word, then (with `speedDials`) the three speed dials.
struct FixedWrite {
  ProductIds products;
  bool speedDials;
};

constexpr FixedWrite kFixedWrites[] = {
    {{0x4D21, 0x4D75, 0x5011, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4110, 0x4111, 0x4120, 0x6420, 0x6430,
      0x4D85},
     true},
    {{0x4040}, false},
    {kGroupL, false},
    {{0x4021}, false},
};

// The device's FM block (15 words) and the record's words 32 to 46: block words 0 to 13 are
// record words 33 to 46, block word 14 (the region) is record word 32.
constexpr size_t kFmBlockWords = 15;
using FmBlock = std::array<uint16_t, kFmBlockWords>;

int RecordWordOfFmWord(size_t blockWord) {
  return blockWord + 1 == kFmBlockWords ? CDeviceSettings::kWordFmRegion
                                        : CDeviceSettings::kWordFmMagicCode + static_cast<int>(blockWord);
}

FmBlock FmBlockOf(const CDeviceSettings& record) {
  FmBlock block{};
  for (size_t i = 0; i < kFmBlockWords; ++i) block[i] = static_cast<uint16_t>(record.Word(RecordWordOfFmWord(i)));
  return block;
}

void SetFmBlock(CDeviceSettings& record, const FmBlock& block) {
  for (size_t i = 0; i < kFmBlockWords; ++i) record.SetWord(RecordWordOfFmWord(i), block[i]);
}

void WriteValue(PsKeyPort& port, uint16_t key, int value) {
  if (value != kNotWritten) port.WriteWords(key, {static_cast<uint16_t>(value)});
}

bool WriteFeatureWord(PsKeyPort& port, const CDeviceSettings& record) {
  return static_cast<bool>(port.WriteWords(PSKEY_FEATURE_FLAGS, {record.PackFeatureWord(), 0}));
}

bool WriteSpeedDialKey(PsKeyPort& port, const CDeviceSettings& record, size_t i) {
  device::SpeedDialWords words{};
  device::PackTextWords(words, record.m_astrSpeedDial[i]);
  return static_cast<bool>(port.WriteWords(kSpeedDialKeys[i], words));
}

// The write-back tries every key whatever an earlier one did.
bool WriteSpeedDials(PsKeyPort& port, const CDeviceSettings& record) {
  bool ok = true;
  for (size_t i = 0; i < record.m_astrSpeedDial.size(); ++i) ok &= WriteSpeedDialKey(port, record, i);
  return ok;
}

void ReadFeatureBits(PsKeyPort& port, int modelId, uint16_t members, CDeviceSettings& values) {
  std::array<uint8_t, 4> key{};
  const bool read = port.Read(PSKEY_FEATURE_FLAGS, key);
  const uint16_t word = GetPsWord(key, 0);
  const uint16_t defaults = kFeatureDefaults | (modelId == kSidetoneByDefaultModel ? device::kSidetone : 0);
  for (const device::OnOffMember& m : device::kOnOffMembers) {
    if (!(members & m.flag)) continue;
    values.*m.member = read ? ((word >> m.featureBit) & 1) != 0 : (defaults & m.flag) != 0;
  }
}

void ReadSpeedDials(PsKeyPort& port, CDeviceSettings& values) {
  for (size_t i = 0; i < values.m_astrSpeedDial.size(); ++i) {
    std::array<uint8_t, device::kSpeedDialWordCount * 2> key{};
    values.m_astrSpeedDial[i].clear();
    if (!port.Read(kSpeedDialKeys[i], key)) continue;
    device::SpeedDialWords words{};
    for (size_t w = 0; w < words.size(); ++w) words[w] = GetPsWord(key, w);
    device::UnpackTextWords(values.m_astrSpeedDial[i], words);
  }
}

// Early firmware of group V keeps VOX in keys of their own and EDR in the LMP feature mask.
void ReadEarlyVoxAndEdr(PsKeyPort& port, CDeviceSettings& values) {
  values.m_bIntercomVox = port.ReadWord(PSKEY_VOX_INTERCOM).value_or(0) != 0;
  values.m_bHandsfreeVox = port.ReadWord(PSKEY_VOX_PHONE).value_or(0) != 0;
  std::array<uint8_t, 8> features{};
  values.m_bEdrOff = port.Read(PSKEY_LOCAL_SUPPORTED_FEATURES, features) && features == EDR_OFF_FEATURES;
}

// A block without a valid tag was never set up: the device gets an empty one.
void ReadFmBlock(PsKeyPort& port, CDeviceSettings& values) {
  std::array<uint8_t, kFmBlockWords * 2> key{};
  FmBlock block{};
  if (port.Read(PSKEY_FM_SETTINGS, key)) {
    for (size_t i = 0; i < kFmBlockWords; ++i) block[i] = GetPsWord(key, i);
  } else {
    block[0] = kFmTag;
  }
  if (block[0] != kFmTag && block[0] != kFmTagAlternative) {
    block = {};
    block[0] = kFmTag;
    port.WriteWords(PSKEY_FM_SETTINGS, block);
  }
  SetFmBlock(values, block);
}

void ReadRadioValues(PsKeyPort& port, CDeviceSettings& values) {
  constexpr int kLow = 12, kMedium = 15, kHigh = 17;
  const auto gain = port.ReadWord(PSKEY_RADIO_TRANSMIT_GAIN);
  values.m_nRadioTransmitGain = !gain ? kMedium : *gain < 14 ? kLow : *gain > 16 ? kHigh : kMedium;

  constexpr int kDefaultSeconds = 5, kShortest = 3, kLongest = 60;
  const auto timeout = port.ReadWord(PSKEY_AUDIO_CHANNEL_TIMEOUT);
  const int seconds = timeout ? *timeout / 1000 : 0;
  values.m_nAudioChannelTimeout = timeout && seconds >= kShortest && seconds <= kLongest ? seconds : kDefaultSeconds;
}

void ClearPsSettings(CDeviceSettings& values) { CopyPsSettings(CDeviceSettings(), values); }

}  // namespace

bool WriteSpeedDialKeys(PsKeyPort& port, const CDeviceSettings& record) {
  for (size_t i = 0; i < record.m_astrSpeedDial.size(); ++i) {
    if (!WriteSpeedDialKey(port, record, i)) return false;
  }
  return true;
}

bool WriteFmBlockKey(PsKeyPort& port, const CDeviceSettings& record) {
  // The page writes the block under the tag the device reads back, whatever the record held.
  FmBlock block = FmBlockOf(record);
  block[0] = kFmTagAlternative;
  return static_cast<bool>(port.WriteWords(PSKEY_FM_SETTINGS, block));
}

uint16_t TimeoutMilliseconds(int seconds) {
  const long long ms = static_cast<long long>(seconds) * 1000;
  return static_cast<uint16_t>(ms < 0 ? 0 : ms > 0xFFFF ? 0xFFFF : ms);
}

void ApplyRadioPatch(PsKeyPort& port, int target) {
  const RadioPatch* patch = device::FindRowFor(kRadioPatches, target);
  if (!patch) return;
  WriteValue(port, PSKEY_RF_MAX_TX_POWER, patch->maxTxPower);
  WriteValue(port, PSKEY_RF_DEFAULT_TX_POWER, patch->defaultTxPower);
  WriteValue(port, PSKEY_RF_MAX_TX_POWER_NO_RSSI, patch->maxTxPowerNoRssi);
  port.Write(PSKEY_RF_POWER_TABLE, patch->powerTable);
  WriteValue(port, PSKEY_RF_FREQ_TRIM, patch->freqTrim);
  WriteValue(port, PSKEY_RF_PATCH_FLAG, patch->patchFlag);
  WriteValue(port, PSKEY_RF_PATCH_LEVEL, patch->patchLevel);
}

bool WriteBackSettings(PsKeyPort& port, int target, const CDeviceSettings& toWrite) {
  const auto versionAbove = [&](int major, int minor) { return toWrite.CompareVersion(major, minor) > 0; };
  const auto took = [](const dfu::Result& result) { return static_cast<bool>(result); };
  bool ok = true;
  if (kGroupV.Contains(target)) {
    if (toWrite.CompareVersion(4, 0) < 0) {
      ok &= took(port.WriteWords(PSKEY_VOX_INTERCOM, {static_cast<uint16_t>(toWrite.m_bIntercomVox)}));
      ok &= took(port.WriteWords(PSKEY_VOX_PHONE, {static_cast<uint16_t>(toWrite.m_bHandsfreeVox)}));
    } else {
      ok &= WriteFeatureWord(port, toWrite);
      if (versionAbove(4, 2)) ok &= WriteSpeedDials(port, toWrite);
    }
  } else if (const FixedWrite* row = device::FindRowFor(kFixedWrites, target)) {
    ok &= WriteFeatureWord(port, toWrite);
    if (row->speedDials) ok &= WriteSpeedDials(port, toWrite);
  } else if (kGroupW.Contains(target)) {
    ok &= WriteFeatureWord(port, toWrite);
    if (versionAbove(1, 3)) ok &= WriteSpeedDials(port, toWrite);
  } else if (target == kRadioModel) {
    ok &= took(port.WriteWords(PSKEY_RADIO_TRANSMIT_GAIN, {static_cast<uint16_t>(toWrite.m_nRadioTransmitGain)}));
    ok &= took(port.WriteWords(PSKEY_AUDIO_CHANNEL_TIMEOUT, {TimeoutMilliseconds(toWrite.m_nAudioChannelTimeout)}));
    return ok;
  } else {
    return true;
  }
  if (kFmModels.Contains(target)) ok &= took(port.WriteWords(PSKEY_FM_SETTINGS, FmBlockOf(toWrite)));
  return ok;
}

void ReadSettings(PsKeyPort& port, int modelId, int major, int minor, int target, std::string& addressText,
                  CDeviceSettings& values) {
  ClearPsSettings(values);
  const auto compare = [&](int otherMajor, int otherMinor) {
    return device::CompareMajorMinor(major, minor, otherMajor, otherMinor);
  };
  if (kGroupV.Contains(modelId)) {
    if (compare(4, 0) < 0) {
      ReadEarlyVoxAndEdr(port, values);
    } else if (compare(5, 0) < 0) {
      ReadFeatureBits(port, modelId, kBits0To6, values);
      if (compare(4, 2) > 0) ReadSpeedDials(port, values);
    } else {
      ReadFeatureBits(port, modelId, kBits0To6 | device::kSidetone, values);
      ReadSpeedDials(port, values);
    }
  } else if (const FixedRead* row = device::FindRowFor(kFixedReads, modelId)) {
    ReadFeatureBits(port, modelId, row->featureBits, values);
    if (row->speedDials) ReadSpeedDials(port, values);
  } else if (modelId == kEarlyFeatureModel) {
    const uint16_t noiseControl = compare(1, 1) < 0 ? 0 : device::kNoiseControlOff;
    ReadFeatureBits(port, modelId, kBits0To6 | device::kSidetone | noiseControl, values);
    ReadSpeedDials(port, values);
  } else if (kGroupW.Contains(modelId)) {
    ReadFeatureBits(port, modelId, compare(2, 0) < 0 ? kBits0To5 : kBits0To5 | device::kSidetone, values);
    if (kOwnPowerTableModels.Contains(modelId)) {
      if (const auto address = ReadAddressTexts(port)) {
        addressText = address->display;
        if (!NeedsRadioPatch(target, address->lower)) port.Write(PSKEY_RF_POWER_TABLE, kPowerTableF);
      }
    }
    if (compare(1, 2) > 0) ReadSpeedDials(port, values);
  } else if (modelId == kRadioModel) {
    ReadRadioValues(port, values);
  }
  if (kFmModels.Contains(modelId)) ReadFmBlock(port, values);
}

void CopyPsSettings(const CDeviceSettings& from, CDeviceSettings& to) {
  for (const device::OnOffMember& m : device::kOnOffMembers) to.*m.member = from.*m.member;
  to.m_nRadioTransmitGain = from.m_nRadioTransmitGain;
  to.m_nAudioChannelTimeout = from.m_nAudioChannelTimeout;
  for (size_t i = 0; i < kFmBlockWords; ++i) to.SetWord(RecordWordOfFmWord(i), from.Word(RecordWordOfFmWord(i)));
  to.m_astrSpeedDial = from.m_astrSpeedDial;
}

}  // namespace headset::bluecore
