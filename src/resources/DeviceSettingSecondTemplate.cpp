#include <string>

#include "pages/settings/FmPresetIds.h"
#include "resources/PageTemplates.h"

namespace res {

// Region and the page's buttons on top, the ten presets in two columns of five, RDS AF below in
// the switch panel's columns. Each preset's hidden edit lies under its visible one.
const fw::DialogTemplate& DeviceSettingSecondTemplate() {
  static const fw::DialogTemplate t = [] {
    using fw::Du;
    using K = fw::ControlKind;
    constexpr uint32_t kRadio = fw::CS_TABSTOP;
    fw::DialogTemplate d = PageTemplateBase(IDD_DEVICE_SETTING_SECOND, {317, 155});
    d.controls = {
        {pages::IDC_FM_DEFAULT, K::PushButton, Du(190, 1, 54, 10), fw::CS_TABSTOP, "DEFAULT", 0},
        {pages::IDC_FM_CANCEL, K::PushButton, Du(250, 1, 54, 10), fw::CS_TABSTOP, "CANCEL", 0},
        {pages::IDC_FM_REGION_LABEL, K::Text, Du(5, 3, 48, 8), fw::CS_RIGHT | fw::CS_NOPREFIX, "Region", 0},
        {pages::IDC_FM_REGION, K::ComboBox, Du(58, 1, 100, 12), fw::CS_VSCROLL | fw::CS_TABSTOP, "", 0},
        {pages::IDC_FM_TITLE, K::Text, Du(5, 19, 299, 9), fw::CS_CENTER | fw::CS_NOPREFIX, "FM Radio Presets", 0},
    };
    constexpr int kColumnLeft[] = {40, 182};
    constexpr int kFirstRowTop = 33;
    constexpr int kRowPitch = 15;
    for (int n = 0; n < pages::kFmPresetCount; ++n) {
      const auto i = static_cast<std::size_t>(n);
      const int x = kColumnLeft[n / 5];
      const int y = kFirstRowTop + (n % 5) * kRowPitch;
      d.controls.push_back({pages::kFmPresetCheckIds[i], K::CheckBox, Du(x, y, 24, 10), fw::CS_AUTO | fw::CS_TABSTOP,
                            std::to_string(n + 1), 0});
      d.controls.push_back({pages::kFmPresetEditIds[i], K::Edit, Du(x + 26, y - 1, 48, 12),
                            fw::CS_CENTER | fw::CS_BORDER | fw::CS_AUTOHSCROLL | fw::CS_TABSTOP, "", 0});
      d.controls.push_back({pages::kFmPresetPositionIds[i], K::Edit, Du(x + 26, y - 1, 48, 12),
                            fw::CS_HIDDEN | fw::CS_NUMBER, "", 0});
      d.controls.push_back({pages::kFmPresetSpinIds[i], K::UpDown, Du(x + 74, y - 1, 10, 12), fw::CS_VERTICAL, "", 0});
      d.controls.push_back({pages::kFmPresetUnitIds[i], K::Text, Du(x + 87, y + 1, 24, 8),
                            fw::CS_LEFT | fw::CS_NOPREFIX, "MHz", 0});
    }
    d.controls.push_back({pages::IDC_FM_RDS_LABEL, K::Text, Du(5, 113, 163, 8), fw::CS_RIGHT | fw::CS_NOPREFIX,
                          "RDS AF (Alternative Frequencies)", 0});
    d.controls.push_back({pages::IDC_FM_RDS_HELP, K::PushButton, Du(175, 113, 9, 8),
                          fw::CS_OWNERDRAW | fw::CS_TABSTOP, "", 0});
    d.controls.push_back({pages::IDC_FM_RDS_ENABLE, K::RadioButton, Du(190, 112, 53, 10), kRadio, "Enable", 0});
    d.controls.push_back({pages::IDC_FM_RDS_DISABLE, K::RadioButton, Du(250, 112, 53, 10), kRadio, "Disable", 0});
    return d;
  }();
  return t;
}

}  // namespace res
