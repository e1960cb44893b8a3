#include "resources/PageTemplates.h"

namespace res {

// DEFAULT and CANCEL where page 5 has them; the three numbers below, each a label beside its edit.
const fw::DialogTemplate& DeviceSettingSpeedDialTemplate() {
  static const fw::DialogTemplate t = [] {
    using fw::Du;
    using K = fw::ControlKind;
    constexpr uint32_t kLabel = fw::CS_RIGHT | fw::CS_NOPREFIX;
    constexpr uint32_t kNumber = fw::CS_BORDER | fw::CS_AUTOHSCROLL | fw::CS_TABSTOP;
    fw::DialogTemplate d = PageTemplateBase(IDD_DEVICE_SETTING_SPEED_DIAL, {317, 155});
    d.controls = {
        {1172, K::PushButton, Du(190, 1, 54, 10), fw::CS_TABSTOP, "DEFAULT", 0},
        {1173, K::PushButton, Du(250, 1, 54, 10), fw::CS_TABSTOP, "CANCEL", 0},
        {1174, K::Text, Du(5, 32, 130, 8), kLabel, "Speed Dial 1", 0},
        {1175, K::Edit, Du(145, 30, 120, 12), kNumber, "", 0},
        {1176, K::Text, Du(5, 54, 130, 8), kLabel, "Speed Dial 2", 0},
        {1177, K::Edit, Du(145, 52, 120, 12), kNumber, "", 0},
        {1178, K::Text, Du(5, 76, 130, 8), kLabel, "Speed Dial 3", 0},
        {1179, K::Edit, Du(145, 74, 120, 12), kNumber, "", 0},
    };
    return d;
  }();
  return t;
}

}  // namespace res
