#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& DeviceSettingSecondTemplate() {
  static const fw::DialogTemplate t = PageTemplateBase(IDD_DEVICE_SETTING_SECOND, {317, 155});
  return t;
}

}  // namespace res
