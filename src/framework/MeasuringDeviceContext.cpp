#include "framework/MeasuringDeviceContext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

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

// The glyphs, row by row, when the text is laid out in `r` as the screen lays it out but not cut
// at its rectangle, in the coordinates of `r`; none when nothing is drawn.
std::vector<InkRow> InkOf(const Font& font, const std::string& text, const Rect& r, unsigned format,
                          const Size& needed) {
  // Room all round for whatever a tall line box or a wide text pushes out of the rectangle.
  const int margin = std::max(r.Height(), needed.cy) + 8;
  const int side = std::max(r.Width(), needed.cx) + 8;
  QImage canvas(r.Width() + 2 * side, r.Height() + 2 * margin, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  {
    QPainter painter(&canvas);
    const QFont qfont = detail::ToQt(font);
    const QString qtext = detail::ToQt(text);
    const int flags = detail::QtTextFlags(format);
    painter.setFont(qfont);
    painter.setPen(Qt::black);
    const QRect place =
        detail::TextPlace(qfont, qtext, QRect(side, margin, std::max(r.Width(), 1), std::max(r.Height(), 1)), flags);
    painter.drawText(place, flags | Qt::TextDontClip, qtext);
  }
  // Faint edge pixels of anti-aliasing do not count as a glyph.
  constexpr int kVisible = 96;
  std::vector<InkRow> rows;
  for (int y = 0; y < canvas.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    InkRow row{r.top + y - margin, canvas.width(), 0};
    for (int x = 0; x < canvas.width(); ++x) {
      if (qAlpha(line[x]) < kVisible) continue;
      row.left = std::min(row.left, x);
      row.right = x + 1;
    }
    if (row.right == 0) continue;
    row.left += r.left - side;
    row.right += r.left - side;
    rows.push_back(row);
  }
  return rows;
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
  std::vector<InkRow> ink = InkOf(GetFont(), text, r, format & ~DT_END_ELLIPSIS, needed);
  const int inkTop = ink.empty() ? 0 : ink.front().y;
  const int inkBottom = ink.empty() ? 0 : ink.back().y + 1;
  measured_.push_back({text, r, needed, format, GetFont(), needed.cy > oneLine, inkTop, inkBottom, std::move(ink)});
  RecordingDeviceContext::DrawText(text, r, format);
  return needed.cy;
}

Size MeasuringDeviceContext::GetTextExtent(const std::string& text) {
  QImage nowhere(1, 1, QImage::Format_RGB32);
  detail::QtDeviceContext dc(&nowhere, GetFont());
  return dc.GetTextExtent(text);
}

// The screen strokes an outline along the middle of a pen's width inside the rectangle (see
// QtDeviceContext), so the inside begins a whole pen's width in, rounded corners that much tighter.
void MeasuringDeviceContext::Rectangle(const Rect& r) {
  if (CurrentPen().style != PenStyle::Null) {
    const int width = std::max(1, CurrentPen().width);
    borders_.push_back({r.Inflated(-width, -width), {}});
  }
  RecordingDeviceContext::Rectangle(r);
}

void MeasuringDeviceContext::RoundRect(const Rect& r, Size ellipse) {
  const int width = CurrentPen().style == PenStyle::Null ? 0 : std::max(1, CurrentPen().width);
  const Rect inside = r.Inflated(-width, -width);
  // Corners larger than the rectangle are drawn as half its size.
  const Size radius = {std::clamp((ellipse.cx - width) / 2, 0, inside.Width() / 2),
                       std::clamp((ellipse.cy - width) / 2, 0, inside.Height() / 2)};
  borders_.push_back({inside, radius});
  RecordingDeviceContext::RoundRect(r, ellipse);
}

void MeasuringDeviceContext::DrawEdge(const Rect& r, Edge edge, unsigned sides) {
  // Two rings of one pixel each.
  if ((sides & BF_RECT) == BF_RECT) borders_.push_back({r.Inflated(-2, -2), {}});
  RecordingDeviceContext::DrawEdge(r, edge, sides);
}

std::optional<BorderInside> MeasuringDeviceContext::BorderAround(const Rect& r) const {
  std::optional<BorderInside> innermost;
  for (const BorderInside& border : borders_) {
    if (!border.inside.PtInRect(r.CenterPoint())) continue;
    const auto size = [](const Rect& box) { return int64_t(box.Width()) * box.Height(); };
    if (!innermost || size(border.inside) < size(innermost->inside)) innermost = border;
  }
  return innermost;
}

double BorderInside::SideClearance(const std::vector<InkRow>& ink) const {
  double least = std::numeric_limits<double>::infinity();
  for (const InkRow& row : ink) {
    if (row.y < inside.top || row.y >= inside.bottom) continue;
    // How far a rounded corner pulls the edge in at the middle of the pixel row.
    double inset = 0;
    if (radius.cx > 0 && radius.cy > 0) {
      const double middle = row.y + 0.5;
      const double dy = std::min(double(radius.cy), std::max({inside.top + radius.cy - middle,
                                                              middle - (inside.bottom - radius.cy), 0.0}));
      inset = radius.cx * (1.0 - std::sqrt(1.0 - (dy / radius.cy) * (dy / radius.cy)));
    }
    least = std::min({least, row.left - (inside.left + inset), (inside.right - inset) - row.right});
  }
  return least;
}

}  // namespace fw
