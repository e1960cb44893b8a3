#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& DeviceRecognitionTemplate() {
  static const fw::DialogTemplate t = [] {
    using fw::Du;
    using K = fw::ControlKind;
    fw::DialogTemplate d = PageTemplateBase(IDD_DEVICE_RECOGNITION, {315, 141});
    // Only the steps (1024) are ever shown; the page keeps the others hidden.
    d.controls = {
        {1024, K::Text, Du(5, 3, 300, 135), fw::CS_NOPREFIX, "Static", 0},
        {1184, K::Text, Du(5, 35, 300, 79), fw::CS_NOPREFIX, "", 0},
        {1203, K::PushButton, Du(21, 52, 117, 54), 0, "Zelto Products", 0},
        {1204, K::PushButton, Du(167, 52, 117, 54), 0, "OEM Products by Zelto", 0},
        {1183, K::Edit, Du(5, 3, 308, 135), fw::CS_VSCROLL | fw::CS_MULTILINE | fw::CS_READONLY, "", 0},
    };
    return d;
  }();
  return t;
}

}  // namespace res
