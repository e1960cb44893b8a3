#pragma once
// A recording device context that measures text with the real fonts, as the screen would show it,
// so that a test can find a caption that its rectangle cuts.
#include <optional>
#include <string>
#include <vector>

#include "framework/RecordingDeviceContext.h"

namespace fw {

// One pixel row of a text's glyphs: the columns from its first to its last inked pixel.
struct InkRow {
  int y = 0;
  int left = 0;
  int right = 0;  // exclusive
};

struct MeasuredText {
  std::string text;
  Rect rect;         // where it was drawn
  Size needed;       // what the text takes there with the font in effect (wrapped when asked)
  unsigned format = 0;
  Font font;
  bool wrapped = false;  // it takes more than one line
  int inkTop = 0;        // the rows its glyphs cover, laid out in `rect` but not cut by it
  int inkBottom = 0;
  std::vector<InkRow> ink;  // row by row from inkTop

  // One line is judged by its width and by where its glyphs land: its line box (tall for the CJK
  // fonts) may overhang a tight rectangle without a glyph being cut, but a descender below the
  // rectangle is cut. Wrapped text must fit both ways.
  bool Fits() const {
    return needed.cx <= rect.Width() && (!wrapped || needed.cy <= rect.Height()) &&
           (inkTop == inkBottom || (inkTop >= rect.top && inkBottom <= rect.bottom));
  }
};

// What a drawn outline leaves free within it, as the screen draws the outline: a rectangle whose
// corners may be rounded.
struct BorderInside {
  Rect inside;
  Size radius;  // of the rounded corners; 0 for square ones

  // The least room, in pixels, between the glyphs on the rows of the inside and its left or right
  // edge at that row; negative where a glyph lies on the outline.
  double SideClearance(const std::vector<InkRow>& ink) const;
};

class MeasuringDeviceContext : public RecordingDeviceContext {
 public:
  MeasuringDeviceContext();
  ~MeasuringDeviceContext() override;

  const std::vector<MeasuredText>& Measured() const { return measured_; }
  // The inside of the innermost outline drawn around the middle of `r` (a rounded or plain
  // rectangle, an edge on all four sides); nothing when none is.
  std::optional<BorderInside> BorderAround(const Rect& r) const;

  using DeviceContext::DrawText;
  int DrawText(const std::string& text, Rect& r, unsigned format) override;
  Size GetTextExtent(const std::string& text) override;
  void Rectangle(const Rect& r) override;
  void RoundRect(const Rect& r, Size ellipse) override;
  void DrawEdge(const Rect& r, Edge edge, unsigned sides) override;

 private:
  std::vector<MeasuredText> measured_;
  std::vector<BorderInside> borders_;
};

}  // namespace fw
