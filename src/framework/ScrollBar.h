#pragma once
// A scroll bar control with the classic semantics: a range (min to max), a page (the part shown at
// once) and a position that is kept between min and max - page + 1. The bar never moves by itself:
// a user's action on it is reported to the parent as WM_VSCROLL (style CS_VERTICAL) or WM_HSCROLL
// with an SB_ code, and the parent sets the new position. While the thumb is dragged the track
// position follows the pointer (SB_THUMBTRACK).
#include "framework/Window.h"

namespace fw {

struct ScrollInfo {
  int min = 0;
  int max = 0;
  int page = 0;
  int pos = 0;
  int trackPos = 0;
};

class ScrollBar : public Window {
 public:
  ScrollBar();
  ~ScrollBar() override;

  // Range, page and position; the position is clamped to the new range and page.
  void SetScrollInfo(int min, int max, int page, int pos, bool redraw = true);
  ScrollInfo GetScrollInfo() const;
  // Clamps `pos` and sets it; returns the previous position.
  int SetScrollPos(int pos, bool redraw = true);
  int GetScrollPos() const { return info_.pos; }
  // The highest position the range and page allow.
  int MaxScrollPos() const;

  // A user's action on the bar, as the toolkit reports it (tests use it as the user would).
  void UserAction(unsigned code, int trackPos = 0);

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  CtlColor ColourKind() const override { return CtlColor::ScrollBar; }

 private:
  void Mirror();

  ScrollInfo info_;
  bool vertical_ = true;
};

}  // namespace fw
