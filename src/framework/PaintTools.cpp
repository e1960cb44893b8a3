#include "framework/PaintTools.h"


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

}  // namespace fw
