#pragma once
// Control ids of the device settings page (page 5): the page's own buttons, the switch panel and
// the settings grid.
namespace pages {

enum : int {
  IDC_SETTINGS_DEFAULT = 1035,
  IDC_SETTINGS_CANCEL = 1036,
  IDC_VOX_PHONE_LABEL = 1037,
  IDC_VOX_PHONE_ENABLE = 1038,
  IDC_VOX_PHONE_DISABLE = 1039,
  IDC_VOX_INTERCOM_LABEL = 1040,
  IDC_VOX_INTERCOM_ENABLE = 1041,
  IDC_VOX_INTERCOM_DISABLE = 1042,
  IDC_EDR_LABEL = 1043,
  IDC_EDR_HELP = 1044,
  IDC_EDR_ENABLE = 1045,
  IDC_EDR_DISABLE = 1046,
  IDC_EDR_NOTE = 1047,
  IDC_PLC_LABEL = 1048,
  IDC_PLC_HELP = 1049,
  IDC_PLC_ENABLE = 1050,
  IDC_PLC_DISABLE = 1051,
  IDC_A2DP_LABEL = 1052,
  IDC_A2DP_HELP = 1053,
  IDC_A2DP_ENABLE = 1054,
  IDC_A2DP_DISABLE = 1055,
  IDC_MIC_BOOST_LABEL = 1056,
  IDC_MIC_BOOST_HELP = 1057,
  IDC_MIC_BOOST_ENABLE = 1058,
  IDC_MIC_BOOST_DISABLE = 1059,
  IDC_GAIN_LABEL = 1060,
  IDC_GAIN_HELP = 1061,
  IDC_GAIN_LOW = 1062,
  IDC_GAIN_MEDIUM = 1063,
  IDC_GAIN_HIGH = 1064,
  IDC_TIMEOUT_LABEL = 1065,
  IDC_TIMEOUT_HELP = 1066,
  IDC_TIMEOUT_EDIT = 1067,
  IDC_TIMEOUT_SPIN = 1068,
  IDC_RESTART_NOTE = 1069,
  IDC_TIMEOUT_UNIT = 1070,
  IDC_AUDIO_BOOST_LABEL = 1071,
  IDC_AUDIO_BOOST_HELP = 1072,
  IDC_AUDIO_BOOST_ENABLE = 1073,
  IDC_AUDIO_BOOST_DISABLE = 1074,
  IDC_NOTE_DETAILS = 1075,
  IDC_SIDETONE_LABEL = 1076,
  IDC_SIDETONE_HELP = 1077,
  IDC_SIDETONE_ENABLE = 1078,
  IDC_SIDETONE_DISABLE = 1079,
  IDC_MOTION_LABEL = 1080,
  IDC_MOTION_HELP = 1081,
  IDC_NOISE_LABEL = 1082,
  IDC_CONCURRENT_LABEL = 1083,
  IDC_CONCURRENT_HELP = 1084,
  IDC_CONCURRENT_ENABLE = 1085,
  IDC_CONCURRENT_DISABLE = 1086,
  IDC_BLEND_LABEL = 1087,
  IDC_BLEND_HELP = 1088,
  IDC_NAV_APP_LABEL = 1089,
  IDC_NAV_APP_HELP = 1090,
  IDC_NAV_APP_ENABLE = 1091,
  IDC_NAV_APP_DISABLE = 1092,
  IDC_NOISE_HELP = 1093,
  IDC_NOISE_ENABLE = 1094,
  IDC_NOISE_DISABLE = 1095,
  IDC_AGC_LABEL = 1096,
  IDC_AGC_HELP = 1097,
  IDC_AGC_ENABLE = 1098,
  IDC_AGC_DISABLE = 1099,
  IDC_MORE_SETTINGS = 1100,
  IDC_MOTION_LIST = 1182,
  IDC_BLEND_LIST = 1183,
  IDC_SETTINGS_GRID = 1201,
};

// The picture of every "?" button.
inline constexpr int kHelpButtonBitmap = 188;

// The audio channel time-out's range in seconds, and the levels of the blend sensitivity list.
inline constexpr int kAudioChannelTimeoutMin = 3;
inline constexpr int kAudioChannelTimeoutMax = 60;
inline constexpr int kAudioBlendLevels = 10;

// Interface languages with layout rules of their own on this page.
inline constexpr int kLanguageFrench = 1;
inline constexpr int kLanguageJapanese = 4;
inline constexpr int kLanguageDutch = 7;
inline constexpr int kLanguageRussian = 8;

}  // namespace pages
