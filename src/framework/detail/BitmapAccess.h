#pragma once
// The toolkit picture inside a Bitmap, for the framework's .cpp files.
#include "framework/Bitmap.h"

class QImage;

namespace fw::detail {

// The picture of `bitmap`; an empty picture for a null bitmap.
const QImage& ImageOf(const Bitmap& bitmap);
Bitmap BitmapFromImage(const QImage& image);
// The same picture drawn at twice the size for screens with a device pixel ratio of 2 (the
// resource "<id>@2x.png"), decoded on the first call, or nullptr when there is none or the picture
// was changed since.
const QImage* FineImageOf(const Bitmap& bitmap);
// `image` (the picture of non-null `bitmap` or its copy at twice the size) with every pixel of
// colour `key` transparent: made at the first call for that key, then kept with the picture.
const QImage& WithoutKey(const Bitmap& bitmap, const QImage& image, Colour key);

}  // namespace fw::detail
