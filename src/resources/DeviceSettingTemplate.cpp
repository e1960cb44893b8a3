#include "resources/PageTemplates.h"

namespace res {

// Several rows share one spot here: the page's layout step gives the shown rows their places.
// Radio buttons leave their check to the page, which sets both buttons of a pair itself: every
// pair is a group of its own.
const fw::DialogTemplate& DeviceSettingTemplate() {
  static const fw::DialogTemplate t = [] {
    using fw::Du;
    using K = fw::ControlKind;
    constexpr uint32_t kLabel = fw::CS_RIGHT | fw::CS_NOPREFIX;
    constexpr uint32_t kNote = fw::CS_CENTER | fw::CS_NOPREFIX;
    constexpr uint32_t kHelp = fw::CS_OWNERDRAW | fw::CS_TABSTOP;
    constexpr uint32_t kRadio = fw::CS_TABSTOP;
    constexpr uint32_t kList = fw::CS_VSCROLL | fw::CS_TABSTOP;
    fw::DialogTemplate d = PageTemplateBase(IDD_DEVICE_SETTING, {315, 141});
    d.controls = {
        {1100, K::PushButton, Du(54, 60, 138, 10), fw::CS_TABSTOP, "MORE SETTINGS", 0},
        {1035, K::PushButton, Du(190, 1, 54, 10), fw::CS_TABSTOP, "DEFAULT", 0},
        {1036, K::PushButton, Du(250, 1, 54, 10), fw::CS_TABSTOP, "CANCEL", 0},
        {1037, K::Text, Du(5, 15, 163, 8), kLabel, "VOX Phone", 0},
        {1038, K::RadioButton, Du(190, 14, 53, 10), kRadio, "Enable", 0},
        {1039, K::RadioButton, Du(250, 14, 53, 10), kRadio, "Disable", 0},
        {1040, K::Text, Du(5, 25, 163, 8), kLabel, "VOX Intercom", 0},
        {1041, K::RadioButton, Du(190, 24, 53, 10), kRadio, "Enable", 0},
        {1042, K::RadioButton, Du(250, 24, 53, 10), kRadio, "Disable", 0},
        {1043, K::Text, Du(5, 35, 163, 8), kLabel, "EDR (Enhanced Data Rate)", 0},
        {1044, K::PushButton, Du(175, 35, 9, 8), kHelp, "", 0},
        {1045, K::RadioButton, Du(190, 34, 53, 10), kRadio, "Enable", 0},
        {1046, K::RadioButton, Du(250, 34, 53, 10), kRadio, "Disable", 0},
        {1047, K::Text, Du(0, 44, 303, 16), kNote, "", 0},
        {1048, K::Text, Du(5, 61, 163, 8), kLabel, "PLC (Packet Loss Concealment)", 0},
        {1049, K::PushButton, Du(175, 61, 9, 8), kHelp, "", 0},
        {1050, K::RadioButton, Du(190, 60, 53, 10), kRadio, "Enable", 0},
        {1051, K::RadioButton, Du(250, 60, 53, 10), kRadio, "Disable", 0},
        {1052, K::Text, Du(5, 70, 163, 8), kLabel, "High Quality A2DP", 0},
        {1053, K::PushButton, Du(175, 70, 9, 8), kHelp, "", 0},
        {1054, K::RadioButton, Du(190, 69, 53, 10), kRadio, "Enable", 0},
        {1055, K::RadioButton, Du(250, 69, 53, 10), kRadio, "Disable", 0},
        {1056, K::Text, Du(5, 79, 163, 8), kLabel, "Microphone Boosting", 0},
        {1057, K::PushButton, Du(175, 79, 9, 8), kHelp, "", 0},
        {1058, K::RadioButton, Du(190, 78, 53, 10), kRadio, "Enable", 0},
        {1059, K::RadioButton, Du(250, 78, 53, 10), kRadio, "Disable", 0},
        {1076, K::Text, Du(5, 86, 163, 8), kLabel, "Side Tone", 0},
        {1077, K::PushButton, Du(175, 86, 9, 8), kHelp, "", 0},
        {1078, K::RadioButton, Du(190, 85, 53, 10), kRadio, "Enable", 0},
        {1079, K::RadioButton, Du(250, 85, 53, 10), kRadio, "Disable", 0},
        {1082, K::Text, Du(4, 52, 163, 8), kLabel, "Mutravo", 0},
        {1093, K::PushButton, Du(175, 52, 9, 8), kHelp, "", 0},
        {1094, K::RadioButton, Du(190, 51, 53, 10), kRadio, "Enable", 0},
        {1095, K::RadioButton, Du(250, 51, 53, 10), kRadio, "Disable", 0},
        {1096, K::Text, Du(4, 61, 163, 8), kLabel, "Auto Gain Control", 0},
        {1097, K::PushButton, Du(175, 61, 9, 8), kHelp, "", 0},
        {1098, K::RadioButton, Du(190, 60, 53, 10), kRadio, "Enable", 0},
        {1099, K::RadioButton, Du(250, 60, 53, 10), kRadio, "Disable", 0},
        {1060, K::Text, Du(5, 19, 145, 8), kLabel, "Radio Transmit Gain", 0},
        {1061, K::PushButton, Du(155, 19, 9, 8), kHelp, "", 0},
        {1062, K::RadioButton, Du(170, 18, 38, 10), kRadio, "Low", 0},
        {1063, K::RadioButton, Du(212, 18, 43, 10), kRadio, "Medium", 0},
        {1064, K::RadioButton, Du(262, 18, 38, 10), kRadio, "High", 0},
        {1065, K::Text, Du(5, 31, 145, 18), kLabel, "Audio Channel Timeout", 0},
        {1066, K::PushButton, Du(155, 31, 9, 8), kHelp, "", 0},
        {1067, K::Edit, Du(175, 29, 49, 12),
         fw::CS_READONLY | fw::CS_CENTER | fw::CS_NUMBER | fw::CS_BORDER | fw::CS_TABSTOP, "", 0},
        {1068, K::UpDown, Du(224, 29, 10, 12), fw::CS_VERTICAL, "", 0},
        {1070, K::Text, Du(230, 30, 71, 8), fw::CS_LEFT | fw::CS_NOPREFIX, "seconds (3 ~ 60)", 0},
        {1069, K::Text, Du(0, 88, 303, 8), kNote, "NOTE : Changes will be applied after device restarts.", 0},
        {1075, K::PushButton, Du(290, 90, 12, 8), fw::CS_TABSTOP, "...", 0},
        {1071, K::Text, Du(5, 85, 163, 8), kLabel, "Audio Boost", 0},
        {1072, K::PushButton, Du(175, 84, 9, 8), kHelp, "", 0},
        {1073, K::RadioButton, Du(190, 83, 53, 10), kRadio, "Enable", 0},
        {1074, K::RadioButton, Du(250, 83, 53, 10), kRadio, "Disable", 0},
        {1080, K::Text, Du(5, 70, 163, 9), kLabel, "Motion Sensor Sensitivity", 0},
        {1081, K::PushButton, Du(175, 70, 9, 8), kHelp, "", 0},
        {1182, K::ComboBox, Du(190, 68, 77, 12), kList, "", 0},
        {1083, K::Text, Du(5, 78, 163, 8), kLabel, "Audio Tavlisk", 0},
        {1084, K::PushButton, Du(175, 79, 9, 8), kHelp, "", 0},
        {1085, K::RadioButton, Du(190, 79, 53, 10), kRadio, "Enable", 0},
        {1086, K::RadioButton, Du(250, 79, 53, 10), kRadio, "Disable", 0},
        {1087, K::Text, Du(0, 79, 163, 9), kLabel, "Intercom-audio Sumbra Sensitivity", 0},
        {1088, K::PushButton, Du(175, 79, 9, 8), kHelp, "", 0},
        {1183, K::ComboBox, Du(190, 79, 77, 12), kList, "", 0},
        {1089, K::Text, Du(5, 88, 163, 9), kLabel, "Navigation App Support", 0},
        {1090, K::PushButton, Du(175, 89, 9, 8), kHelp, "", 0},
        {1091, K::RadioButton, Du(190, 88, 53, 10), kRadio, "Enable", 0},
        {1092, K::RadioButton, Du(250, 88, 53, 10), kRadio, "Disable", 0},
        // Shown by the page for the products whose settings are grid rows.
        {IDC_GRID_SETTINGS, K::ListView, Du(4, 16, 308, 122),
         fw::CS_HIDDEN | fw::CS_OWNERDRAW | fw::CS_NOCOLUMNHEADER | fw::CS_SINGLESEL | fw::CS_TABSTOP, "", 0},
    };
    return d;
  }();
  return t;
}

}  // namespace res
