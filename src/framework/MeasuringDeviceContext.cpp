#include "framework/MeasuringDeviceContext.h"

#include <QImage>

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
  measured_.push_back({text, r, needed, format, GetFont(), needed.cy > oneLine});
  RecordingDeviceContext::DrawText(text, r, format);
  return needed.cy;
}

Size MeasuringDeviceContext::GetTextExtent(const std::string& text) {
  QImage nowhere(1, 1, QImage::Format_RGB32);
  detail::QtDeviceContext dc(&nowhere, GetFont());
  return dc.GetTextExtent(text);
}

}  // namespace fw
