#include "pages/settings/rules/SettingsGridRules.h"

#include "app/UpdaterDlg.h"
#include "controls/grid/CellCheckBox.h"
#include "controls/grid/CellComboBox.h"
#include "pages/settings/DialogDeviceSetting.h"
#include "settings/catalogue/Catalogue.h"
#include "settings/rules/GridEditRules.h"

namespace pages {

namespace {

constexpr int kValueColumn = 2;

// The rows the grid was built from: the chosen product and the firmware of the device as last
// recognised.
const settings::RowList* GridRows(const CDialogDeviceSetting& page) {
  const app::CUpdaterDlg* main = page.MainWindow();
  if (!main) return nullptr;
  const auto place = settings::Locate(main->m_nDeviceTarget, main->m_deviceSettings);
  return place ? place->list : nullptr;
}

void ShowCheck(controls::CConfigListCtrl& grid, int row, bool disableShown) {
  auto* check = dynamic_cast<controls::CCellCheckBox*>(grid.GetCell(row, kValueColumn));
  if (!check) return;
  check->SetCheck(disableShown);
  grid.SetCellText(check, check->GetText());
  grid.InvalidateRect(grid.GetSubItemRect(row, kValueColumn, fw::LVIR_LABEL), false);
}

void RunCheckRules(CDialogDeviceSetting& page, int row) {
  const settings::RowList* rows = GridRows(page);
  controls::CConfigListCtrl& grid = page.m_gridSettings;
  const auto* check = dynamic_cast<const controls::CCellCheckBox*>(grid.GetCell(row, kValueColumn));
  if (!rows || !check) return;
  const settings::rules::CheckClickResult result =
      settings::rules::ApplyCheckClick(*rows, row, check->GetCheck(), page.m_editedSettings);
  if (!result.changed) return;
  for (const settings::rules::CellCheck& shown : result.checks) ShowCheck(grid, shown.row, shown.disableShown);
  if (result.repaintAll) grid.Invalidate(true);
  for (const settings::rules::CellGrey& grey : result.greys) grid.SetCellDisabled(grey.row, kValueColumn, grey.disabled);
  page.RefreshSettingsPageTexts();
  if (app::CUpdaterDlg* main = page.MainWindow()) main->RefreshControls();
}

}  // namespace

void RunGridClickRules(CDialogDeviceSetting& page, int row, int column) {
  if (column == kValueColumn) RunCheckRules(page, row);
}

void RunGridChoiceRules(CDialogDeviceSetting& page, int row) {
  const settings::RowList* rows = GridRows(page);
  const auto* combo = dynamic_cast<const controls::CCellComboBox*>(page.m_gridSettings.GetCell(row, kValueColumn));
  if (!rows || !combo) return;
  settings::rules::ApplyOptionChoice(*rows, row, combo->GetCurSel(), page.m_editedSettings);
}

}  // namespace pages
