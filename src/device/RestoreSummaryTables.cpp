#include "device/RestoreSummaryTables.h"

#include <algorithm>

#include "device/DeviceSettings.h"
#include "device/SettingsPages.h"

namespace device {

namespace {

using P = SummaryPair;

const std::vector<ArchiveSummaryGroup>& Groups() {
  static const std::vector<ArchiveSummaryGroup> groups = {
      {{0x4D10, 0x4D30, 0x4D40},
       {{0, 0, {P::kVoxPhone, P::kVoxIntercom, P::kEdr}},
        {4, 0, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kPlc}},
        {4, 1, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kPlc, P::kHighQualityA2dp, P::kMicrophoneBoost}},
        {4, 2, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kHighQualityA2dp, P::kMicrophoneBoost}},
        {5, 0,
         {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kHighQualityA2dp, P::kSidetone, P::kMicrophoneBoost}}},
       true, true, false},
      {{0x4D20, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050},
       {{0, 0, {P::kVoxPhone, P::kVoxIntercom, P::kEdr}},
        {4, 0, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kPlc}},
        {4, 1, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kPlc, P::kHighQualityA2dp}},
        {4, 2, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kHighQualityA2dp}},
        {5, 0, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kHighQualityA2dp, P::kSidetone}}},
       true, true, false},
      {{0x4D21}, {{0, 0, {P::kSidetone}}}, true, true, false},
      {{0x4D75, 0x5011},
       {{0, 0, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kHighQualityA2dp, P::kSidetone}}},
       true, false, false},
      {{0x5020, 0x5070},
       {{0, 0, {P::kVoxPhone, P::kVoxIntercom, P::kEdr}},
        {4, 0, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kPlc}},
        {4, 1, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kPlc, P::kHighQualityA2dp}},
        {4, 2, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kHighQualityA2dp}}},
       true, false, false},
      {{0x4040}, {{0, 0, {P::kSidetone}}}, false, false, false},
      {{0x2020},
       {{0, 0, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kHighQualityA2dp, P::kSidetone}},
        {1, 1, {P::kVoxPhone, P::kVoxIntercom, P::kEdr, P::kHighQualityA2dp, P::kSidetone, P::kNoiseControl}}},
       true, false, false},
      {{0x6110, 0x6111, 0x6120, 0x6121},
       {{0, 0, {P::kEdr, P::kHighQualityA2dp, P::kSidetone, P::kNoiseControl}}},
       true, false, false},
      {{0x4110, 0x4111}, {{0, 0, {P::kEdr, P::kHighQualityA2dp}}}, true, false, false},
      {{0x4120},
       {{0, 0, {P::kEdr, P::kHighQualityA2dp, P::kSidetone, P::kNoiseControl, P::kAutoGainControl}}},
       true, false, false},
      {{0x6420}, {{0, 0, {P::kVoxPhone, P::kEdr}}}, true, false, false},
      {{0x6430}, {{0, 0, {P::kVoxPhone}}}, true, false, false},
      {{0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65},
       {{0, 0, {P::kVoxPhone, P::kEdr, P::kPlc}},
        {1, 2, {P::kVoxPhone, P::kEdr, P::kHighQualityA2dp}},
        {2, 0, {P::kVoxPhone, P::kEdr, P::kHighQualityA2dp, P::kSidetone}}},
       true, true, false},
      {{0x4D85}, {{0, 0, {P::kVoxPhone, P::kEdr, P::kHighQualityA2dp, P::kSidetone}}}, true, true, false},
      // The archived-settings list takes the place of the Basic pairs.
      {{0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x2030, 0x5610, 0x5611, 0x5612,
        0x5620, 0x5621, 0x5520, 0x5526, 0x5720, 0x5530, 0x5532, 0x5550, 0x3110, 0x3112, 0x3114, 0x3116,
        0x3118, 0x3124, 0x3126, 0x5710, 0x5622, 0x5623, 0x5624, 0x5522, 0x5524, 0x5536, 0x3030, 0x3040,
        0x3050, 0x3060, 0x6210, 0x6400, 0x5910, 0x5920, 0x5560, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418,
        0x5420, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026, 0x5510, 0x5570, 0x5580},
       {{0, 0, {}}},
       true, true, false},
      {{0x6020, 0x6022, 0x6024}, {{0, 0, {}}}, true, false, false},
      {{0x4010, 0x4020, 0x4030, 0x2010, 0x2011, 0x2110, 0x2210, 0x2310},
       {{0, 0, {P::kVoxPhone, P::kEdr, P::kHighQualityA2dp}}},
       false, false, true},
      {{0x4021}, {{0, 0, {P::kVoxPhone}}}, false, false, true},
      {{0x5210}, {{0, 0, {P::kRadioTransmitGain, P::kAudioChannelTimeout}}}, false, false, true},
  };
  return groups;
}

constexpr uint8_t Rows(int first, int last) {
  uint8_t bits = 0;
  for (int pair = first; pair <= last; ++pair) bits = uint8_t(bits | (1u << (pair - 1)));
  return bits;
}

struct VisibleBand {
  int major;
  int minor;
  uint8_t rows;
};

struct VisibilityRow {
  std::vector<int> products;
  std::vector<VisibleBand> basic;  // ascending, the first from 0.0
  uint8_t speedDial;
  uint8_t fmRadio;
  uint8_t noPage;
};

const std::vector<VisibilityRow>& Visibility() {
  static const std::vector<VisibilityRow> rows = {
      {{0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x4010, 0x4020, 0x4030},
       {{0, 0, Rows(1, 3)}}, Rows(1, 3), Rows(1, 3), Rows(1, 3)},
      {{0x2020}, {{0, 0, Rows(1, 5)}, {1, 1, Rows(1, 6)}}, Rows(1, 3), Rows(1, 6), Rows(1, 6)},
      {{0x4021}, {{0, 0, Rows(1, 1)}}, Rows(1, 1), Rows(1, 1), Rows(1, 1)},
      {{0x4040}, {{0, 0, Rows(1, 1)}}, Rows(1, 6), Rows(1, 6), Rows(1, 6)},
      {{0x4110, 0x4111, 0x6420}, {{0, 0, Rows(1, 2)}}, Rows(1, 3), Rows(1, 6), Rows(1, 6)},
      {{0x4120, 0x4D75, 0x5011}, {{0, 0, Rows(1, 5)}}, Rows(1, 3), Rows(1, 6), Rows(1, 6)},
      {{0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65},
       {{0, 0, Rows(1, 3)}, {2, 0, Rows(1, 4)}}, Rows(1, 3), Rows(1, 6), Rows(1, 6)},
      {{0x4D10, 0x4D30, 0x4D40},
       {{0, 0, Rows(1, 3)}, {4, 0, Rows(1, 4)}, {4, 1, Rows(1, 6)}, {4, 2, Rows(1, 5)}, {5, 0, Rows(1, 6)}},
       Rows(1, 3), Rows(1, 6), Rows(1, 6)},
      {{0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080},
       {{0, 0, Rows(1, 3)}, {4, 0, Rows(1, 4)}, {4, 1, Rows(1, 5)}, {4, 2, Rows(1, 4)}, {5, 0, Rows(1, 5)}},
       Rows(1, 3), Rows(1, 6), Rows(1, 6)},
      {{0x5020, 0x5070},
       {{0, 0, Rows(1, 3)}, {4, 0, Rows(1, 4)}, {4, 1, Rows(1, 5)}, {4, 2, Rows(1, 4)}},
       Rows(1, 3), Rows(1, 6), Rows(1, 6)},
      {{0x4D21, 0x6430}, {{0, 0, Rows(1, 1)}}, Rows(1, 3), Rows(1, 6), Rows(1, 6)},
      {{0x4D85, 0x6110, 0x6111, 0x6120, 0x6121}, {{0, 0, Rows(1, 4)}}, Rows(1, 3), Rows(1, 6), Rows(1, 6)},
      {{0x5210}, {{0, 0, Rows(1, 2)}}, Rows(1, 2), Rows(1, 2), Rows(1, 2)},
      {{0x2030, 0x3030, 0x3040, 0x3050, 0x3060, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126,
        0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x5410, 0x5412, 0x5414, 0x5416,
        0x5418, 0x5420, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550, 0x5560,
        0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720,
        0x5910, 0x5920, 0x6210, 0x6400},
       {{0, 0, kShowList}}, Rows(1, 3), Rows(1, 6), Rows(1, 6)},
      {{0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026},
       {{0, 0, kShowList}}, Rows(1, 3), uint8_t(Rows(1, 3) | Rows(6, 6)), Rows(1, 6)},
  };
  return rows;
}

bool Holds(const std::vector<int>& products, int productId) {
  return std::find(products.begin(), products.end(), productId) != products.end();
}

// The last entry whose threshold the archived version has reached.
template <class Band>
const Band& BandOf(const std::vector<Band>& bands, const CDeviceSettings& archived) {
  const Band* found = &bands.front();
  for (const Band& band : bands) {
    if (archived.CompareVersion(band.major, band.minor) >= 0) found = &band;
  }
  return *found;
}

}  // namespace

const ArchiveSummaryGroup* FindArchiveSummaryGroup(int productId) {
  for (const ArchiveSummaryGroup& group : Groups()) {
    if (Holds(group.products, productId)) return &group;
  }
  return nullptr;
}

const std::vector<SummaryPair>& BasicPairsFor(const ArchiveSummaryGroup& group, const CDeviceSettings& archived) {
  return BandOf(group.basic, archived).pairs;
}

uint8_t RestoreVisibleRows(int productId, const CDeviceSettings& archived, int kind) {
  for (const VisibilityRow& row : Visibility()) {
    if (!Holds(row.products, productId)) continue;
    switch (kind) {
      case SETTINGS_PAGE_BASIC: return BandOf(row.basic, archived).rows;
      case SETTINGS_PAGE_SPEED_DIAL: return row.speedDial;
      case SETTINGS_PAGE_FM_RADIO: return row.fmRadio;
      default: return row.noPage;
    }
  }
  return 0;
}

MinimumVersion RestoreMinimumVersion(int productId) {
  switch (productId) {
    case 0x4D35: return {1, 2};
    case 0x4D30:
    case 0x4D40:
    case 0x5060:
    case 0x5061:
    case 0x5070:
    case 0x5080: return {4, 2};
    default: return {};
  }
}

}  // namespace device
