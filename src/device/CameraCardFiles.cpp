#include "device/CameraCardFiles.h"

namespace device {

namespace {

constexpr CameraCardFiles kCameraCardFiles[] = {
    {0x5510, "K4V.VER", "__k4v_firmware__.bin", "FWCARCAM.bin", false},
    {0x5580, "k4vpro.bin", "__k4v_pro_firmware__.bin", "SD_K4VPRO.bin", true},
    {0x5570, "MISC/version.conf", "__k4v_ulka_firmware__.bin", "AmbaSysFW_K4VULKA.bin", false},
    {0x3060, "MISC/version.conf", "__tj6_pro_firmware__.bin", "AmbaSysFW_TJ6Pro.bin", false},
};

}  // namespace

const CameraCardFiles* FindCameraCardFiles(int productId) {
  for (const CameraCardFiles& row : kCameraCardFiles) {
    if (row.productId == productId) return &row;
  }
  return nullptr;
}

}  // namespace device
