#include "framework/Font.h"

#include <QFontMetrics>
#include <QString>

#include "framework/detail/Convert.h"

namespace fw {

Font Font::FromPointSize(std::string face, int points, int weight) {
  // -MulDiv(points, 96, 72), rounded as the classic call does.
  const int pixels = (points * 96 + 36) / 72;
  return Font(std::move(face), -pixels, weight);
}

std::string Font::ToString() const {
  return face_ + " " + std::to_string(height_) + " " + std::to_string(weight_) + (underline_ ? " underline" : "") +
         (italic_ ? " italic" : "");
}

Size MeasureText(const Font& font, const std::string& text) {
  const QFontMetrics metrics(detail::ToQt(font));
  return {metrics.horizontalAdvance(detail::ToQt(text)), metrics.height()};
}

}  // namespace fw
