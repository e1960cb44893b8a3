// While a drop-down cell of page 5's grid has its list open, a click anywhere else in the main
// window only ends the cell's editing; a click on the list itself chooses.
#include <gtest/gtest.h>

#include <memory>

#include "app/MainWindowFixture.h"
#include "app/MainWindowIds.h"
#include "controls/grid/CellComboBox.h"
#include "controls/grid/PopUpScrollList.h"
#include "framework/TestSeams.h"

namespace {

class GridPopupClickTest : public testing_app::StartedMainWindowTest {};

TEST_F(GridPopupClickTest, AClickElsewhereOnlyEndsTheEdit) {
  Recognise(W(), 0x5510);  // a product whose page shows the grid
  W().GoToPage(5);
  ASSERT_EQ(W().m_nCurrentPage, 5);
  pages::CDialogDeviceSetting& page = W().m_dlgDeviceSetting;
  controls::CConfigListCtrl& grid = page.m_gridSettings;
  grid.ShowWindow(true);
  for (int column = grid.GetColumnCount(); column < 3; ++column) grid.InsertColumn(column, "", fw::LVCFMT_LEFT, 100);
  grid.InsertItem(0, "");
  auto* combo = grid.AddCell(0, 2, std::make_unique<controls::CCellComboBox>(), "Low\nMedium\nHigh");
  combo->SetCurSel(0);
  const fw::Point cell = grid.GetSubItemRect(0, 2, fw::LVIR_LABEL).CenterPoint();

  fw::ClickAt(grid, cell);
  ASSERT_TRUE(combo->IsOpen());
  EXPECT_TRUE(page.m_bDropDownOpen);

  fw::Window& welcome = *W().GetDlgItem(app::IDC_NAV_WELCOME);
  fw::ClickAt(welcome, welcome.GetClientRect().CenterPoint());
  EXPECT_EQ(W().m_nCurrentPage, 5);  // the click went nowhere
  EXPECT_FALSE(page.m_bDropDownOpen);
  EXPECT_FALSE(combo->GetScrollList()->IsWindowVisible());
  EXPECT_EQ(grid.GetActiveCell(), nullptr);

  fw::ClickAt(grid, cell);
  ASSERT_TRUE(page.m_bDropDownOpen);
  fw::PressKey(*combo->GetScrollList(), fw::VK_DOWN);
  fw::ClickAt(*combo->GetScrollList(), {5, 5});
  EXPECT_EQ(combo->GetText(), "Medium");
  EXPECT_EQ(grid.GetItemText(0, 2), "Medium");
  EXPECT_FALSE(page.m_bDropDownOpen);
}

}  // namespace
