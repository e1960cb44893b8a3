#pragma once
// What a draw routine draws on: a window while it paints (over the toolkit's painter), or a
// RecordingDeviceContext in tests. Coordinates are pixels in the window's client area.
#include <string>

#include "framework/Bitmap.h"
#include "framework/Colour.h"
#include "framework/Font.h"
#include "framework/Geometry.h"
#include "framework/ImageList.h"
#include "framework/PaintTools.h"

namespace fw {

// Text layout flags of DrawText, with the classic values.
enum : unsigned {
  DT_LEFT = 0x0,
  DT_TOP = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_END_ELLIPSIS = 0x8000,
};

// Edges of DrawEdge.
enum class Edge { Raised, Sunken, Etched, Bump };
enum : unsigned {
  BF_LEFT = 0x1,
  BF_TOP = 0x2,
  BF_RIGHT = 0x4,
  BF_BOTTOM = 0x8,
  BF_RECT = 0xF,
};

// States of DrawComboArrow.
// ARROW_FLAT: a flat button (a pressed drop-down arrow) instead of a raised one.
enum : unsigned { ARROW_NORMAL = 0, ARROW_INACTIVE = 0x100, ARROW_PUSHED = 0x200, ARROW_FLAT = 0x4000 };

enum class BkMode { Transparent = 1, Opaque = 2 };

class DeviceContext {
 public:
  virtual ~DeviceContext() = default;

  // Fills: with a colour, with a brush, and with the selected brush and pen.
  virtual void FillSolidRect(const Rect& r, Colour c) = 0;
  virtual void FillRect(const Rect& r, const Brush& brush) = 0;
  virtual void Rectangle(const Rect& r) = 0;
  // A rectangle with rounded corners; `ellipse` is the size of the corner ellipse.
  virtual void RoundRect(const Rect& r, Size ellipse) = 0;
  virtual void Line(Point from, Point to) = 0;

  // Classic 3-D decorations.
  virtual void DrawEdge(const Rect& r, Edge edge, unsigned sides = BF_RECT) = 0;
  virtual void DrawFocusRect(const Rect& r) = 0;
  virtual void DrawComboArrow(const Rect& r, unsigned state = ARROW_NORMAL) = 0;

  // Tools; each Select returns the one it replaces.
  virtual Pen SelectPen(const Pen& pen) = 0;
  virtual Brush SelectBrush(const Brush& brush) = 0;
  virtual Font SelectFont(const Font& font) = 0;
  virtual Font GetFont() const = 0;

  // Text. DrawText lays `text` out in `r` by DT_ flags; with DT_CALCRECT it draws nothing and sets
  // r's right and bottom to what the text needs. Returns the height of the text.
  virtual int DrawText(const std::string& text, Rect& r, unsigned format) = 0;
  int DrawText(const std::string& text, const Rect& r, unsigned format) {
    Rect copy = r;
    return DrawText(text, copy, format);
  }
  virtual Size GetTextExtent(const std::string& text) = 0;
  virtual Colour SetTextColor(Colour c) = 0;
  virtual Colour GetTextColor() const = 0;
  virtual Colour SetBkColor(Colour c) = 0;
  virtual Colour GetBkColor() const = 0;
  virtual BkMode SetBkMode(BkMode mode) = 0;
  virtual BkMode GetBkMode() const = 0;

  // Pictures: a plain copy at `at` in its own size, a copy stretched into `dest`, a copy with one
  // colour left out, and an image of a list.
  virtual void DrawBitmap(const Bitmap& bitmap, Point at) = 0;
  virtual void StretchBitmap(const Bitmap& bitmap, const Rect& dest) = 0;
  virtual void DrawTransparent(const Bitmap& bitmap, const Rect& dest, Colour transparent) = 0;
  virtual void DrawImage(const ImageList& list, int index, Point at) = 0;

  // Clipping and state.
  virtual void IntersectClipRect(const Rect& r) = 0;
  virtual int SaveDC() = 0;
  virtual void RestoreDC(int saved) = 0;

  // What is on this device in `region` now, as a picture (the background a control is drawn over).
  virtual Bitmap CopyRegion(const Rect& region) = 0;
};

}  // namespace fw
