#pragma once
// Which picture the device panel shows for a product: resource ids of 58 x 39 model pictures, the
// maker's logo for a product without a picture of its own, and the picture of "no model".

namespace device {

inline constexpr int kPictureNoModel = 176;  // 34 x 34: no device, or a device in DFU mode
inline constexpr int kPictureLogo = 186;     // 64 x 64: a product without its own picture

// The product whose look depends on its hardware variant, which only the device can tell.
inline constexpr int kVariantPictureProduct = 0x4210;

// The model picture of `productId`; `hardwareVariant` matters only for kVariantPictureProduct
// (0 when the device could not be asked).
int DevicePictureFor(int productId, int hardwareVariant);

}  // namespace device
