#include "device/SwitchPanelLayouts.h"

#include <iterator>

#include "device/Version.h"

namespace device {

namespace {

using R = PanelRow;

// Only these models of their group have the microphone boosting row.
constexpr ProductIds kMicrophoneBoostingModels = {0x4D10, 0x4D30, 0x4D40};

struct LayoutGroup {
  ProductIds products;
  std::span<const PanelBand> bands;  // by rising threshold
};

// clang-format off
constexpr PanelBand kHeadsetFamilyBands[] = {
    {0, 0, 6.5f, 5, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::EdrNote, 4}, {R::Note, 7}}},
    {4, 0, 7.5f, 5, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::EdrNote, 4}, {R::Plc, 5.5f},
                     {R::Note, 7}}},
    {4, 1, 9.5f, 2, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::EdrNote, 4}, {R::Plc, 5.5f},
                     {R::HighQualityA2dp, 6.5f}, {R::MicrophoneBoosting, 7.5f, &kMicrophoneBoostingModels},
                     {R::Note, 8.5f}}},
    {4, 2, 8.0f, 5, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::HighQualityA2dp, 4},
                     {R::MicrophoneBoosting, 5, &kMicrophoneBoostingModels}, {R::Note, 7}}},
    {5, 0, 8.0f, 5, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::HighQualityA2dp, 4},
                     {R::SideTone, 5}, {R::MicrophoneBoosting, 6, &kMicrophoneBoostingModels}, {R::Note, 7}}},
};
constexpr PanelBand kEditionBands[] = {{0, 0, 7.0f, 5, {{R::SideTone, 1}, {R::Note, 6}}}};
constexpr PanelBand kSideToneFiveRowBands[] = {
    {0, 0, 7.0f, 5, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::HighQualityA2dp, 4},
                     {R::SideTone, 5}, {R::Note, 7}}},
};
constexpr PanelBand kTwoWayBands[] = {
    {0, 0, 6.5f, 5, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::EdrNote, 4}, {R::Note, 7}}},
    {4, 0, 7.5f, 5, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::EdrNote, 4}, {R::Plc, 5.5f},
                     {R::Note, 7}}},
    {4, 1, 8.5f, 2, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::EdrNote, 4}, {R::Plc, 5.5f},
                     {R::HighQualityA2dp, 6.5f}, {R::Note, 7.5f}}},
    {4, 2, 7.0f, 5, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::HighQualityA2dp, 4},
                     {R::Note, 7}}},
};
constexpr PanelBand kSideToneOnlyBands[] = {{0, 0, 7.0f, 5, {{R::SideTone, 1}, {R::Note, 7}}}};
constexpr PanelBand kTwoWayRadioBands[] = {
    {0, 0, 7.0f, 5, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::HighQualityA2dp, 4},
                     {R::SideTone, 5}, {R::Note, 7}}},
    {1, 1, 7.0f, 5, {{R::VoxPhone, 1}, {R::VoxIntercom, 2}, {R::Edr, 3}, {R::HighQualityA2dp, 4},
                     {R::SideTone, 5}, {R::NoiseControl, 6}, {R::Note, 7}}},
};
constexpr PanelBand kHelmetBands[] = {
    {0, 0, 7.0f, 5, {{R::Edr, 1}, {R::HighQualityA2dp, 2}, {R::SideTone, 3}, {R::NoiseControl, 4}, {R::Note, 5}}},
};
constexpr PanelBand kEdrA2dpBands[] = {{0, 0, 7.0f, 5, {{R::Edr, 1}, {R::HighQualityA2dp, 2}, {R::Note, 7}}}};
constexpr PanelBand kAutoGainBands[] = {
    {0, 0, 7.0f, 5, {{R::Edr, 1}, {R::HighQualityA2dp, 2}, {R::SideTone, 3}, {R::NoiseControl, 4},
                     {R::AutoGainControl, 5}, {R::Note, 7}}},
};
// These two have no slot for the note but show it where it stands.
constexpr PanelBand kVoxEdrBands[] = {{0, 0, 6.0f, 2, {{R::VoxPhone, 1}, {R::Edr, 2}, {R::Note, kNotPlaced}}}};
constexpr PanelBand kVoxOnlyNoNoteSlotBands[] = {{0, 0, 6.0f, 2, {{R::VoxPhone, 1}, {R::Note, kNotPlaced}}}};
constexpr PanelBand kSmallHeadsetBands[] = {
    {0, 0, 6.5f, 5, {{R::VoxPhone, 1}, {R::Edr, 2}, {R::EdrNote, 3}, {R::Plc, 4.5f}, {R::Note, 7}}},
    {1, 2, 6.0f, 2, {{R::VoxPhone, 1}, {R::Edr, 2}, {R::HighQualityA2dp, 3}, {R::Note, 7}}},
    {2, 0, 6.0f, 2, {{R::VoxPhone, 1}, {R::Edr, 2}, {R::HighQualityA2dp, 3}, {R::SideTone, 4}, {R::Note, 7}}},
};
constexpr PanelBand kSmallHeadsetSideToneBands[] = {
    {0, 0, 6.0f, 2, {{R::VoxPhone, 1}, {R::Edr, 2}, {R::HighQualityA2dp, 3}, {R::SideTone, 4}, {R::Note, 7}}},
};
constexpr PanelBand kVoxEdrA2dpBands[] = {
    {0, 0, 6.0f, 2, {{R::VoxPhone, 1}, {R::Edr, 2}, {R::HighQualityA2dp, 3}, {R::Note, 7}}},
};
constexpr PanelBand kVoxOnlyBands[] = {{0, 0, 6.0f, 2, {{R::VoxPhone, 1}, {R::Note, 7}}}};
// The gain and time-out rows keep their places and are shown with the note.
constexpr PanelBand kRadioGatewayBands[] = {
    {0, 0, 4.0f, 5, {{R::Note, 7}, {R::RadioTransmitGain, kNotPlaced}, {R::AudioChannelTimeout, kNotPlaced}}},
};
constexpr PanelBand kButtonsOnlyBands[] = {{0, 0, 8.0f, 5, {}}};

constexpr LayoutGroup kGroups[] = {
    {{0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050},
     kHeadsetFamilyBands},
    {{0x4D21}, kEditionBands},
    {{0x4D75, 0x5011}, kSideToneFiveRowBands},
    {{0x5020, 0x5070}, kTwoWayBands},
    {{0x4040}, kSideToneOnlyBands},
    {{0x2020}, kTwoWayRadioBands},
    {{0x6110, 0x6111, 0x6120, 0x6121}, kHelmetBands},
    {{0x4110, 0x4111}, kEdrA2dpBands},
    {{0x4120}, kAutoGainBands},
    {{0x6420}, kVoxEdrBands},
    {{0x6430}, kVoxOnlyNoNoteSlotBands},
    {{0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65}, kSmallHeadsetBands},
    {{0x4D85}, kSmallHeadsetSideToneBands},
    {{0x4020, 0x2310, 0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010}, kVoxEdrA2dpBands},
    {{0x4021}, kVoxOnlyBands},
    {{0x5210}, kRadioGatewayBands},
    // Grid products with a place for DEFAULT and CANCEL; the other grid products have none.
    {{0x4210, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5520, 0x5526, 0x5720, 0x5530, 0x5532, 0x5550,
      0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x5710, 0x5622, 0x5623, 0x5624, 0x5522,
      0x5524, 0x5536, 0x3030, 0x3040, 0x3050, 0x3060, 0x6210, 0x6400, 0x5910, 0x5920, 0x5510, 0x5570,
      0x5580, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026},
     kButtonsOnlyBands},
};
// clang-format on

}  // namespace

bool PanelBand::Shows(PanelRow row, int productId) const {
  for (const PanelRowPlace& place : Rows()) {
    if (place.row == row && (!place.onlyFor || place.onlyFor->Contains(productId))) return true;
  }
  return false;
}

const PanelBand* FindSwitchPanelLayout(int productId, int major, int minor) {
  const LayoutGroup* group = FindRowFor(kGroups, productId);
  if (!group || group->bands.empty()) return nullptr;
  const PanelBand* chosen = &group->bands.front();
  for (const PanelBand& band : group->bands) {
    if (CompareMajorMinor(major, minor, band.fromMajor, band.fromMinor) >= 0) chosen = &band;
  }
  return chosen;
}

}  // namespace device
