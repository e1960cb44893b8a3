#pragma once
// A small window holding one settings grid of three columns (help button, label, value), as the
// settings page lays it out, with the page's pop-up flag and hooks that record what the grid asks.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/grid/CellCheckBox.h"
#include "controls/grid/CellComboBox.h"
#include "controls/grid/CellPushButton.h"
#include "controls/grid/ConfigListCtrl.h"
#include "controls/grid/PopUpScrollList.h"
#include "framework/Dialog.h"
#include "framework/RecordingDeviceContext.h"

namespace gridtest {

constexpr int kGridId = 1201;
constexpr int kNextId = 1202;  // the control after the grid in the Tab order

inline const fw::DialogTemplate& GridTemplate() {
  static const fw::DialogTemplate tmpl{
      960, {330, 240}, "Arial", 10, fw::DS_POPUP, "Grid",
      {{kGridId, fw::ControlKind::ListView, fw::Du(4, 4, 308, 200),
        fw::CS_OWNERDRAW | fw::CS_NOCOLUMNHEADER | fw::CS_SINGLESEL | fw::CS_TABSTOP, "", 0},
       {kNextId, fw::ControlKind::PushButton, fw::Du(4, 220, 50, 14), fw::CS_TABSTOP, "Next", 0}}};
  return tmpl;
}

class GridRig : public fw::Dialog {
 public:
  explicit GridRig(int rows = 0) : fw::Dialog(GridTemplate()) {
    BindControl(kGridId, grid);
    controls::GridHost host;
    host.popupOpen = &popupOpen;
    host.currentPage = [this] { return page; };
    host.clickRules = [this](int row, int column) { clicks.emplace_back(row, column); };
    host.popupRules = [this](int row, int column) { choices.emplace_back(row, column); };
    host.refreshAfterPopup = [this] { ++refreshes; };
    grid.SetHost(std::move(host));
    Create(nullptr);
    MoveWindow(40, 40, GetWindowRect().Width(), GetWindowRect().Height());
    ShowWindow(true);
    grid.InsertColumn(0, "", fw::LVCFMT_LEFT, 30);
    grid.InsertColumn(1, "", fw::LVCFMT_LEFT, 200);
    grid.InsertColumn(2, "", fw::LVCFMT_LEFT, 200);
    for (int row = 0; row < rows; ++row) grid.InsertItem(row, "");
  }

  template <class Cell>
  Cell* Add(int row, int column, const std::string& text) {
    return grid.AddCell(row, column, std::make_unique<Cell>(), text);
  }
  controls::CCellComboBox* AddCombo(int row, const std::string& options, int selection) {
    auto* combo = Add<controls::CCellComboBox>(row, 2, options);
    combo->SetCurSel(selection);
    return combo;
  }
  // Paints every row the way the list does on screen, on a recording device context.
  fw::RecordingDeviceContext PaintRows() {
    fw::RecordingDeviceContext dc;
    for (int row = 0; row < grid.GetItemCount(); ++row) {
      fw::DrawItemStruct item;
      item.ctlId = kGridId;
      item.itemId = row;
      item.control = &grid;
      item.dc = &dc;
      item.rect = grid.GetSubItemRect(row, 0, fw::LVIR_BOUNDS);
      grid.DrawItem(item);
    }
    return dc;
  }
  fw::Point CellPoint(int row, int column, int dx = -1) const {
    const fw::Rect r = grid.GetSubItemRect(row, column, fw::LVIR_LABEL);
    return {dx < 0 ? r.CenterPoint().x : r.left + dx, r.CenterPoint().y};
  }

  controls::CConfigListCtrl grid;
  bool popupOpen = false;
  int page = 5;
  std::vector<std::pair<int, int>> clicks;
  std::vector<std::pair<int, int>> choices;
  int refreshes = 0;
};

}  // namespace gridtest
