#pragma once
// Brushes and pens, as values.
#include <string>

#include "framework/Bitmap.h"
#include "framework/Colour.h"

namespace fw {

class Brush {
 public:
  enum class Kind { None, Hollow, Solid, Pattern };

  // None: "no answer" from a colour handler (the default brush is used).
  Brush() = default;
  static Brush Solid(Colour c) { Brush b; b.kind_ = Kind::Solid; b.colour_ = c; return b; }
  // A brush that tiles `bitmap` from the top-left corner of the window it paints.
  static Brush Pattern(const Bitmap& bitmap) { Brush b; b.kind_ = Kind::Pattern; b.bitmap_ = bitmap; return b; }
  // Paints nothing.
  static Brush Hollow() { Brush b; b.kind_ = Kind::Hollow; return b; }

  Kind GetKind() const { return kind_; }
  bool IsNone() const { return kind_ == Kind::None; }
  Colour GetColour() const { return colour_; }
  const Bitmap& GetBitmap() const { return bitmap_; }
  std::string ToString() const;

 private:
  Kind kind_ = Kind::None;
  Colour colour_;
  Bitmap bitmap_;
};

enum class PenStyle { Solid, Dot, Null };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Colour colour;

  static Pen Solid(int width, Colour c) { return {PenStyle::Solid, width, c}; }
  static Pen Dotted(int width, Colour c) { return {PenStyle::Dot, width, c}; }
  static Pen None() { return {PenStyle::Null, 0, {}}; }
  std::string ToString() const;
  friend bool operator==(const Pen&, const Pen&) = default;
};

}  // namespace fw
