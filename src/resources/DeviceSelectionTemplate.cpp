#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& DeviceSelectionTemplate() {
  static const fw::DialogTemplate t = [] {
    using fw::Du;
    using K = fw::ControlKind;
    constexpr uint32_t kOwner = fw::CS_OWNERDRAW;
    fw::DialogTemplate d = PageTemplateBase(IDD_DEVICE_SELECTION, {315, 141});
    // The product buttons lie behind the page picture and are kept hidden.
    d.controls = {
        {1015, K::PushButton, Du(0, 2, 40, 31), kOwner, "TQG27", 0},
        {1023, K::PushButton, Du(41, 2, 40, 31), kOwner, "TQG27N", 0},
        {1016, K::PushButton, Du(82, 2, 40, 31), kOwner, "TQG6", 0},
        {1022, K::PushButton, Du(123, 2, 40, 31), kOwner, "TQG6-FM", 0},
        {1025, K::PushButton, Du(164, 2, 40, 31), kOwner, "TQG4", 0},
        {1027, K::PushButton, Du(204, 2, 40, 31), kOwner, "TQG2", 0},
        {1029, K::PushButton, Du(204, 36, 38, 30), kOwner, "V-TAK", 0},
        {1170, K::PushButton, Du(20, 35, 40, 31), kOwner, "NUVREK", 0},
        {1017, K::PushButton, Du(61, 35, 40, 31), kOwner, "VRK38", 0},
        {1018, K::PushButton, Du(102, 35, 40, 31), kOwner, "VRK38T", 0},
        {1020, K::PushButton, Du(143, 35, 40, 31), kOwner, "VRK38W", 0},
        {1024, K::PushButton, Du(184, 35, 40, 31), kOwner, "VRK38W-FM", 0},
        {1026, K::PushButton, Du(0, 43, 18, 19), kOwner, "PIRVA", 0},
        {1028, K::PushButton, Du(0, 69, 42, 30), kOwner, "RV-TAK", 0},
        {1030, K::PushButton, Du(61, 68, 40, 31), kOwner, "Klovik?Pack", 0},
        {1019, K::PushButton, Du(102, 68, 40, 31), kOwner, "WD49", 0},
        {1021, K::PushButton, Du(143, 68, 40, 31), kOwner, "KV56", 0},
        {1031, K::PushButton, Du(204, 68, 40, 31), kOwner, "GZ23", 0},
        {1032, K::PushButton, Du(0, 0, 312, 138), kOwner, "", 0},
    };
    return d;
  }();
  return t;
}

}  // namespace res
