#pragma once
// A device context for tests: it draws nothing and keeps every call as a comparable value.
#include <ostream>
#include <string>
#include <vector>

#include "framework/DeviceContext.h"

namespace fw {

struct DrawCall {
  std::string op;      // the DeviceContext operation's name, e.g. "FillSolidRect"
  Rect rect;           // its rectangle (for Line: from and to; for a picture: where it lands)
  std::string text;    // text drawn, or what a tool was selected ("Pen ..."), or a picture's id
  Colour colour;       // fill, pen or text colour as it applies
  unsigned flags = 0;  // DT_ flags, edge sides, arrow state
  int value = 0;       // edge kind, image index, background mode

  std::string ToString() const;
  friend bool operator==(const DrawCall&, const DrawCall&) = default;
  friend std::ostream& operator<<(std::ostream& out, const DrawCall& call) { return out << call.ToString(); }
};

class RecordingDeviceContext : public DeviceContext {
 public:
  RecordingDeviceContext();

  const std::vector<DrawCall>& Calls() const { return calls_; }
  std::vector<DrawCall> Calls(const std::string& op) const;
  // Every call on its own line, for failure messages.
  std::string ToString() const;
  void Clear() { calls_.clear(); }

  // The texts drawn with DrawText, in order.
  std::vector<std::string> Texts() const;
  // The text colour in effect when `text` was last drawn (black when it was never drawn).
  Colour TextColourOf(const std::string& text) const;

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

  // Pen and brush in effect now.
  const Pen& CurrentPen() const { return state_.pen; }
  const Brush& CurrentBrush() const { return state_.brush; }

 private:
  struct State {
    Pen pen = Pen::Solid(1, colours::kBlack);
    Brush brush = Brush::Solid(colours::kWhite);
    Font font;
    Colour text = colours::kBlack;
    Colour background = colours::kWhite;
    BkMode mode = BkMode::Opaque;
  };
  void Record(DrawCall call) { calls_.push_back(std::move(call)); }

  State state_;
  std::vector<State> saved_;
  std::vector<DrawCall> calls_;
};

}  // namespace fw
