#pragma once
// The device context of a paint event: DeviceContext calls on the toolkit's painter, begun lazily
// so that a control's own painting can run between our calls.
#include <functional>
#include <memory>
#include <vector>

#include "framework/DeviceContext.h"

class QFont;
class QPainter;
class QRect;
class QString;
class QWidget;
class QImage;

namespace fw::detail {

// The toolkit's text flags for a classic DrawText format.
int QtTextFlags(unsigned format);
// Where the toolkit is to lay out `text` for it to land where classic drawing puts it in `r`: a
// single line keeps the baseline of `font` even when glyphs of a taller fallback font join it, so
// that it fits the height the layouts give one line.
QRect TextPlace(const QFont& font, const QString& text, const QRect& r, int flags);

class QtDeviceContext : public DeviceContext {
 public:
  // Paints on `device`, shifted by `origin` (the client area's place in the widget).
  QtDeviceContext(QWidget* device, Point origin, std::function<void()> basePaint, Font font);
  // Paints on a picture (render to PNG, bitmaps made by code).
  QtDeviceContext(QImage* image, Font font);
  // Paints with a painter that is already active (a list's row painting), shifted by `origin`.
  QtDeviceContext(QPainter* active, Point origin, Font font);
  ~QtDeviceContext() override;

  // Runs the widget's own painting now (ends our painter around it).
  void PaintDefault();

  void FillSolidRect(const Rect& r, Colour c) override;
  void FillRect(const Rect& r, const Brush& brush) override;
  void Rectangle(const Rect& r) override;
  void RoundRect(const Rect& r, Size ellipse) override;
  void Line(Point from, Point to) override;
  void DrawEdge(const Rect& r, Edge edge, unsigned sides) override;
  void DrawFocusRect(const Rect& r) override;
  void DrawComboArrow(const Rect& r, unsigned state) override;
  Pen SelectPen(const Pen& pen) override;
  Brush SelectBrush(const Brush& brush) override;
  Font SelectFont(const Font& font) override;
  Font GetFont() const override { return state_.font; }
  using DeviceContext::DrawText;
  int DrawText(const std::string& text, Rect& r, unsigned format) override;
  Size GetTextExtent(const std::string& text) override;
  Colour SetTextColor(Colour c) override;
  Colour GetTextColor() const override { return state_.text; }
  Colour SetBkColor(Colour c) override;
  Colour GetBkColor() const override { return state_.background; }
  BkMode SetBkMode(BkMode mode) override;
  BkMode GetBkMode() const override { return state_.mode; }
  void DrawBitmap(const Bitmap& bitmap, Point at) override;
  void StretchBitmap(const Bitmap& bitmap, const Rect& dest) override;
  void DrawTransparent(const Bitmap& bitmap, const Rect& dest, Colour transparent) override;
  void DrawImage(const ImageList& list, int index, Point at) override;
  void IntersectClipRect(const Rect& r) override;
  int SaveDC() override;
  void RestoreDC(int saved) override;
  Bitmap CopyRegion(const Rect& region) override;

 private:
  const QImage& PictureFor(const Bitmap& bitmap);
  void DrawPicture(const QRect& dest, const QImage& image);
  struct State {
    Pen pen = Pen::Solid(1, colours::kBlack);
    Brush brush = Brush::Solid(colours::kWhite);
    Font font;
    Colour text = colours::kBlack;
    Colour background = colours::kWhite;
    BkMode mode = BkMode::Opaque;
    std::vector<Rect> clips;
  };
  QPainter& P();
  void ApplyClip();

  QWidget* device_ = nullptr;
  QImage* image_ = nullptr;
  Point origin_;
  std::function<void()> basePaint_;
  std::unique_ptr<QPainter> painter_;
  QPainter* external_ = nullptr;
  State state_;
  std::vector<State> saved_;
};

}  // namespace fw::detail
