// The grid's cells on their own: style words, the text rules of combo boxes and check boxes, what
// a click does to a check box, and what each kind draws.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/SystemMetrics.h"
#include "framework/TestSeams.h"
#include "controls/grid/GridRig.h"

namespace {

using controls::CCellCheckBox;
using controls::CCellComboBox;
using controls::CCellPushButton;
using gridtest::GridRig;

TEST(GridCells, MessageCodesAndStyleWords) {
  EXPECT_EQ(controls::WM_CELL_POPUP_NOTIFY, 0x1400u);
  EXPECT_EQ(controls::CELL_POPUP_SELECT, 0xA000u);
  EXPECT_EQ(controls::CELL_POPUP_TRACK, 0xB000u);
  EXPECT_EQ(controls::CELL_POPUP_CLOSED, 0xC000u);
  using namespace controls;
  const std::vector<uint32_t> bits = {CELL_STYLE_FONT_WHEN_ACTIVE, CELL_STYLE_FRAME_WHEN_ACTIVE,
                                      CELL_STYLE_SUNKEN_WHEN_ACTIVE, CELL_STYLE_DISABLED,
                                      CELL_STYLE_RIGHT, CELL_STYLE_CENTER,
                                      CELL_STYLE_FRAME_WHEN_INACTIVE, CELL_STYLE_SUNKEN_WHEN_INACTIVE};
  for (size_t i = 0; i < bits.size(); ++i) EXPECT_EQ(bits[i], 1u << i);

  // A combo box is sunken whether active or not through its class word alone; the other kinds
  // start centred with an empty word, and each class keeps its own word.
  CCellComboBox combo;
  CCellCheckBox check;
  CCellPushButton push;
  EXPECT_EQ(combo.GetStyle(), 0x84u);
  EXPECT_EQ(check.GetStyle(), 0x20u);
  EXPECT_EQ(push.GetStyle(), 0x20u);
  check.AddClassStyle(controls::CELL_STYLE_RIGHT);
  EXPECT_EQ(CCellCheckBox().GetStyle(), 0x30u);
  EXPECT_EQ(push.GetStyle(), 0x20u);
  check.RemoveClassStyle(controls::CELL_STYLE_RIGHT);
  combo.AddStyle(controls::CELL_STYLE_DISABLED);
  EXPECT_EQ(combo.GetStyle(), 0x8Cu);
  combo.RemoveStyle(controls::CELL_STYLE_DISABLED);
  EXPECT_EQ(combo.GetStyle(), 0x84u);
}

TEST(GridCells, ComboBoxInitSplitsOptionsAndFindsTheCurrentValue) {
  struct Case {
    std::string text;
    std::vector<std::string> options;
    int selection;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"a\nb\nA", {"b", "A"}, 1, "A"},   // first line names the value, matched ignoring case
      {"x\ny", {"x", "y"}, -1, ""},       // options only: nothing chosen
      {"Ä\nb\nä", {"b", "ä"}, 1, "ä"},   // case folds beyond ASCII
      {"x\n", {"x", ""}, -1, ""},         // a trailing line feed is an empty option
      {"", {""}, -1, ""},
  };
  GridRig rig(1);
  for (const Case& c : cases) {
    auto* combo = rig.Add<CCellComboBox>(0, 2, c.text);
    std::vector<std::string> options;
    for (int i = 0; i < combo->GetOptionCount(); ++i) options.push_back(combo->GetOption(i));
    EXPECT_EQ(options, c.options) << c.text;
    EXPECT_EQ(combo->GetCurSel(), c.selection) << c.text;
    EXPECT_EQ(combo->GetText(), c.shown) << c.text;
    EXPECT_EQ(rig.grid.GetItemText(0, 2), c.shown) << c.text;
  }
}

TEST(GridCells, SetCurSelTakesOnlyAnOption) {
  GridRig rig(1);
  auto* combo = rig.Add<CCellComboBox>(0, 2, "x\ny");
  EXPECT_FALSE(combo->SetCurSel(2));
  EXPECT_FALSE(combo->SetCurSel(-1));
  EXPECT_EQ(combo->GetCurSel(), -1);
  EXPECT_EQ(combo->GetText(), "");
  EXPECT_TRUE(combo->SetCurSel(1));
  EXPECT_EQ(combo->GetText(), "y");
  EXPECT_EQ(rig.grid.GetItemText(0, 2), "y");
  EXPECT_FALSE(combo->SetCurSel(2));
  EXPECT_EQ(combo->GetCurSel(), 1);
  EXPECT_EQ(rig.grid.GetItemText(0, 2), "y");
}

TEST(GridCells, CheckBoxInitKeepsAValueCharacterFirst) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "0"}, {"abc", "0abc"}, {"1", "1"}, {"0x", "0x"}, {"1 on", "1 on"}, {"2", "02"}};
  GridRig rig(1);
  for (const auto& [given, kept] : cases) {
    auto* check = rig.Add<CCellCheckBox>(0, 2, given);
    EXPECT_EQ(check->GetText(), kept) << given;
    EXPECT_EQ(rig.grid.GetItemText(0, 2), kept) << given;
    EXPECT_EQ(check->GetCheck(), kept[0] == '1') << given;
  }
}

TEST(GridCells, TwoCircleClickSwitchesOnlyFromTheUnselectedHalf) {
  GridRig rig(2);
  auto* check = rig.Add<CCellCheckBox>(0, 2, "1");
  check->SetLeftLabel("Enable");
  check->SetRightLabel("Disable");
  auto* disabled = rig.Add<CCellCheckBox>(1, 2, "1");
  disabled->SetLeftLabel("Enable");
  disabled->SetRightLabel("Disable");
  rig.grid.SetCellDisabled(1, 2, true);
  rig.PaintRows();

  fw::ClickAt(rig.grid, rig.CellPoint(0, 2, 150));  // the right half: already selected
  EXPECT_EQ(check->GetText(), "1");
  fw::ClickAt(rig.grid, rig.CellPoint(0, 2, 30));  // the left half
  EXPECT_EQ(check->GetText(), "0");
  EXPECT_EQ(rig.grid.GetItemText(0, 2), "0");
  EXPECT_EQ(rig.grid.GetActiveRow(), 0);
  EXPECT_EQ(rig.clicks.back(), std::make_pair(0, 2));

  fw::ClickAt(rig.grid, rig.CellPoint(1, 2, 30));
  EXPECT_EQ(disabled->GetText(), "1");
  EXPECT_EQ(rig.grid.GetActiveCell(), nullptr);  // the click ended the edit
  EXPECT_FALSE(check->IsActive());

  // Another page's grid runs no editing rules. Repainted, "0" makes the right half clickable.
  rig.page = 4;
  const size_t ruled = rig.clicks.size();
  rig.PaintRows();
  fw::ClickAt(rig.grid, rig.CellPoint(0, 2, 150));
  EXPECT_EQ(check->GetText(), "1");
  EXPECT_EQ(rig.clicks.size(), ruled);
}

TEST(GridCells, SingleCircleSitsByAlignmentAndNeedsRoomToBeClicked) {
  // The recording device context measures 7 pixels a character: "On" takes 14, with its circle 34.
  struct Case {
    int width;
    uint32_t removed, added;
    int imageOffset;  // from the cell's left edge; -1: no circle
    int imageFromRight;
  };
  const std::vector<Case> cases = {
      {200, 0, 0, (200 - 34) / 2, 0},                                                 // centred (the default)
      {200, controls::CELL_STYLE_CENTER, 0, 0, 0},                                    // left
      {200, controls::CELL_STYLE_CENTER, controls::CELL_STYLE_RIGHT, 0, 34 + 21},     // right
      {30, 0, 0, 0, 0},                                                               // narrower than it needs
      {15, 0, 0, -1, 0},                                                              // no room for the circle
  };
  for (const Case& c : cases) {
    GridRig rig(1);
    rig.grid.SetColumnWidth(2, c.width);
    auto* check = rig.Add<CCellCheckBox>(0, 2, "1On");
    check->RemoveStyle(c.removed);
    check->AddStyle(c.added);
    const fw::Rect cell = rig.grid.GetSubItemRect(0, 2, fw::LVIR_LABEL);
    const std::vector<fw::DrawCall> images = rig.PaintRows().Calls("DrawImage");
    if (c.imageOffset < 0) {
      EXPECT_TRUE(images.empty()) << c.width;
      EXPECT_TRUE(check->GetHotRect()->IsRectEmpty()) << c.width;
      continue;
    }
    ASSERT_EQ(images.size(), 1u) << c.width;
    EXPECT_EQ(images[0].value, 1) << c.width;
    const int left = c.imageFromRight ? cell.right - c.imageFromRight : cell.left + c.imageOffset;
    EXPECT_EQ(images[0].rect.TopLeft(), (fw::Point{left, cell.top})) << c.width;
    EXPECT_EQ(*check->GetHotRect(), fw::Rect::FromXYWH(left, cell.top, 20, 20)) << c.width;
  }
}

TEST(GridCells, CheckBoxDrawsItsCirclesAndGreysWhenDisabled) {
  GridRig rig(1);
  auto* check = rig.Add<CCellCheckBox>(0, 2, "1");
  check->SetLeftLabel("Enable");
  check->SetRightLabel("Disable");
  const fw::Rect cell = rig.grid.GetSubItemRect(0, 2, fw::LVIR_LABEL);
  const int half = cell.Width() / 2;

  fw::RecordingDeviceContext dc = rig.PaintRows();
  std::vector<fw::DrawCall> images = dc.Calls("DrawImage");
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].value, 0);  // "1": the left circle empty, the right one selected
  EXPECT_EQ(images[0].rect.TopLeft(), (fw::Point{cell.left, cell.top + 1}));
  EXPECT_EQ(images[1].value, 1);
  EXPECT_EQ(images[1].rect.TopLeft(), (fw::Point{cell.left + half, cell.top + 1}));
  const std::vector<fw::DrawCall> texts = dc.Calls("DrawText");
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[texts.size() - 2].text, "Enable");
  EXPECT_EQ(texts[texts.size() - 2].rect.TopLeft(), (fw::Point{cell.left + 20, cell.top + 3}));
  EXPECT_EQ(dc.TextColourOf("Disable"), fw::colours::kWindowText);

  rig.grid.SetCellDisabled(0, 2, true);
  dc = rig.PaintRows();
  images = dc.Calls("DrawImage");
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].value, 2);
  EXPECT_EQ(images[1].value, 3);
  EXPECT_EQ(dc.TextColourOf("Disable"), fw::colours::kGrayText);

  // A disabled list greys every cell, whatever its own style says.
  rig.grid.SetCellDisabled(0, 2, false);
  rig.grid.EnableWindow(false);
  images = rig.PaintRows().Calls("DrawImage");
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[1].value, 3);
}

TEST(GridCells, RowsAre27PixelsAndAnEmptyHelpButtonDrawsItsBitmap) {
  GridRig rig(2);
  auto* help = rig.Add<CCellPushButton>(0, 0, "");
  help->SetBitmapId(188);
  rig.grid.SetItemText(1, 1, "Plain label");
  const fw::RecordingDeviceContext dc = rig.PaintRows();
  EXPECT_EQ(rig.grid.GetRowHeight(), 27);
  EXPECT_EQ(rig.grid.GetSubItemRect(1, 0, fw::LVIR_BOUNDS).Height(), 27);

  const fw::Rect cell = rig.grid.GetSubItemRect(0, 0, fw::LVIR_LABEL);
  const std::vector<fw::DrawCall> pictures = dc.Calls("DrawTransparent");
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].text, "188");
  EXPECT_EQ(pictures[0].rect, fw::Rect::FromXYWH(cell.left + 3, cell.top + 2, 16, 16));
  EXPECT_EQ(pictures[0].colour, fw::colours::kWhite);
  // A row lower than 30 pixels leaves no button face to click.
  EXPECT_TRUE(help->GetHotRect()->IsRectEmpty());

  // Another button and another paint show the picture already decoded.
  const int decodes = fw::Bitmap::ResourceDecodes();
  rig.Add<CCellPushButton>(1, 0, "")->SetBitmapId(188);
  EXPECT_EQ(rig.PaintRows().Calls("DrawTransparent").size(), 2u);
  EXPECT_EQ(fw::Bitmap::ResourceDecodes(), decodes);

  // A button without a picture draws none, not a stand-in.
  rig.Add<CCellPushButton>(1, 0, "");
  EXPECT_EQ(rig.PaintRows().Calls("DrawTransparent").size(), 1u);
}

TEST(GridCells, ComboBoxIsSunkenWithItsArrowAtTheRight) {
  GridRig rig(1);
  rig.AddCombo(0, "Low\nHigh", 1);
  const fw::Rect cell = rig.grid.GetSubItemRect(0, 2, fw::LVIR_LABEL);
  fw::RecordingDeviceContext dc = rig.PaintRows();
  ASSERT_EQ(dc.Calls("DrawEdge").size(), 1u);
  EXPECT_EQ(dc.Calls("DrawEdge")[0].rect, cell);
  EXPECT_EQ(dc.Calls("DrawEdge")[0].value, static_cast<int>(fw::Edge::Sunken));
  ASSERT_EQ(dc.Calls("DrawComboArrow").size(), 1u);
  const fw::Rect arrow{cell.right - 19, cell.top + 2, cell.right - 2, cell.bottom - 2};
  EXPECT_EQ(dc.Calls("DrawComboArrow")[0].rect, arrow);
  EXPECT_EQ(dc.Calls("DrawComboArrow")[0].flags, fw::ARROW_NORMAL);
  EXPECT_EQ(dc.TextColourOf("High"), fw::colours::kWindowText);

  rig.grid.SetCellDisabled(0, 2, true);
  dc = rig.PaintRows();
  EXPECT_EQ(dc.Calls("DrawComboArrow")[0].flags, fw::ARROW_INACTIVE);
  bool filledGrey = false;
  for (const fw::DrawCall& fill : dc.Calls("FillSolidRect")) {
    filledGrey |= fill.rect == cell && fill.colour == fw::colours::kButtonFace;
  }
  EXPECT_TRUE(filledGrey);
  EXPECT_EQ(dc.TextColourOf("High"), fw::colours::kGrayText);
}

TEST(GridCells, AComboNoWiderThanItsArrowHasNoArrowAndNeverOpens) {
  const int arrowWidth = fw::GetSystemMetrics(fw::SM_CXVSCROLL) + fw::GetSystemMetrics(fw::SM_CXEDGE);
  for (const int width : {arrowWidth, arrowWidth + 1}) {
    GridRig rig(1);
    CCellComboBox* combo = rig.AddCombo(0, "Low\nHigh", 0);
    const fw::Rect cell = rig.grid.GetSubItemRect(0, 2, fw::LVIR_LABEL);
    const fw::Rect rect = fw::Rect::FromXYWH(cell.left, cell.top, width, cell.Height());
    const bool room = width > arrowWidth;
    // Laid out, not yet painted.
    combo->SetCellRect(&rect);
    combo->SetActiveRect(&rect);
    combo->OnKeyDown(fw::VK_F4, 1, 0);
    EXPECT_EQ(combo->IsOpen(), room) << width;
    if (combo->IsOpen()) combo->OnKeyDown(fw::VK_F4, 1, 0);
    // Painted: the arrow only where it fits, and the cell opens only then.
    fw::RecordingDeviceContext dc;
    combo->Draw(dc, &rect, 0);
    EXPECT_EQ(dc.Calls("DrawComboArrow").size(), room ? 1u : 0u) << width;
    combo->OnKeyDown(fw::VK_F4, 1, 0);
    EXPECT_EQ(combo->IsOpen(), room) << width;
  }
}

TEST(GridCells, PlainTextsAlignRightInColumnZeroOnlyOnPage4) {
  GridRig rig(1);
  rig.grid.SetItemText(0, 0, "Name");
  for (int page : {4, 5}) {
    rig.page = page;
    const std::vector<fw::DrawCall> texts = rig.PaintRows().Calls("DrawText");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "Name");
    EXPECT_EQ((texts[0].flags & fw::DT_RIGHT) != 0, page == 4) << page;
    EXPECT_TRUE(texts[0].flags & fw::DT_BOTTOM);
  }
}

TEST(GridCells, OwnBitmapsHaveTheirSizesAndKeyColours) {
  const fw::Bitmap help = fw::Bitmap::Load(188);
  ASSERT_FALSE(help.IsPlaceholder());
  EXPECT_EQ(help.GetSize(), (fw::Size{16, 16}));
  EXPECT_EQ(help.GetPixel(0, 0), fw::colours::kWhite);
  const fw::Bitmap radios = fw::Bitmap::Load(303);
  ASSERT_FALSE(radios.IsPlaceholder());
  EXPECT_EQ(radios.GetSize(), (fw::Size{80, 20}));
  EXPECT_EQ(radios.GetPixel(0, 0), fw::RGB(255, 0, 255));
  EXPECT_EQ(CCellCheckBox::Images().GetImageCount(), 4);
}

}  // namespace
