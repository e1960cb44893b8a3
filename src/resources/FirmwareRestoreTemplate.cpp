#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& FirmwareRestoreTemplate() {
  static const fw::DialogTemplate t = [] {
    fw::DialogTemplate d = PageTemplateBase(IDD_FIRMWARE_RESTORE, {309, 123});
    d.controls = {
        {1034, fw::ControlKind::ComboBox, fw::Du(245, 9, 59, 30), fw::CS_HIDDEN | fw::CS_VSCROLL | fw::CS_TABSTOP,
         "", 0},
    };
    return d;
  }();
  return t;
}

}  // namespace res
