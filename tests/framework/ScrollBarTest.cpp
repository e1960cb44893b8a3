// The scroll bar control's classic semantics: a position kept inside range and page, and user
// actions reported to the parent without the bar moving by itself.
#include <gtest/gtest.h>

#include <vector>

#include "framework/CustomWindow.h"
#include "framework/ScrollBar.h"

namespace {

class ScrollOwner : public fw::CustomWindow {
 public:
  struct Report {
    unsigned code;
    int pos;
  };
  std::vector<Report> reports;
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override {
    if (msg == fw::WM_VSCROLL) reports.push_back({fw::ScrollCode(wParam), fw::ScrollPosition(wParam)});
    return CustomWindow::OnMessage(msg, wParam, lParam);
  }
};

TEST(ScrollBar, KeepsItsPositionInsideRangeAndPageAndReportsActions) {
  ScrollOwner owner;
  ASSERT_TRUE(owner.Create(nullptr, fw::Rect{0, 0, 100, 100}, fw::CS_HIDDEN));
  fw::ScrollBar bar;
  fw::ControlTemplate t;
  t.style = fw::CS_VERTICAL;
  t.units = fw::Rect{80, 0, 97, 100};
  ASSERT_TRUE(bar.CreateControl(t, &owner));

  bar.SetScrollInfo(0, 9, 6, 7);  // ten items, six shown: the top can be 0 to 4
  EXPECT_EQ(bar.GetScrollPos(), 4);
  EXPECT_EQ(bar.MaxScrollPos(), 4);
  EXPECT_EQ(bar.SetScrollPos(-3), 4);
  EXPECT_EQ(bar.GetScrollPos(), 0);
  bar.SetScrollInfo(0, 2, 6, 2);  // fewer items than the page: only 0
  EXPECT_EQ(bar.GetScrollPos(), 0);

  bar.SetScrollInfo(0, 9, 6, 1);
  bar.UserAction(fw::SB_LINEDOWN);
  bar.UserAction(fw::SB_THUMBTRACK, 50);
  ASSERT_EQ(owner.reports.size(), 2u);
  EXPECT_EQ(owner.reports[0].code, fw::SB_LINEDOWN);
  EXPECT_EQ(owner.reports[0].pos, 1);
  EXPECT_EQ(owner.reports[1].code, fw::SB_THUMBTRACK);
  EXPECT_EQ(owner.reports[1].pos, 4);  // the track position, clamped
  EXPECT_EQ(bar.GetScrollPos(), 1);    // the owner did not move it
  EXPECT_EQ(bar.GetScrollInfo().trackPos, 4);
}

}  // namespace
