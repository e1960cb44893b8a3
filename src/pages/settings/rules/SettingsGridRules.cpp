// Page 5's grid editing: a click in the value column or a choice in a drop-down's list goes into
// the edited record through the settings rules and the grid follows at once; a click on a help
// button opens the row's help.
#include "app/UpdaterDlg.h"
#include "controls/grid/CellCheckBox.h"
#include "controls/grid/CellComboBox.h"
#include "pages/settings/DialogDeviceSetting.h"
#include "settings/catalogue/Catalogue.h"
#include "settings/rules/GridEditRules.h"
#include "settings/rules/HelpEntries.h"

namespace pages {

namespace {

constexpr int kHelpColumn = 0;
constexpr int kValueColumn = 2;

// The rows the grid was built from: the chosen product and the firmware of the device as last
// recognised.
const settings::RowList* GridRows(const app::CUpdaterDlg& main) {
  const auto place = settings::Locate(main.m_nDeviceTarget, main.m_deviceSettings);
  return place ? place->list : nullptr;
}

void ShowCheck(controls::CConfigListCtrl& grid, int row, bool disableShown) {
  auto* check = dynamic_cast<controls::CCellCheckBox*>(grid.GetCell(row, kValueColumn));
  if (!check) return;
  check->SetCheck(disableShown);
  grid.SetCellText(check, check->GetText());
  grid.InvalidateRect(grid.GetSubItemRect(row, kValueColumn, fw::LVIR_LABEL), false);
}

}  // namespace

void CDialogDeviceSetting::RunGridClickRules(int row, int column) {
  app::CUpdaterDlg* main = MainWindow();
  const settings::RowList* rows = main ? GridRows(*main) : nullptr;
  if (!rows) return;
  if (column == kHelpColumn) {
    const auto help =
        settings::rules::HelpForRow(*rows, row, main->m_nDeviceTarget, main->m_deviceSettings, main->m_nLanguage);
    if (help) ShowHelpBox(help->text, {settings::rules::kHelpBoxWidth, help->height}, false);
    return;
  }
  const auto* check = dynamic_cast<const controls::CCellCheckBox*>(m_gridSettings.GetCell(row, kValueColumn));
  if (column != kValueColumn || !check) return;
  const settings::rules::CheckClickResult result =
      settings::rules::ApplyCheckClick(*rows, row, check->GetCheck(), m_editedSettings);
  if (!result.changed) return;
  for (const settings::rules::CellCheck& shown : result.checks) {
    ShowCheck(m_gridSettings, shown.row, shown.disableShown);
  }
  if (result.repaintAll) m_gridSettings.Invalidate(true);
  for (const settings::rules::CellGrey& grey : result.greys) {
    m_gridSettings.SetCellDisabled(grey.row, kValueColumn, grey.disabled);
  }
  RefreshSettingsPageTexts();
  main->RefreshControls();
}

void CDialogDeviceSetting::RunGridChoiceRules(int row) {
  const app::CUpdaterDlg* main = MainWindow();
  const settings::RowList* rows = main ? GridRows(*main) : nullptr;
  const auto* combo = dynamic_cast<const controls::CCellComboBox*>(m_gridSettings.GetCell(row, kValueColumn));
  if (!rows || !combo) return;
  settings::rules::ApplyOptionChoice(*rows, row, combo->GetCurSel(), m_editedSettings);
}

}  // namespace pages
