#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& FirmwareUpdateTemplate() {
  static const fw::DialogTemplate t = [] {
    fw::DialogTemplate d = PageTemplateBase(IDD_FIRMWARE_UPDATE, {303, 123});
    d.controls = {
        {1028, fw::ControlKind::Edit, fw::Du(6, 20, 222, 12),
         fw::CS_BORDER | fw::CS_READONLY | fw::CS_AUTOHSCROLL, "", 0},
        {1032, fw::ControlKind::ComboBox, fw::Du(235, 33, 67, 30), fw::CS_HIDDEN | fw::CS_VSCROLL | fw::CS_TABSTOP,
         "", 0},
        {1207, fw::ControlKind::Text, fw::Du(17, 63, 270, 60), fw::CS_LEFT, "", 0},
    };
    return d;
  }();
  return t;
}

}  // namespace res
