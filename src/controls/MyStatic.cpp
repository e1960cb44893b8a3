#include "controls/MyStatic.h"

#include "framework/DeviceContext.h"

namespace controls {

CMyStatic::CMyStatic() = default;
CMyStatic::~CMyStatic() = default;

void CMyStatic::OnPaint(fw::DeviceContext& dc) {
  const fw::Bitmap& picture = GetBitmap();
  if (picture.IsNull()) {
    fw::Static::OnPaint(dc);
    return;
  }
  if (!m_bmpBackground.IsNull()) dc.DrawBitmap(m_bmpBackground, {0, 0});
  // Drawn at the top-left corner in its own size, never stretched.
  dc.DrawTransparent(picture, fw::Rect::FromXYWH(0, 0, picture.Width(), picture.Height()), picture.GetPixel(0, 0));
}

}  // namespace controls
