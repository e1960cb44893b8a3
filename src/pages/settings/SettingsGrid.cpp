// The settings grid of page 5, built from the settings catalogue in three passes: every row with
// its help button, then labels, values and grey rules row by row, then the check box captions
// (which adding a check box cell empties, so they come last).
#include <memory>

#include "app/UpdaterDlg.h"
#include "controls/grid/CellCheckBox.h"
#include "controls/grid/CellComboBox.h"
#include "controls/grid/CellPushButton.h"
#include "localization/SharedTexts.h"
#include "pages/settings/DialogDeviceSetting.h"
#include "settings/catalogue/RowValues.h"

namespace pages {

namespace {

constexpr int kHelpColumn = 0;
constexpr int kLabelColumn = 1;
constexpr int kValueColumn = 2;
constexpr int kHelpBitmap = 188;  // the question mark

}  // namespace

void CDialogDeviceSetting::BuildSettingsGrid() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  controls::CConfigListCtrl& grid = m_gridSettings;
  if (grid.GetItemCount() > 0) grid.DeleteAllItems();

  const auto place = settings::Locate(main->m_nDeviceTarget, main->m_deviceSettings);
  if (!place || !place->list) return;
  const std::span<const settings::CatalogueRow> rows = place->list->rows;
  const int count = static_cast<int>(rows.size());
  const int language = main->m_nLanguage;

  for (int i = 0; i < count; ++i) {
    grid.InsertItem(i, "");
    if (!settings::KindInfo(rows[static_cast<std::size_t>(i)].kind).helpButton) continue;
    // A click on the button posts nothing: the grid's editing rules open the help.
    grid.AddCell(i, kHelpColumn, std::make_unique<controls::CCellPushButton>(), "");
    if (auto* button = dynamic_cast<controls::CCellPushButton*>(grid.GetCell(i, kHelpColumn))) {
      button->SetBitmapId(kHelpBitmap);
    }
  }

  for (int i = 0; i < count; ++i) {
    const settings::CatalogueRow& row = rows[static_cast<std::size_t>(i)];
    const settings::RowKindInfo& kind = settings::KindInfo(row.kind);
    grid.SetItem(i, kLabelColumn, fw::LVIF_TEXT, text::VocabularyText(*kind.label, language));
    if (kind.cell == settings::CellKind::kCheckBox) {
      grid.AddCell(i, kValueColumn, std::make_unique<controls::CCellCheckBox>(),
                   settings::CheckBoxText(kind, m_editedSettings));
    } else {
      grid.AddCell(i, kValueColumn, std::make_unique<controls::CCellComboBox>(),
                   settings::JoinedOptions(kind, language));
      if (auto* combo = dynamic_cast<controls::CCellComboBox*>(grid.GetCell(i, kValueColumn))) {
        combo->SetCurSel(settings::SelectedOption(kind, m_editedSettings));
      }
    }
    if (row.greyRuleApplies) {
      grid.SetCellDisabled(i, kValueColumn, settings::GreyFlag(row, m_editedSettings) != 0);
    }
  }

  const std::string enable = text::GetEnableText(language);
  const std::string disable = text::GetDisableText(language);
  for (int i = 0; i < count; ++i) {
    if (auto* check = dynamic_cast<controls::CCellCheckBox*>(grid.GetCell(i, kValueColumn))) {
      check->SetLeftLabel(enable);
      check->SetRightLabel(disable);
    }
  }
}

}  // namespace pages
