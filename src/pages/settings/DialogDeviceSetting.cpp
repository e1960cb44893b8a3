#include "pages/settings/DialogDeviceSetting.h"

#include "app/UpdaterDlg.h"
#include "pages/settings/rules/SettingsGridRules.h"
#include "resources/PageTemplates.h"

namespace pages {

CDialogDeviceSetting::CDialogDeviceSetting() : CSettingsPage(res::DeviceSettingTemplate(), 5) {
  BindControl(res::IDC_GRID_SETTINGS, m_gridSettings);
  controls::GridHost host;
  host.popupOpen = &m_bDropDownOpen;
  host.currentPage = [this] { return MainWindow() ? MainWindow()->m_nCurrentPage : 0; };
  host.clickRules = [this](int row, int column) { RunGridClickRules(*this, row, column); };
  host.popupRules = [this](int row, int) { RunGridChoiceRules(*this, row); };
  host.refreshAfterPopup = [this] {
    RefreshSettingsPageTexts();
    if (app::CUpdaterDlg* main = MainWindow()) main->RefreshControls();
  };
  m_gridSettings.SetHost(std::move(host));
}

CDialogDeviceSetting::~CDialogDeviceSetting() = default;

int CDialogDeviceSetting::IsSettingsModified() const {
  const app::CUpdaterDlg* main = MainWindow();
  return main && m_editedSettings.SettingsDiffer(main->m_deviceSettings, false) ? 1 : 0;
}

void CDialogDeviceSetting::BuildDefaults() {
  m_defaultSettings.CopyFrom(m_editedSettings, true);
  m_defaultSettings.SetDefaults(m_editedSettings.m_nProductId, m_editedSettings.m_nVersionMajor,
                                m_editedSettings.m_nVersionMinor);
}

void CDialogDeviceSetting::ApplyBoldFont() {
  // The page's controls come with its own work.
}

void CDialogDeviceSetting::LayoutLegacyPanel() {
  // The switch panel and the grid come with the page's own work.
}

}  // namespace pages
