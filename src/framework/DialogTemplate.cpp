#include "framework/DialogTemplate.h"

namespace fw {

namespace {
// MulDiv: a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}
}  // namespace

const ControlTemplate* DialogTemplate::Find(int controlId) const {
  for (const auto& c : controls) {
    if (c.id == controlId) return &c;
  }
  return nullptr;
}

int DuToPixelsX(int units) { return MulDiv(units, 7, 4); }
int DuToPixelsY(int units) { return MulDiv(units, 2, 1); }
Size DuToPixels(Size units) { return {DuToPixelsX(units.cx), DuToPixelsY(units.cy)}; }

Rect DuToPixels(const Rect& units) {
  return Rect::FromXYWH(DuToPixelsX(units.left), DuToPixelsY(units.top), DuToPixelsX(units.Width()),
                        DuToPixelsY(units.Height()));
}

}  // namespace fw
