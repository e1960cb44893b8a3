#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& DeviceSettingTemplate() {
  static const fw::DialogTemplate t = [] {
    fw::DialogTemplate d = PageTemplateBase(IDD_DEVICE_SETTING, {315, 141});
    d.controls = {
        // Shown by the page for the products whose settings are grid rows.
        {IDC_GRID_SETTINGS, fw::ControlKind::ListView, fw::Du(4, 16, 308, 122),
         fw::CS_HIDDEN | fw::CS_OWNERDRAW | fw::CS_NOCOLUMNHEADER | fw::CS_SINGLESEL | fw::CS_TABSTOP, "", 0},
    };
    return d;
  }();
  return t;
}

}  // namespace res
