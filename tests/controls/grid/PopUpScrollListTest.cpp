// A combo-box cell's pop-up list: opening and placing it, its rows, keys, wheel and scroll bar, and
// what a choice, F4 or a scroll of the grid does to the cell and the page's flag.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/grid/GridRig.h"
#include "framework/Application.h"
#include "framework/SystemMetrics.h"
#include "framework/TestSeams.h"

namespace {

using controls::CCellComboBox;
using controls::CPopUpScrollList;
using gridtest::GridRig;

std::string Options(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? "\n" : "") + std::string("Option ") + std::to_string(i);
  return text;
}

// The options the list shows now, top to bottom.
std::vector<std::string> Shown(CPopUpScrollList& list) {
  fw::RecordingDeviceContext dc;
  list.Paint(dc);
  return dc.Texts();
}

std::vector<std::string> Range(int first, int last) {
  std::vector<std::string> out;
  for (int i = first; i <= last; ++i) out.push_back("Option " + std::to_string(i));
  return out;
}

fw::Msg Input(fw::Window& target, fw::MsgKind kind) {
  fw::Msg msg;
  msg.kind = kind;
  msg.target = &target;
  return msg;
}

struct Opened {
  GridRig rig{1};
  CCellComboBox* combo;
  CPopUpScrollList* list;
  Opened(int options, int selection) {
    combo = rig.AddCombo(0, Options(options), selection);
    rig.PaintRows();
    fw::ClickAt(rig.grid, rig.CellPoint(0, 2));
    list = combo->GetScrollList();
  }
};

TEST(PopUpScrollList, ClickOpensBelowTheCellAndSetsThePageFlag) {
  Opened o(10, 0);
  ASSERT_TRUE(o.combo->IsOpen());
  EXPECT_TRUE(o.rig.popupOpen);
  EXPECT_TRUE(o.list->IsWindowVisible());
  EXPECT_EQ(o.rig.grid.GetActiveRow(), 0);
  const fw::Rect cell = o.rig.grid.GetSubItemRect(0, 2, fw::LVIR_LABEL);
  const fw::Point below = o.rig.grid.ClientToScreen(fw::Point{cell.left, cell.bottom});
  EXPECT_EQ(o.list->GetWindowRect(), fw::Rect::FromXYWH(below.x, below.y, cell.Width(), 6 * 16 + 2));
  // The list's focus went to the pop-up: the cell stays the one being edited.
  fw::Application::ProcessMessagesFor(20);
  EXPECT_EQ(o.rig.grid.GetActiveCell(), o.combo);
  EXPECT_TRUE(o.combo->IsOpen());
  // One re-check of the arrow, on the UI thread, 200 ms after the opening.
  EXPECT_EQ(o.rig.grid.ArmedTimers().size(), 1u);
  EXPECT_EQ(o.rig.grid.TimerInterval(o.rig.grid.ArmedTimers().front()), 200u);
  o.rig.grid.FireTimer(o.rig.grid.ArmedTimers().front());
  EXPECT_FALSE(controls::CCellDropDown::IsArrowPressed());  // the button is not held
  EXPECT_TRUE(o.rig.grid.ArmedTimers().empty());
}

TEST(PopUpScrollList, OpensAboveTheCellWhenThereIsNoRoomBelow) {
  GridRig rig(1);
  auto* combo = rig.AddCombo(0, Options(3), 0);
  const fw::Rect cell = rig.grid.GetSubItemRect(0, 2, fw::LVIR_LABEL);
  const fw::Point top = rig.grid.ClientToScreen(fw::Point{cell.left, cell.top});
  fw::ScopedScreenWorkArea area(fw::Rect{0, 0, 2000, top.y + cell.Height() + 20});
  fw::ClickAt(rig.grid, rig.CellPoint(0, 2));
  ASSERT_TRUE(combo->IsOpen());
  EXPECT_EQ(combo->GetScrollList()->GetWindowRect(), fw::Rect::FromXYWH(top.x, top.y - 50, cell.Width(), 50));
}

TEST(PopUpScrollList, TenOptionsScrollBySixRows) {
  Opened o(10, 0);
  EXPECT_EQ(Shown(*o.list), Range(0, 5));
  EXPECT_TRUE(o.list->IsScrollBarShown());
  fw::PressKey(*o.list, fw::VK_END);
  EXPECT_EQ(Shown(*o.list), Range(4, 9));
  fw::PressKey(*o.list, fw::VK_HOME);
  EXPECT_EQ(Shown(*o.list), Range(0, 5));
  for (int i = 0; i < 5; ++i) fw::PressKey(*o.list, fw::VK_DOWN);
  EXPECT_EQ(o.list->GetHotRow(), 5);
  EXPECT_EQ(o.list->GetTopOption(), 0);
  fw::PressKey(*o.list, fw::VK_DOWN);  // on the last row: the options move up by one
  EXPECT_EQ(o.list->GetHotRow(), 5);
  EXPECT_EQ(Shown(*o.list), Range(1, 6));
  o.list->GetScrollBar().UserAction(fw::SB_LINEUP);  // the highlight stays on its option
  EXPECT_EQ(o.list->GetTopOption(), 0);
  EXPECT_EQ(o.list->GetHotRow(), 5);
  o.list->GetScrollBar().UserAction(fw::SB_THUMBTRACK, 99);
  EXPECT_EQ(o.list->GetTopOption(), 4);
}

TEST(PopUpScrollList, ThreeOptionsShowThreeRowsWithoutScrollBar) {
  Opened o(3, 0);
  EXPECT_EQ(o.list->GetClientRect().Height(), 3 * 16 + 2);
  EXPECT_EQ(Shown(*o.list), Range(0, 2));
  EXPECT_FALSE(o.list->IsScrollBarShown());
  fw::PressKey(*o.list, fw::VK_NEXT);
  EXPECT_EQ(o.list->GetHotRow(), 2);
  fw::PressKey(*o.list, fw::VK_DOWN);
  EXPECT_EQ(o.list->GetHotRow(), 2);
  EXPECT_EQ(Shown(*o.list), Range(0, 2));
}

TEST(PopUpScrollList, AClickChoosesTheHighlightedRow) {
  Opened o(10, 1);
  fw::Msg move = Input(*o.list, fw::MsgKind::MouseMove);
  move.point = {10, 1 + 3 * 16 + 5};  // over the fourth row
  o.list->OnInput(move);
  EXPECT_EQ(o.list->GetHotRow(), 3);
  fw::ClickAt(*o.list, {10, 5});  // where the click lands does not matter
  EXPECT_FALSE(o.combo->IsOpen());
  EXPECT_FALSE(o.list->IsWindowVisible());
  EXPECT_FALSE(o.rig.popupOpen);
  EXPECT_EQ(o.combo->GetCurSel(), 3);
  EXPECT_EQ(o.rig.grid.GetItemText(0, 2), "Option 3");
  EXPECT_EQ(o.rig.choices, (std::vector<std::pair<int, int>>{{0, 2}}));
  EXPECT_EQ(o.rig.refreshes, 1);
}

TEST(PopUpScrollList, F4ClosesAndKeepsTheOldOption) {
  Opened o(10, 2);
  fw::PressKey(*o.list, fw::VK_DOWN);
  fw::PressKey(*o.list, fw::VK_F4);
  EXPECT_FALSE(o.combo->IsOpen());
  EXPECT_FALSE(o.rig.popupOpen);
  EXPECT_EQ(o.combo->GetCurSel(), 2);
  EXPECT_EQ(o.rig.grid.GetItemText(0, 2), "Option 2");
}

// Keys go to whatever holds the focus, as the keyboard's do.
void PressFocused(unsigned vk) {
  fw::Window* focus = fw::Window::GetFocus();
  ASSERT_NE(focus, nullptr);
  fw::PressKey(*focus, vk);
  fw::Application::ProcessMessagesFor(20);
}

TEST(PopUpScrollList, AfterAChoiceOrF4TheGridHasTheKeysAgain) {
  for (const bool choose : {true, false}) {
    SCOPED_TRACE(choose ? "a choice" : "F4");
    Opened o(3, 0);
    auto* check = o.rig.Add<controls::CCellCheckBox>(0, 1, "1");
    fw::Application::ProcessMessagesFor(20);
    ASSERT_EQ(fw::Window::GetFocus(), o.list);
    if (choose) {
      fw::ClickAt(*o.list, {10, 5});
    } else {
      fw::PressKey(*o.list, fw::VK_F4);
    }
    fw::Application::ProcessMessagesFor(20);
    ASSERT_FALSE(o.combo->IsOpen());
    EXPECT_EQ(fw::Window::GetFocus(), &o.rig.grid);
    EXPECT_TRUE(o.rig.grid.HasListFocus());
    EXPECT_EQ(o.rig.grid.GetActiveCell(), o.combo);

    PressFocused(fw::VK_F4);  // opens the list again, and F4 there closes it
    EXPECT_TRUE(o.combo->IsOpen());
    PressFocused(fw::VK_F4);
    EXPECT_FALSE(o.combo->IsOpen());
    EXPECT_EQ(fw::Window::GetFocus(), &o.rig.grid);
    // Opened and closed before the list's activation came through: the grid's wins.
    fw::PressKey(o.rig.grid, fw::VK_F4);
    fw::PressKey(*o.list, fw::VK_F4);
    fw::Application::ProcessMessagesFor(20);
    EXPECT_EQ(fw::Window::GetFocus(), &o.rig.grid);

    PressFocused(fw::VK_TAB);  // into the cells at the first one
    EXPECT_EQ(o.rig.grid.GetActiveCell(), check);
    PressFocused(fw::VK_TAB);
    EXPECT_EQ(o.rig.grid.GetActiveCell(), o.combo);
    PressFocused(fw::VK_TAB);  // past the last: on to the next control
    EXPECT_TRUE(o.rig.GetDlgItem(gridtest::kNextId)->HasFocus());
  }
}

TEST(PopUpScrollList, TheWheelNeverLeadsToAChoiceOutsideTheOptions) {
  // Selection 9 opens with options 4 to 9 and the bottom row highlighted.
  for (int delta : {240, 120, -120, -240}) {
    Opened o(10, 9);
    ASSERT_EQ(o.list->GetHotRow(), 5);
    fw::Msg wheel = Input(*o.list, fw::MsgKind::MouseWheel);
    wheel.wheelDelta = delta;
    EXPECT_TRUE(o.list->OnInput(wheel));
    EXPECT_GE(o.list->GetHotRow(), 0);
    EXPECT_LT(o.list->GetHotRow(), 6);
    fw::ClickAt(*o.list, {10, 5});
    EXPECT_GE(o.combo->GetCurSel(), 0) << delta;
    EXPECT_LT(o.combo->GetCurSel(), 10) << delta;
    if (delta > 0) {
      EXPECT_EQ(o.combo->GetCurSel(), 8) << delta;  // scrolled up by one, the highlight kept on a shown row
    }
  }
  // A notification naming no option changes nothing, and the list still closes.
  Opened o(3, 1);
  o.rig.grid.SendMessage(controls::WM_CELL_POPUP_NOTIFY, controls::CELL_POPUP_SELECT, 3);
  EXPECT_EQ(o.combo->GetCurSel(), 1);
  EXPECT_FALSE(o.combo->IsOpen());
}

// The list's notifications as its grid receives them.
class NotifiedGrid : public controls::CConfigListCtrl {
 public:
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override {
    if (msg == controls::WM_CELL_POPUP_NOTIFY) {
      notes.emplace_back(static_cast<unsigned>(wParam), static_cast<int>(lParam));
    }
    return 1;
  }
  std::vector<std::pair<unsigned, int>> notes;
};

// Only a highlighted row that still holds an option is a choice: the options may have gone fewer
// under an open list.
TEST(PopUpScrollList, ChoosesOnlyAnOptionThatExists) {
  struct Case {
    int hotRow;
    int optionsNow;
    std::pair<unsigned, int> note;
  };
  const Case cases[] = {
      {5, 10, {controls::CELL_POPUP_SELECT, 9}},
      {5, 9, {controls::CELL_POPUP_CLOSED, 0}},
      {-1, 10, {controls::CELL_POPUP_CLOSED, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << c.hotRow << " of " << c.optionsNow);
    NotifiedGrid grid;
    CCellComboBox combo;
    combo.Init(&grid, nullptr, Options(10));
    CPopUpScrollList list;
    ASSERT_TRUE(list.Create(&grid, &combo));
    list.SetTopOption(4);
    list.SetHotRow(c.hotRow);
    combo.Init(&grid, nullptr, Options(c.optionsNow));
    list.ClosePopup();
    EXPECT_EQ(grid.notes, (std::vector<std::pair<unsigned, int>>{c.note}));
  }
}

TEST(PopUpScrollList, ScrollingTheGridHidesItAndTheCellOpensAgain) {
  Opened o(10, 0);
  o.rig.grid.SendMessage(fw::WM_VSCROLL, fw::MakeScrollParam(fw::SB_LINEDOWN, 0), 0);
  EXPECT_FALSE(o.list->IsWindowVisible());
  EXPECT_FALSE(o.rig.popupOpen);
  fw::ClickAt(o.rig.grid, o.rig.CellPoint(0, 2));
  EXPECT_TRUE(o.combo->IsOpen());
  fw::ClickAt(o.rig.grid, o.rig.CellPoint(0, 2));  // the cell again: closed without a choice
  EXPECT_FALSE(o.combo->IsOpen());
  EXPECT_FALSE(o.rig.popupOpen);
  EXPECT_EQ(o.combo->GetCurSel(), 0);
}

TEST(PopUpScrollList, TurningTheWheelOverTheGridScrollsItAndHidesTheList) {
  GridRig rig(30);
  auto* combo = rig.AddCombo(0, Options(10), 0);
  fw::ClickAt(rig.grid, rig.CellPoint(0, 2));
  ASSERT_TRUE(combo->IsOpen());
  fw::TurnWheel(rig.grid, rig.CellPoint(1, 1), -120);
  EXPECT_GT(rig.grid.GetSubItemRect(0, 2, fw::LVIR_LABEL).top, -1000);
  EXPECT_LT(rig.grid.GetSubItemRect(0, 2, fw::LVIR_LABEL).top, 0);  // the rows moved up
  EXPECT_FALSE(combo->IsOpen());
  EXPECT_FALSE(combo->GetScrollList()->IsWindowVisible());
  EXPECT_FALSE(rig.popupOpen);
}

TEST(PopUpScrollList, FocusGoingElsewhereEndsTheEdit) {
  Opened o(10, 0);
  fw::Msg lost = Input(o.rig.grid, fw::MsgKind::KillFocus);
  lost.other = &o.rig;
  o.rig.grid.OnInput(lost);
  EXPECT_EQ(o.rig.grid.GetActiveCell(), nullptr);
  EXPECT_FALSE(o.list->IsWindowVisible());
  EXPECT_FALSE(o.rig.popupOpen);
  EXPECT_FALSE(o.rig.grid.HasListFocus());
}

TEST(PopUpScrollList, CellsGoSafelyWhileTheirListIsOpen) {
  {
    Opened o(10, 0);
    o.rig.grid.RemoveAllCells();
    EXPECT_EQ(o.rig.grid.GetActiveCell(), nullptr);
    EXPECT_FALSE(o.rig.popupOpen);
  }
  // A page going away before its grid: the grid writes nothing to the page's flag any more.
  auto rig = std::make_unique<GridRig>(1);
  auto page = std::make_unique<bool>(false);
  rig->grid.SetHost({page.get(), {}, {}, {}, {}});
  rig->AddCombo(0, Options(4), 0);
  fw::ClickAt(rig->grid, rig->CellPoint(0, 2));
  EXPECT_TRUE(*page);
  page.reset();
  rig.reset();  // a write through the flag would be a use after free
}

}  // namespace
