#include "framework/PaintTools.h"

#include "framework/Font.h"

namespace fw {

std::string Brush::ToString() const {
  switch (kind_) {
    case Kind::None: return "none";
    case Kind::Hollow: return "hollow";
    case Kind::Solid: return "solid " + colour_.ToString();
    case Kind::Pattern: return "pattern " + std::to_string(bitmap_.Width()) + "x" + std::to_string(bitmap_.Height());
  }
  return "?";
}

std::string Pen::ToString() const {
  const char* name = style == PenStyle::Solid ? "solid" : style == PenStyle::Dot ? "dot" : "null";
  return std::string(name) + " " + std::to_string(width) + " " + colour.ToString();
}

Font Font::FromPointSize(std::string face, int points, int weight) {
  // -MulDiv(points, 96, 72), rounded as the classic call does.
  const int pixels = (points * 96 + 36) / 72;
  return Font(std::move(face), -pixels, weight);
}

std::string Font::ToString() const {
  return face_ + " " + std::to_string(height_) + " " + std::to_string(weight_) + (underline_ ? " underline" : "") +
         (italic_ ? " italic" : "");
}

}  // namespace fw
