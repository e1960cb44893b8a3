#include "framework/MeasuringDeviceContext.h"

#include <algorithm>
#include <utility>

#include <QImage>
#include <QPainter>

#include "framework/detail/Convert.h"
#include "framework/detail/QtDeviceContext.h"

namespace fw {

namespace {

// The size the screen's device context gives the text in `r`: it measures without painting.
Size Measure(const Font& font, const std::string& text, const Rect& r, unsigned format) {
  QImage nowhere(1, 1, QImage::Format_RGB32);
  detail::QtDeviceContext dc(&nowhere, font);
  Rect bounds = r;
  dc.DrawText(text, bounds, format | DT_CALCRECT);
  return {bounds.Width(), bounds.Height()};
}

// The rows the glyphs cover when the text is laid out in `r` as the screen lays it out but not cut
// at its rectangle, in the coordinates of `r`; {0, 0} when nothing is drawn.
std::pair<int, int> InkRows(const Font& font, const std::string& text, const Rect& r, unsigned format,
                            const Size& needed) {
  // Room above and below for whatever a tall line box pushes out of the rectangle.
  const int margin = std::max(r.Height(), needed.cy) + 8;
  const int width = std::max(r.Width(), needed.cx) + 2;
  QImage canvas(width, r.Height() + 2 * margin, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  {
    QPainter painter(&canvas);
    const QFont qfont = detail::ToQt(font);
    const QString qtext = detail::ToQt(text);
    const int flags = detail::QtTextFlags(format);
    painter.setFont(qfont);
    painter.setPen(Qt::black);
    const QRect place = detail::TextPlace(qfont, qtext, QRect(0, margin, std::max(r.Width(), 1), std::max(r.Height(), 1)), flags);
    painter.drawText(place, flags | Qt::TextDontClip, qtext);
  }
  // Faint edge pixels of anti-aliasing do not count as a glyph.
  constexpr int kVisible = 96;
  int top = -1, bottom = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < canvas.width(); ++x) {
      if (qAlpha(line[x]) >= kVisible) {
        if (top < 0) top = y;
        bottom = y + 1;
        break;
      }
    }
  }
  if (top < 0) return {0, 0};
  return {r.top + top - margin, r.top + bottom - margin};
}

}  // namespace

MeasuringDeviceContext::MeasuringDeviceContext() = default;
MeasuringDeviceContext::~MeasuringDeviceContext() = default;

int MeasuringDeviceContext::DrawText(const std::string& text, Rect& r, unsigned format) {
  // A text cut short with an ellipsis does not fit either.
  const Size needed = Measure(GetFont(), text, r, format & ~DT_END_ELLIPSIS);
  if (format & DT_CALCRECT) {
    r.right = r.left + needed.cx;
    r.bottom = r.top + needed.cy;
    return needed.cy;
  }
  const int oneLine = Measure(GetFont(), text, r, (format | DT_SINGLELINE) & ~(DT_WORDBREAK | DT_END_ELLIPSIS)).cy;
  const auto [inkTop, inkBottom] = InkRows(GetFont(), text, r, format & ~DT_END_ELLIPSIS, needed);
  measured_.push_back({text, r, needed, format, GetFont(), needed.cy > oneLine, inkTop, inkBottom});
  RecordingDeviceContext::DrawText(text, r, format);
  return needed.cy;
}

Size MeasuringDeviceContext::GetTextExtent(const std::string& text) {
  QImage nowhere(1, 1, QImage::Format_RGB32);
  detail::QtDeviceContext dc(&nowhere, GetFont());
  return dc.GetTextExtent(text);
}

}  // namespace fw
