#pragma once
// Pixel geometry in the classic framework's terms: a rectangle is left, top, right, bottom with
// right and bottom exclusive.
#include <algorithm>
#include <string>

namespace fw {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static Rect FromXYWH(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
  static Rect FromSize(Size size) { return {0, 0, size.cx, size.cy}; }

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  Size GetSize() const { return {Width(), Height()}; }
  Point TopLeft() const { return {left, top}; }
  Point BottomRight() const { return {right, bottom}; }
  Point CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  bool PtInRect(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

  // Grows the rectangle by dx on the left and right and dy on the top and bottom (negative shrinks).
  Rect& InflateRect(int dx, int dy) {
    left -= dx;
    right += dx;
    top -= dy;
    bottom += dy;
    return *this;
  }
  Rect& DeflateRect(int dx, int dy) { return InflateRect(-dx, -dy); }
  Rect& OffsetRect(int dx, int dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
    return *this;
  }
  Rect Inflated(int dx, int dy) const { return Rect(*this).InflateRect(dx, dy); }
  Rect Offset(int dx, int dy) const { return Rect(*this).OffsetRect(dx, dy); }
  Rect Intersect(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    return r.IsRectEmpty() ? Rect{} : r;
  }

  std::string ToString() const {
    return std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(right) + "," +
           std::to_string(bottom);
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Where a window of `size` centred on `centre` goes so that its top-left corner, with its title
// and close buttons, stays in `area` (a screen's available area): pushed back in from the right and
// bottom as far as it fits, and never left of or above the area even when it is larger.
inline Point PlaceOnScreen(Size size, Point centre, const Rect& area) {
  Point at{centre.x - size.cx / 2, centre.y - size.cy / 2};
  if (at.x + size.cx > area.right) at.x = area.right - size.cx;
  if (at.y + size.cy > area.bottom) at.y = area.bottom - size.cy;
  if (at.x < area.left) at.x = area.left;
  if (at.y < area.top) at.y = area.top;
  return at;
}

}  // namespace fw
