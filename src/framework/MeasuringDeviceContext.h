#pragma once
// A recording device context that measures text with the real fonts, as the screen would show it,
// so that a test can find a caption that its rectangle cuts.
#include <string>
#include <vector>

#include "framework/RecordingDeviceContext.h"

namespace fw {

struct MeasuredText {
  std::string text;
  Rect rect;         // where it was drawn
  Size needed;       // what the text takes there with the font in effect (wrapped when asked)
  unsigned format = 0;
  Font font;
  bool wrapped = false;  // it takes more than one line
  int inkTop = 0;        // the rows its glyphs cover, laid out in `rect` but not cut by it
  int inkBottom = 0;

  // One line is judged by its width and by where its glyphs land: its line box (tall for the CJK
  // fonts) may overhang a tight rectangle without a glyph being cut, but a descender below the
  // rectangle is cut. Wrapped text must fit both ways.
  bool Fits() const {
    return needed.cx <= rect.Width() && (!wrapped || needed.cy <= rect.Height()) &&
           (inkTop == inkBottom || (inkTop >= rect.top && inkBottom <= rect.bottom));
  }
};

class MeasuringDeviceContext : public RecordingDeviceContext {
 public:
  MeasuringDeviceContext();
  ~MeasuringDeviceContext() override;

  const std::vector<MeasuredText>& Measured() const { return measured_; }

  using DeviceContext::DrawText;
  int DrawText(const std::string& text, Rect& r, unsigned format) override;
  Size GetTextExtent(const std::string& text) override;

 private:
  std::vector<MeasuredText> measured_;
};

}  // namespace fw
