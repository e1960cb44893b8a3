// Dialog 190: the language dialog. Its rows follow the order of the device's voice-prompt
// languages, not the interface language numbers.
#include "resources/DialogTemplates.h"

namespace res {

using fw::ControlKind;
using fw::Du;

namespace {

struct LanguageRow {
  int y;
  int radio;
  int flag;
  int flagBitmap;
  int label;
  const char* text;
};

constexpr LanguageRow kRows[] = {
    {18, 1144, 1151, 203, 1152, "English"}, {28, 1145, 1153, 204, 1154, "French"},
    {38, 1150, 1163, 209, 1164, "Spanish"}, {48, 1147, 1157, 206, 1158, "Italian"},
    {58, 1146, 1155, 205, 1156, "German"},  {69, 1148, 1159, 291, 1160, "Dutch"},
    {79, 1149, 1161, 292, 1162, "Russian"}, {90, 1166, 1167, 293, 1168, "Chinese"},
    {100, 1169, 1170, 208, 1171, "Korean"}, {110, 1172, 1173, 207, 1174, "Japanese"},
    {120, 1175, 1176, 352, 1177, "Finnish"},
};

std::vector<fw::ControlTemplate> Controls() {
  using K = ControlKind;
  constexpr uint32_t kRowStyle = fw::CS_NOTIFY | fw::CS_TABSTOP;
  std::vector<fw::ControlTemplate> controls = {
      {1143, K::GroupBox, Du(7, 7, 127, 125), 0, "Manager Language", 0},
      {1165, K::CheckBox, Du(7, 0, 93, 10), fw::CS_AUTO | fw::CS_TABSTOP | fw::CS_HIDDEN | fw::CS_DISABLED,
       "Apply To Firmware Language", 0},
      {1, K::PushButton, Du(72, 140, 58, 12), fw::CS_DEFAULT | fw::CS_TABSTOP, "OK", 0},
      {2, K::PushButton, Du(9, 140, 58, 12), fw::CS_TABSTOP, "Cancel", 0},
  };
  for (const LanguageRow& row : kRows) {
    const int labelX = row.label == 1164 ? 43 : 44;  // Spanish sits one unit further left
    controls.push_back({row.radio, K::RadioButton, Du(15, row.y, 11, 10), fw::CS_AUTO | fw::CS_TABSTOP, "", 0});
    // 16 x 11 pixels: the flag picture's own size.
    controls.push_back({row.flag, K::Picture, Du(29, row.y + 1, 10, 6), fw::CS_NOTIFY, "", row.flagBitmap});
    controls.push_back({row.label, K::Text, Du(labelX, row.y + 1, 75, 8), kRowStyle, row.text, 0});
  }
  return controls;
}

}  // namespace

const fw::DialogTemplate& LanguageManagerTemplate() {
  static const fw::DialogTemplate tmpl{
      IDD_LANGUAGE_MANAGER, {143, 156}, "Arial", 10, fw::DS_POPUP | fw::DS_SYSMENU | fw::DS_MODALFRAME, "",
      Controls()};
  return tmpl;
}

}  // namespace res
