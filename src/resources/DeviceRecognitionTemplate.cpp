#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& DeviceRecognitionTemplate() {
  static const fw::DialogTemplate t = PageTemplateBase(IDD_DEVICE_RECOGNITION, {315, 141});
  return t;
}

}  // namespace res
