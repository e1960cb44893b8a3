#include "device/DevicePictures.h"

namespace device {

namespace {

struct ProductPicture {
  int productId;
  int picture;
};

// One line per picture, as product id and picture.
constexpr ProductPicture kPictures[] = {
    {0x4D05, 177}, {0x4D35, 177}, {0x4D55, 177},
    {0x4D10, 178}, {0x4D30, 178}, {0x4D40, 178},
    {0x5010, 179}, {0x5011, 179}, {0x5060, 179}, {0x5061, 179},
    {0x5020, 180}, {0x5070, 180},
    {0x5210, 181},
    {0x5030, 192}, {0x5080, 192},
    {0x5310, 193},
    {0x4D15, 195}, {0x4D45, 195}, {0x4D65, 195},
    {0x5040, 199}, {0x5050, 199},
    {0x4020, 211},
    {0x4010, 215},
    {0x4110, 216}, {0x4111, 216},
    {0x4030, 219},
    {0x2010, 222}, {0x2110, 222},
    {0x2020, 223},
    {0x3010, 224},
    {0x4120, 230},
    {0x3020, 286},
    {0x4021, 288},
    {0x4040, 289},
    {0x5610, 294}, {0x5611, 294}, {0x5612, 294}, {0x5620, 294}, {0x5621, 294},
    {0x5510, 295},
    {0x5520, 296},
    {0x4D85, 297},
    {0x5530, 304}, {0x5532, 304},
    {0x2011, 312},
    {0x3118, 313}, {0x5710, 313}, {0x5720, 313},
    {0x5910, 314}, {0x5920, 314},
    {0x6110, 318}, {0x6111, 318},
    {0x5320, 319},
    {0x5330, 320},
    {0x6120, 322},
    {0x6014, 329},
    {0x6010, 331},
    {0x6016, 332},
    {0x6012, 333},
    {0x6210, 342},
    {0x2210, 345},
    {0x5522, 346}, {0x5524, 346}, {0x5536, 346},
    {0x5623, 350},
    {0x5622, 353}, {0x5624, 353},
    {0x3030, 354}, {0x3040, 354},
    {0x5345, 355},
    {0x4D75, 356},
    {0x6018, 357},
    {0x3114, 360}, {0x3116, 360}, {0x4310, 360}, {0x4350, 360}, {0x4410, 360}, {0x5526, 360},
    {0x4330, 361}, {0x4430, 361},
    {0x2310, 364},
    {0x6121, 365},
    {0x3110, 366}, {0x3112, 366}, {0x3126, 366},
    {0x4510, 367}, {0x4530, 367},
    {0x5410, 368},
    {0x5412, 369},
    {0x5414, 370}, {0x5418, 370},
    {0x5416, 371},
    {0x6020, 375},
    {0x6022, 376},
    {0x6024, 377},
    {0x5550, 378}, {0x5560, 378},
    {0x3050, 379}, {0x3124, 379},
    {0x5580, 380},
    {0x6026, 381},
    {0x3060, 382},
    {0x5570, 383},
    {0x6420, 384}, {0x6430, 384},
    {0x6400, 385},
    {0x2030, 386},
    {0x3500, 387},
    {0x4D20, 388}, {0x4D21, 388}, {0x4D50, 388},
    {0x5420, 390},
};

constexpr int kVariantPictureA = 284;  // hardware variants 0 and 11
constexpr int kVariantPictureB = 358;  // hardware variants 16 and 27
constexpr int kVariantPictureOther = 360;

}  // namespace

int DevicePictureFor(int productId, int hardwareVariant) {
  if (productId == kVariantPictureProduct) {
    if (hardwareVariant == 0 || hardwareVariant == 11) return kVariantPictureA;
    if (hardwareVariant == 16 || hardwareVariant == 27) return kVariantPictureB;
    return kVariantPictureOther;
  }
  for (const ProductPicture& p : kPictures) {
    if (p.productId == productId) return p.picture;
  }
  return kPictureLogo;
}


}  // namespace device
