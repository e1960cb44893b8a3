#pragma once
// Control ids of the FM radio presets page (page 6). Each preset has five controls: its check
// box, the edit that shows megahertz, a hidden edit holding the up-down's integer position, the
// up-down and the "MHz" label.
#include <array>

namespace pages {

inline constexpr int kFmPresetCount = 10;
using FmPresetIds = std::array<int, kFmPresetCount>;

enum : int {
  IDC_FM_RDS_HELP = 1084,
  IDC_FM_RDS_LABEL = 1085,
  IDC_FM_RDS_DISABLE = 1087,
  IDC_FM_RDS_ENABLE = 1088,
  IDC_FM_DEFAULT = 1082,
  IDC_FM_CANCEL = 1083,
  IDC_FM_TITLE = 1112,
  IDC_FM_REGION_LABEL = 1139,
  IDC_FM_REGION = 1142,
};

inline constexpr FmPresetIds kFmPresetCheckIds = {1091, 1095, 1099, 1103, 1107, 1111, 1116, 1120, 1124, 1128};
inline constexpr FmPresetIds kFmPresetEditIds = {1129, 1130, 1131, 1132, 1133, 1134, 1135, 1136, 1137, 1138};
inline constexpr FmPresetIds kFmPresetPositionIds = {1086, 1092, 1096, 1100, 1104, 1108, 1113, 1117, 1121, 1125};
inline constexpr FmPresetIds kFmPresetSpinIds = {1090, 1093, 1097, 1101, 1105, 1109, 1114, 1118, 1122, 1126};
inline constexpr FmPresetIds kFmPresetUnitIds = {1089, 1094, 1098, 1102, 1106, 1110, 1115, 1119, 1123, 1127};

// The five kinds in the order of the page's control table: entry 10 k + n is kind k of preset n.
inline constexpr std::array<const FmPresetIds*, 5> kFmPresetControlKinds = {
    &kFmPresetCheckIds, &kFmPresetEditIds, &kFmPresetPositionIds, &kFmPresetSpinIds, &kFmPresetUnitIds};

}  // namespace pages
