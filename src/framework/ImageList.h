#pragma once
// A row of equal images cut from one strip, drawn by index.
#include <optional>
#include <vector>

#include "framework/Bitmap.h"

namespace fw {

class ImageList {
 public:
  ImageList() = default;
  explicit ImageList(Size imageSize, std::optional<Colour> transparent = std::nullopt)
      : size_(imageSize), transparent_(transparent) {}

  // Cuts resource bitmap `bitmapId` into images `imageWidth` pixels wide.
  static ImageList Load(int bitmapId, int imageWidth, std::optional<Colour> transparent = std::nullopt);

  // Appends the images of a strip (its width a multiple of the image width); returns the index of
  // the first one added, -1 when the strip does not fit.
  int Add(const Bitmap& strip);
  int GetImageCount() const { return static_cast<int>(images_.size()); }
  Size GetImageSize() const { return size_; }
  bool IsEmpty() const { return images_.empty(); }
  // The image at `index`; null for an index out of range.
  Bitmap GetImage(int index) const;
  const std::optional<Colour>& Transparent() const { return transparent_; }

 private:
  Size size_;
  std::optional<Colour> transparent_;
  std::vector<Bitmap> images_;
};

}  // namespace fw
