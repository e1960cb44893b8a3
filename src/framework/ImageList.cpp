#include "framework/ImageList.h"

namespace fw {

ImageList ImageList::Load(int bitmapId, int imageWidth, std::optional<Colour> transparent) {
  const Bitmap strip = Bitmap::Load(bitmapId);
  ImageList list(Size{imageWidth, strip.Height()}, transparent);
  if (!strip.IsPlaceholder()) list.Add(strip);
  return list;
}

int ImageList::Add(const Bitmap& strip) {
  if (strip.IsNull() || size_.cx <= 0 || strip.Width() % size_.cx != 0 || strip.Height() < size_.cy) return -1;
  const int first = GetImageCount();
  for (int x = 0; x < strip.Width(); x += size_.cx) images_.push_back(strip.Copy(Rect::FromXYWH(x, 0, size_.cx, size_.cy)));
  return first;
}

Bitmap ImageList::GetImage(int index) const {
  if (index < 0 || index >= GetImageCount()) return {};
  return images_[static_cast<size_t>(index)];
}

}  // namespace fw
