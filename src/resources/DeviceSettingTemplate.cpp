#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& DeviceSettingTemplate() {
  static const fw::DialogTemplate t = PageTemplateBase(IDD_DEVICE_SETTING, {315, 141});
  return t;
}

}  // namespace res
