#include "controls/BitmapButton.h"

#include "framework/DeviceContext.h"

namespace controls {

namespace {
constexpr fw::Size kPlaceholderSize = {16, 16};
}

CBitmapButton::CBitmapButton() = default;
CBitmapButton::~CBitmapButton() = default;

bool CBitmapButton::LoadBitmaps(int bitmapId) {
  picture_ = fw::Bitmap::Load(bitmapId, kPlaceholderSize);
  Invalidate();
  return !picture_.IsPlaceholder();
}

void CBitmapButton::SizeToContent() {
  if (picture_.IsNull()) return;
  const fw::Rect at = GetWindowRect();
  MoveWindow(at.left, at.top, picture_.Width(), picture_.Height());
}

void CBitmapButton::DrawItem(const fw::DrawItemStruct& item) {
  if (!item.dc || picture_.IsNull()) return;
  item.dc->DrawBitmap(picture_, {item.rect.left, item.rect.top});
}

}  // namespace controls
