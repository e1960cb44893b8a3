#include "pages/settings/SettingsPage.h"

#include "app/UpdaterDlg.h"
#include "localization/MainWindowTexts.h"

namespace pages {

CSettingsPage::CSettingsPage(const fw::DialogTemplate& tmpl, int pageNumber)
    : CWizardPage(tmpl), pageNumber_(pageNumber) {}

CSettingsPage::~CSettingsPage() = default;

void CSettingsPage::EnterSettingsPage() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  m_editedSettings.CopyFrom(main->m_deviceSettings, true);
  BuildDefaults();
  main->m_nProgress = -1;
  main->m_nSettingsPageSel = main->FindSettingsPageIndex(pageNumber_);
  ShowPageContents();
}

void CSettingsPage::ApplySettingsToDevice() {
  // Writing to the device comes with the settings pages' work; it ends in ContinueAfterSave.
}

void CSettingsPage::ContinueAfterSave() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  main->m_bBusy = false;
  main->RefreshControls();
  RefreshSettingsPageTexts();
  main->m_deviceSettings.CopyFrom(m_editedSettings, false);
  const int code = m_nPendingPage != 0 ? m_nPendingPage + 100 : main->m_nCurrentPage;
  main->GoToRecognitionPage(false, nullptr, code);
}

void CSettingsPage::RevertAndLeavePage() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  m_editedSettings.CopyFrom(main->m_deviceSettings, false);
  const int target = m_nPendingPage > 100 ? m_nPendingPage - 100 : m_nPendingPage;
  if (target < 1 || target > 7) return;  // nowhere to go: stay, with the edits dropped
  // The wizard already stands on the target, so the switch that follows asks nothing again.
  main->m_nCurrentPage = target;
  main->GoToPage(target);
}

void CSettingsPage::RefreshSettingsPageTexts() {
  // Captions come with each settings page's work.
}

PageFrame CSettingsPage::DescribeFrame(int language) const {
  return {text::GetSaveActionText(language), IsSettingsModified() != 0, true};
}

}  // namespace pages
