#include "pages/settings/SettingsPage.h"

#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "headset/bluecore/PsStoreSave.h"
#include "headset/hid/HidSettingsSave.h"
#include "localization/MainWindowTexts.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "localization/SafeFormat.h"

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
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  main->ShowStatusMessage(main->BuildProgressStatus(), false);
  BusyHold busy = main->HoldBusy();
  main->RefreshControls();
  RefreshSettingsPageTexts();

  if (HasHidPayload(main->m_nDeviceTarget) ? SaveOverHid() : SaveOverPersistentStore()) {
    ContinueAfterSave(std::move(busy));
  } else {
    FailSave(std::move(busy));
  }
}

bool CSettingsPage::SaveOverHid() {
  app::CUpdaterDlg* main = MainWindow();
  int present = 0;
  if (!main->m_dlgDeviceRecognition.IsHidDevicePresent(0, &present, nullptr) || present != main->m_nDeviceTarget) {
    return false;
  }
  const headset::hid::HidHandles handles{main->m_hHidDevice.get(), main->m_hHidDeviceSecond.get()};
  return headset::hid::IsRecognisedHidDevice(main->m_nDeviceTarget, handles, main->m_deviceSettings) &&
         WriteHidSettings(handles);
}

bool CSettingsPage::SaveOverPersistentStore() {
  app::CUpdaterDlg* main = MainWindow();
  const headset::bluecore::PsSaveTarget target{main->m_nDeviceTarget, main->m_nUsbStatus, &main->m_deviceSettings,
                                               DefaultFirmwareVersions()};
  return headset::bluecore::SaveOverPersistentStore(target, [&](headset::bluecore::PsKeyPort& port) {
           return WritePersistentStoreKeys(port);
         }) == headset::bluecore::PsSaveResult::kWritten;
}

void CSettingsPage::FailSave(BusyHold busy) {
  app::CUpdaterDlg* main = MainWindow();
  m_editedSettings.CopyFrom(main->m_deviceSettings, false);
  ShowPageContents();
  for (int language = 0; language < text::kLanguageCount; ++language) {
    main->SetStatusMessage(text::Format("%s. %s", text::GetPageFailureText(main->m_nCurrentPage, main->m_nUsbStatus, language),
                                        text::GetNotRecognizedDeviceText(language)),
                           language);
  }
  main->ShowStatusMessage(main->GetStatusMessage(), true);
  busy.Release();
  main->RefreshControls();
  RefreshSettingsPageTexts();

  constexpr fw::Size kMismatchBoxSize{400, 165};
  controls::CDialogMessageBox box(main);
  box.Setup(text::GetDeviceMismatchText(main->m_nLanguage), true, std::nullopt, text::GetOkText(main->m_nLanguage),
            kMismatchBoxSize);
  box.DoModal();
  main->GoToSelectionPage();
}

void CSettingsPage::ContinueAfterSave(BusyHold busy) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  busy.Release();
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
