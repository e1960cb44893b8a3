// The grid's cell map, its re-keying on inserted rows and columns, and Tab between cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "controls/grid/GridRig.h"
#include "framework/Application.h"
#include "framework/TestSeams.h"

namespace {

using controls::CCellCheckBox;
using controls::CConfigListCtrl;
using gridtest::GridRig;

// Counts how many of its kind are alive, to see the grid delete what it owns.
class CountedCell : public CCellCheckBox {
 public:
  CountedCell() { ++alive; }
  ~CountedCell() override { --alive; }
  static inline int alive = 0;
};

std::vector<std::pair<int, int>> Positions(CConfigListCtrl& grid) {
  std::vector<std::pair<int, int>> out;
  uint32_t key = grid.PrevCellKey(CConfigListCtrl::kNoKey);  // the last key
  for (; key != CConfigListCtrl::kNoKey; key = grid.PrevCellKey(key)) {
    out.insert(out.begin(), {CConfigListCtrl::KeyRow(key), CConfigListCtrl::KeyColumn(key)});
  }
  return out;
}

TEST(ConfigListCtrl, OwnsItsCellsAndKeepsTextsWithThem) {
  {
    GridRig rig(3);
    rig.Add<CountedCell>(0, 2, "1");
    rig.Add<CountedCell>(1, 2, "0");
    EXPECT_EQ(CountedCell::alive, 2);
    rig.Add<CountedCell>(0, 2, "");  // replaces
    EXPECT_EQ(CountedCell::alive, 2);
    EXPECT_EQ(rig.grid.GetItemText(0, 2), "0");
    EXPECT_FALSE(rig.grid.SetCellDisabled(2, 2, true));
    EXPECT_TRUE(rig.grid.SetCellDisabled(1, 2, true));

    rig.grid.RemoveCell(1, 2);
    EXPECT_EQ(CountedCell::alive, 1);
    EXPECT_EQ(rig.grid.GetCell(1, 2), nullptr);
    EXPECT_EQ(rig.grid.GetItemText(1, 2), "");

    rig.Add<CountedCell>(2, 1, "1");
    rig.grid.SetItem(2, 1, fw::LVIF_TEXT, "label");
    EXPECT_EQ(rig.grid.GetCell(2, 1), nullptr);
    EXPECT_EQ(rig.grid.GetItemText(2, 1), "label");
    EXPECT_EQ(CountedCell::alive, 1);
    rig.Add<CountedCell>(2, 2, "1");
  }
  EXPECT_EQ(CountedCell::alive, 0);  // the grid's destruction deletes the rest
}

TEST(ConfigListCtrl, InsertedRowsAndColumnsMoveTheCellsBehindThem) {
  GridRig rig(3);
  auto* top = rig.Add<CCellCheckBox>(0, 2, "1");
  auto* bottom = rig.Add<CCellCheckBox>(2, 2, "0");
  rig.grid.SetItemText(2, 1, "third");

  EXPECT_EQ(rig.grid.InsertItem(1, "new"), 1);
  EXPECT_EQ(rig.grid.GetCell(0, 2), top);
  EXPECT_EQ(rig.grid.GetCell(2, 2), nullptr);
  EXPECT_EQ(rig.grid.GetCell(3, 2), bottom);
  EXPECT_EQ(rig.grid.GetItemText(3, 1), "third");
  EXPECT_EQ(Positions(rig.grid), (std::vector<std::pair<int, int>>{{0, 2}, {3, 2}}));

  // A column at 0: keys and texts move one column right.
  rig.grid.InsertColumn(0, "", fw::LVCFMT_LEFT, 20);
  EXPECT_EQ(rig.grid.GetCell(3, 3), bottom);
  EXPECT_EQ(rig.grid.GetItemText(3, 2), "third");
  EXPECT_EQ(rig.grid.GetItemText(3, 0), "");
  EXPECT_EQ(Positions(rig.grid), (std::vector<std::pair<int, int>>{{0, 3}, {3, 3}}));

  rig.grid.DeleteAllItems();
  EXPECT_EQ(rig.grid.GetCellCount(), 0);
  EXPECT_EQ(rig.grid.GetItemCount(), 0);
}

TEST(ConfigListCtrl, DroppingARowOrColumnOfKeysTakesItsCellsOutOfTheTabOrder) {
  // Neither the dropped row's nor the dropped column's key may slide onto a free position.
  GridRig rig(3);
  rig.Add<CCellCheckBox>(0, 1, "1");
  rig.Add<CCellCheckBox>(1, 2, "1");
  rig.Add<CCellCheckBox>(2, 2, "1");
  rig.grid.ShiftKeyRows(1, false);
  EXPECT_EQ(Positions(rig.grid), (std::vector<std::pair<int, int>>{{0, 1}, {1, 2}}));
  rig.grid.ShiftKeyColumns(1, false);
  EXPECT_EQ(Positions(rig.grid), (std::vector<std::pair<int, int>>{{1, 1}}));
}

TEST(ConfigListCtrl, NeighbourKeys) {
  GridRig rig(3);
  rig.Add<CCellCheckBox>(0, 2, "1");
  rig.Add<CCellCheckBox>(2, 0, "1");
  const uint32_t first = CConfigListCtrl::MakeKey(0, 2);
  const uint32_t last = CConfigListCtrl::MakeKey(2, 0);
  EXPECT_EQ(last, 0x20000u);
  EXPECT_EQ(rig.grid.NextCellKey(first), last);
  EXPECT_EQ(rig.grid.NextCellKey(last), CConfigListCtrl::kNoKey);
  EXPECT_EQ(rig.grid.NextCellKey(CConfigListCtrl::MakeKey(1, 1)), CConfigListCtrl::kNoKey);
  EXPECT_EQ(rig.grid.PrevCellKey(last), first);
  EXPECT_EQ(rig.grid.PrevCellKey(first), CConfigListCtrl::kNoKey);
  EXPECT_EQ(rig.grid.PrevCellKey(CConfigListCtrl::MakeKey(1, 1)), last);
}

fw::Msg Key(fw::Window& target, fw::MsgKind kind, bool shift = false) {
  fw::Msg msg;
  msg.kind = kind;
  msg.target = &target;
  msg.key = fw::VK_TAB;
  msg.flags = shift ? unsigned{fw::MK_SHIFT} : 0u;
  return msg;
}

// A Tab as the grid sees it; true when it stayed in the grid.
bool Tab(CConfigListCtrl& grid, bool shift = false) {
  const bool kept = grid.PreTranslateMessage(Key(grid, fw::MsgKind::KeyDown, shift));
  grid.PreTranslateMessage(Key(grid, fw::MsgKind::KeyUp, shift));
  return kept;
}

// The key-up of the Tab that brought the focus from the control before the grid.
void TabArrives(CConfigListCtrl& grid) { grid.PreTranslateMessage(Key(grid, fw::MsgKind::KeyUp)); }

TEST(ConfigListCtrl, TabMovesThroughEnabledCellsInKeyOrder) {
  GridRig rig(3);
  rig.Add<CCellCheckBox>(0, 2, "1");
  rig.Add<CCellCheckBox>(1, 2, "1");
  rig.Add<CCellCheckBox>(2, 2, "1");
  rig.grid.SetCellDisabled(1, 2, true);

  TabArrives(rig.grid);
  EXPECT_TRUE(Tab(rig.grid));
  EXPECT_EQ(rig.grid.GetActiveRow(), 0);
  EXPECT_TRUE(rig.grid.GetActiveCell()->IsActive());
  EXPECT_EQ(rig.grid.GetItemState(0, fw::LVIS_SELECTED), fw::LVIS_SELECTED);
  EXPECT_TRUE(Tab(rig.grid));
  EXPECT_EQ(rig.grid.GetActiveRow(), 2);
  EXPECT_EQ(rig.grid.GetItemState(0, fw::LVIS_SELECTED), 0u);
  EXPECT_FALSE(Tab(rig.grid));  // leaves the grid

  rig.grid.EndEdit();
  TabArrives(rig.grid);
  EXPECT_TRUE(Tab(rig.grid, true));  // Shift+Tab enters at the last enabled cell
  EXPECT_EQ(rig.grid.GetActiveRow(), 2);
  EXPECT_TRUE(Tab(rig.grid, true));
  EXPECT_EQ(rig.grid.GetActiveRow(), 0);
  EXPECT_FALSE(Tab(rig.grid, true));

  // A row inserted above moves the cell and the Tab order with it.
  rig.grid.EndEdit();
  rig.grid.InsertItem(1, "");
  TabArrives(rig.grid);
  EXPECT_TRUE(Tab(rig.grid));
  EXPECT_TRUE(Tab(rig.grid));
  EXPECT_EQ(rig.grid.GetActiveRow(), 3);

  // A row inserted at the active row moves the edit down with its cell, and Tab goes on from there.
  EXPECT_FALSE(Tab(rig.grid));
  rig.grid.EndEdit();
  rig.grid.SetCellDisabled(2, 2, false);
  TabArrives(rig.grid);
  EXPECT_TRUE(Tab(rig.grid));
  EXPECT_TRUE(Tab(rig.grid));
  ASSERT_EQ(rig.grid.GetActiveRow(), 2);
  controls::CCellCtrl* active = rig.grid.GetActiveCell();
  rig.grid.InsertItem(2, "");
  EXPECT_EQ(rig.grid.GetActiveRow(), 3);
  EXPECT_EQ(rig.grid.GetActiveCell(), active);
  EXPECT_TRUE(Tab(rig.grid));
  EXPECT_EQ(rig.grid.GetActiveRow(), 4);
}

TEST(ConfigListCtrl, TabPassesThroughWhenNoCellCanTakeIt) {
  GridRig rig(2);
  EXPECT_FALSE(Tab(rig.grid));  // no cells at all
  rig.Add<CCellCheckBox>(0, 2, "1");
  rig.Add<CCellCheckBox>(1, 2, "1");
  rig.grid.SetCellDisabled(0, 2, true);
  rig.grid.SetCellDisabled(1, 2, true);
  TabArrives(rig.grid);
  EXPECT_FALSE(Tab(rig.grid));
  EXPECT_FALSE(Tab(rig.grid, true));
  EXPECT_EQ(rig.grid.GetActiveCell(), nullptr);

  // No key-up seen since the last Tab and no active cell (a click beside the cells ended the
  // edit): the Tab leaves at once.
  rig.grid.SetCellDisabled(0, 2, false);
  TabArrives(rig.grid);
  EXPECT_TRUE(rig.grid.PreTranslateMessage(Key(rig.grid, fw::MsgKind::KeyDown)));
  rig.grid.EndEdit();
  EXPECT_FALSE(rig.grid.PreTranslateMessage(Key(rig.grid, fw::MsgKind::KeyDown)));
  EXPECT_EQ(rig.grid.GetActiveCell(), nullptr);
}

}  // namespace

namespace {

TEST(ConfigListCtrl, TabAndFocusReachTheGridThroughTheInputPath) {
  gridtest::GridRig rig(2);
  rig.Add<CCellCheckBox>(1, 2, "1");
  rig.grid.SetFocus();
  fw::Application::ProcessMessagesFor(20);
  EXPECT_TRUE(rig.grid.HasListFocus());
  TabArrives(rig.grid);
  fw::PressKey(rig.grid, fw::VK_TAB);
  EXPECT_EQ(rig.grid.GetActiveRow(), 1);
  EXPECT_TRUE(rig.grid.HasListFocus());
  fw::PressKey(rig.grid, fw::VK_TAB);  // past the last cell: on to the next control
  EXPECT_FALSE(rig.grid.HasListFocus());
  EXPECT_EQ(rig.grid.GetActiveCell(), nullptr);
  EXPECT_TRUE(rig.GetDlgItem(gridtest::kNextId)->HasFocus());
}

}  // namespace

namespace {

TEST(ConfigListCtrl, AutoSizeTakesTheWidestCellOrText) {
  gridtest::GridRig rig(3);
  auto* narrow = rig.Add<controls::CCellComboBox>(0, 2, "a\nb\na");
  auto* wide = rig.Add<controls::CCellComboBox>(1, 2, "A much longer option\nx\nA much longer option");
  rig.grid.SetItemText(2, 2, "mid-sized text");
  rig.grid.AutoSizeColumn(2);
  const int widest = std::max({narrow->GetPreferredWidth(), wide->GetPreferredWidth(),
                               rig.grid.GetStringWidth("mid-sized texti")});
  EXPECT_EQ(widest, wide->GetPreferredWidth());
  EXPECT_EQ(rig.grid.GetColumnWidth(2), widest);
  // Each cell learns its new rectangle.
  EXPECT_EQ(wide->GetTextRect().right, rig.grid.GetSubItemRect(1, 2, fw::LVIR_LABEL).right - 19);
}

}  // namespace
