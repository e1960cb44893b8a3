#pragma once
// The classic system metrics, fixed so that layouts and drawings come out the same on every
// machine whatever the desktop theme (a grid row is SM_CYVTHUMB + 5 x SM_CYEDGE = 27 pixels
// everywhere). The screen's usable area is the one value that differs per machine; it comes
// through a seam that tests can replace.
#include "framework/Geometry.h"

namespace fw {

enum SystemMetric : int {
  SM_CXVSCROLL = 2,   // width of a vertical scroll bar
  SM_CXDLGFRAME = 7,  // thickness of a dialog frame
  SM_CYDLGFRAME = 8,
  SM_CYVTHUMB = 9,    // height of a vertical scroll bar's thumb
  SM_CXBORDER = 5,    // a thin border
  SM_CYBORDER = 6,
  SM_CXEDGE = 45,     // a three-dimensional edge
  SM_CYEDGE = 46,
};

constexpr int GetSystemMetrics(SystemMetric metric) {
  switch (metric) {
    case SM_CXVSCROLL: return 17;
    case SM_CYVTHUMB: return 17;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
  }
  return 0;
}

// Height of a line of text in the default font of a fresh device context (the system font).
constexpr int kSystemFontLineHeight = 16;

// The part of the screen that windows may cover (without panels and docks), in screen pixels.
Rect GetScreenWorkArea();

// Replaces the screen's usable area for its scope (tests).
class ScopedScreenWorkArea {
 public:
  explicit ScopedScreenWorkArea(const Rect& area);
  ~ScopedScreenWorkArea();
  ScopedScreenWorkArea(const ScopedScreenWorkArea&) = delete;
  ScopedScreenWorkArea& operator=(const ScopedScreenWorkArea&) = delete;

 private:
  bool hadPrevious_;
  Rect previous_;
};

}  // namespace fw
