#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& DeviceSelectionTemplate() {
  static const fw::DialogTemplate t = PageTemplateBase(IDD_DEVICE_SELECTION, {315, 141});
  return t;
}

}  // namespace res
