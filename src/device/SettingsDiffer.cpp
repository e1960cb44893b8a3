// Whether a page's edited record differs from the device's: per product, only the settings that
// product offers are compared.
#include <cstdint>
#include <span>

#include "device/DeviceSettings.h"
#include "device/ProductIds.h"

namespace device {

namespace {

enum Compared : uint16_t {
  kFeatureWord = 1u << 0,        // as packed, so that unused members do not count
  kBasicWords = 1u << 1,         // words 0-9
  kCameraWords = 1u << 2,        // words 10-13
  kVoxWords = 1u << 3,           // words 14-15
  kVoxWordsFrom1_1 = 1u << 4,    // words 14-15 from firmware 1.1 on
  kSmartVolumeWords = 1u << 5,   // words 16-17
  kFmBlock = 1u << 6,            // words 32-46, with includeFm
  kFmBlockSixPresets = 1u << 7,  // words 32-35, 36-41 and 46, with includeFm
  kRadioMembers = 1u << 8,       // transmit gain and channel timeout
};

struct DifferRow {
  ProductIds products;
  uint16_t compared;
};

// clang-format off
constexpr DifferRow kRows[] = {
    {{0x2010, 0x2011, 0x2020, 0x2110, 0x2210, 0x2310, 0x4010, 0x4020, 0x4021, 0x4030,
      0x4040, 0x4110, 0x4111, 0x4120, 0x4D05, 0x4D10, 0x4D20, 0x4D21, 0x4D30, 0x4D35,
      0x4D40, 0x4D50, 0x4D55, 0x4D75, 0x5010, 0x5011, 0x5020, 0x5030, 0x5060, 0x5061,
      0x5070, 0x5080, 0x6110, 0x6111, 0x6120, 0x6121, 0x6420, 0x6430},
     kFeatureWord},
    {{0x3030, 0x3040, 0x3050, 0x3060, 0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x5040, 0x5050,
      0x5522, 0x5524, 0x5530, 0x5532, 0x5536, 0x5550, 0x5570, 0x5580, 0x5610, 0x5611,
      0x5612, 0x5620, 0x5621, 0x5710, 0x5910, 0x5920, 0x6210},
     kFeatureWord | kFmBlock},
    {{0x2030, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x4210, 0x4310,
      0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530},
     kBasicWords | kFmBlock},
    {{0x5210}, kRadioMembers},
    {{0x5410, 0x5560}, kFeatureWord | kSmartVolumeWords | kVoxWords},
    {{0x5412, 0x5414, 0x5416, 0x5418, 0x5420},
     kFeatureWord | kSmartVolumeWords | kVoxWords | kFmBlock},
    {{0x5510}, kFeatureWord | kCameraWords | kFmBlock},
    {{0x5520, 0x5526, 0x5720, 0x6400}, kFeatureWord | kVoxWords | kFmBlock},
    {{0x5622, 0x5624}, kFeatureWord | kSmartVolumeWords | kVoxWordsFrom1_1 | kFmBlock},
    {{0x5623}, kFeatureWord | kVoxWordsFrom1_1 | kFmBlock},
    {{0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026},
     kFeatureWord | kBasicWords | kVoxWords | kFmBlockSixPresets},
    {{0x6020, 0x6022, 0x6024}, kFeatureWord | kVoxWords},
    // 0x3010, 0x3020, 0x3500, 0x5310, 0x5320, 0x5330, 0x5345 and every other id: nothing.
};
// clang-format on

bool WordsDiffer(const CDeviceSettings& a, const CDeviceSettings& b, int first, int last) {
  for (int i = first; i <= last; ++i) {
    if (a.Word(i) != b.Word(i)) return true;
  }
  return false;
}

}  // namespace

bool CDeviceSettings::SettingsDiffer(const CDeviceSettings& other, bool includeFm) const {
  const DifferRow* row = FindRowFor(kRows, m_nProductId);
  if (!row) return false;
  const uint16_t c = row->compared;
  const auto differ = [&](int first, int last) { return WordsDiffer(*this, other, first, last); };

  if ((c & kFeatureWord) && PackFeatureWord() != other.PackFeatureWord()) return true;
  if ((c & kBasicWords) && differ(0, 9)) return true;
  if ((c & kCameraWords) && differ(10, 13)) return true;
  const bool voxCompared = (c & kVoxWords) || ((c & kVoxWordsFrom1_1) && CompareVersion(1, 1) >= 0);
  if (voxCompared && differ(14, 15)) return true;
  if ((c & kSmartVolumeWords) && differ(16, 17)) return true;
  if (includeFm && (c & kFmBlock) && differ(kWordFmRegion, kWordFmRds)) return true;
  if (includeFm && (c & kFmBlockSixPresets) &&
      (differ(kWordFmRegion, kWordFmPreset + 5) || m_bFmRds != other.m_bFmRds)) {
    return true;
  }
  if ((c & kRadioMembers) && (m_nRadioTransmitGain != other.m_nRadioTransmitGain ||
                              m_nAudioChannelTimeout != other.m_nAudioChannelTimeout)) {
    return true;
  }
  return false;
}

}  // namespace device
