#pragma once
// The toolkit picture inside a Bitmap, for the framework's .cpp files.
#include "framework/Bitmap.h"

class QImage;

namespace fw::detail {

// The picture of `bitmap`; an empty picture for a null bitmap.
const QImage& ImageOf(const Bitmap& bitmap);
Bitmap BitmapFromImage(const QImage& image);

}  // namespace fw::detail
