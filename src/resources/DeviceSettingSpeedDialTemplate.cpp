#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& DeviceSettingSpeedDialTemplate() {
  static const fw::DialogTemplate t = PageTemplateBase(IDD_DEVICE_SETTING_SPEED_DIAL, {317, 155});
  return t;
}

}  // namespace res
