// Page switching: every change of page goes through here, so that the wizard's rules hold in one
// place: a settings page with changes is never left without asking, pages 2 to 7 need a device
// target, pages 3 to 7 a recognised device, and entering page 1 or 2 forgets the device.
#include <algorithm>

#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "device/TargetCompatibility.h"
#include "localization/PageNumbers.h"
#include "localization/SharedTexts.h"
#include "resources/DialogTemplates.h"

namespace app {

namespace {

constexpr fw::Size kSavePromptSize = {400, 130};

}  // namespace

void CUpdaterDlg::GoToSelectionPage() { SwitchToPage(wizard::PAGE_SELECTION, true, nullptr, 0); }

void CUpdaterDlg::GoToRecognitionPage(bool showStatus, device::CDeviceSettings* toWrite, int returnPage) {
  SwitchToPage(wizard::PAGE_RECOGNITION, showStatus, toWrite, returnPage);
}

void CUpdaterDlg::GoToFirmwareUpdatePage(bool showStatus) {
  SwitchToPage(wizard::PAGE_FIRMWARE_UPDATE, showStatus, nullptr, 0);
}
void CUpdaterDlg::GoToFirmwareRestorePage(bool showStatus) {
  SwitchToPage(wizard::PAGE_FIRMWARE_RESTORE, showStatus, nullptr, 0);
}
void CUpdaterDlg::GoToDeviceSettingPage(bool showStatus) {
  SwitchToPage(wizard::PAGE_DEVICE_SETTING, showStatus, nullptr, 0);
}
void CUpdaterDlg::GoToDeviceSettingSecondPage(bool showStatus) {
  SwitchToPage(wizard::PAGE_DEVICE_SETTING_SECOND, showStatus, nullptr, 0);
}
void CUpdaterDlg::GoToSpeedDialPage(bool showStatus) {
  SwitchToPage(wizard::PAGE_SPEED_DIAL, showStatus, nullptr, 0);
}

void CUpdaterDlg::GoToPage(int page) {
  switch (page) {
    case wizard::PAGE_SELECTION: GoToSelectionPage(); break;
    case wizard::PAGE_RECOGNITION: GoToRecognitionPage(true, nullptr, 0); break;
    case wizard::PAGE_FIRMWARE_UPDATE: GoToFirmwareUpdatePage(true); break;
    case wizard::PAGE_FIRMWARE_RESTORE: GoToFirmwareRestorePage(true); break;
    case wizard::PAGE_DEVICE_SETTING: GoToDeviceSettingPage(true); break;
    case wizard::PAGE_DEVICE_SETTING_SECOND: GoToDeviceSettingSecondPage(true); break;
    case wizard::PAGE_SPEED_DIAL: GoToSpeedDialPage(true); break;
    default: break;
  }
}

void CUpdaterDlg::SwitchToPage(int page, bool showStatus, device::CDeviceSettings* toWrite, int returnPage,
                               bool leavingCurrent) {
  if (page < wizard::PAGE_SELECTION || page > wizard::PAGE_SPEED_DIAL) return;
  if (leavingCurrent && LeaveSettingsPage(page)) return;

  // What the page on show waited for from the server no longer belongs to the page shown next.
  if (pages::CWizardPage* leaving = PageWindow(m_nCurrentPage)) leaving->DropServerWait();
  m_nCurrentPage = page;
  if (pages::CSettingsPage* settings = SettingsPage(page)) settings->m_nPendingPage = 0;
  if (page <= wizard::PAGE_RECOGNITION) ForgetDevice();

  // The redirections start with m_nCurrentPage already set to the page asked for. That page was
  // never entered, so its edits are not the user's and nothing is asked about them.
  if (page >= wizard::PAGE_RECOGNITION && m_nDeviceTarget == 0) {
    SwitchToPage(wizard::PAGE_SELECTION, true, nullptr, 0, false);
    return;
  }
  if (page >= wizard::PAGE_FIRMWARE_UPDATE && !m_bDeviceRecognized) {
    SwitchToPage(wizard::PAGE_RECOGNITION, true, nullptr, 0, false);
    return;
  }

  MakePagesFor(page);
  if (page != wizard::PAGE_SELECTION) ContinueLaterPages();
  ShowCurrentPage();
  if (page == wizard::PAGE_RECOGNITION) m_dlgDeviceRecognition.SetReturnPage(returnPage, toWrite);
  EnterPage(page, showStatus);
  if (page == wizard::PAGE_SELECTION || showStatus) ShowPageStatus();
  RefreshControls();

  if (page == wizard::PAGE_RECOGNITION && m_dlgDeviceRecognition.m_nReturnPage != 0) {
    const int result = m_dlgDeviceRecognition.RecognizeDevice(toWrite, false);
    // Posted, not sent: the interactive run starts once this handler has returned and the page
    // has been drawn.
    if (headset::ShouldRepeatInteractively(result)) {
      PostMessage(fw::WM_COMMAND, fw::MakeCommand(IDC_NEXT, fw::BN_CLICKED), 0);
    }
  }
}

bool CUpdaterDlg::LeaveSettingsPage(int target) {
  pages::CSettingsPage* leaving = SettingsPage(m_nCurrentPage);
  if (!leaving || m_nCurrentPage == target) return false;
  leaving->m_nPendingPage = target;
  if (leaving->HasUnsavedChanges() != 1) return false;

  controls::CDialogMessageBox prompt(this);
  prompt.Setup(GetSaveChangesPromptText(), false, text::GetNoText(m_nLanguage), text::GetYesText(m_nLanguage),
               kSavePromptSize);
  // Either way the page itself continues to m_nPendingPage once it has saved or reverted.
  if (prompt.DoModal() == fw::IDOK) {
    leaving->ApplySettingsToDevice();
  } else {
    leaving->RevertAndLeavePage();
  }
  return true;
}

void CUpdaterDlg::ForgetDevice() {
  m_bDeviceRecognized = false;
  ResetHidHandles();
  ResetSettingsPageList();
  m_nUsbStatus = 0;
  m_deviceSettings.SetDefaults(0, 0, 0);
}

void CUpdaterDlg::EnterPage(int page, bool showStatus) {
  switch (page) {
    case wizard::PAGE_SELECTION: m_dlgDeviceSelection.ShowPage(); break;
    case wizard::PAGE_RECOGNITION: m_dlgDeviceRecognition.SetInstructionVariant(0); break;
    case wizard::PAGE_FIRMWARE_UPDATE: m_dlgFirmwareUpdate.ResetUpdatePage(); break;
    case wizard::PAGE_FIRMWARE_RESTORE: m_dlgFirmwareRestore.ResetRestorePage(showStatus); break;
    default:
      if (pages::CSettingsPage* settings = SettingsPage(page)) settings->EnterSettingsPage();
      break;
  }
}

void CUpdaterDlg::ShowCurrentPage() {
  for (int page = wizard::FIRST_PAGE; page <= wizard::LAST_PAGE; ++page) PageWindow(page)->ShowWindow(false);
  fw::Dialog* current = PageWindow(m_nCurrentPage);
  if (!current) return;
  // The frame may still hold a snapshot of a page taken while the page list was open.
  m_staticPageFrame.SetBitmap(GetBitmap(res::IDB_PAGE_FRAME));
  current->EnableWindow(true);
  current->ShowWindow(true);
}

int CUpdaterDlg::FindSettingsPageIndex(int page) const {
  int kind = 0;
  switch (page) {
    case wizard::PAGE_DEVICE_SETTING: kind = device::SETTINGS_PAGE_BASIC; break;
    case wizard::PAGE_DEVICE_SETTING_SECOND: kind = device::SETTINGS_PAGE_FM_RADIO; break;
    case wizard::PAGE_SPEED_DIAL: kind = device::SETTINGS_PAGE_SPEED_DIAL; break;
    default: return -1;
  }
  const int count = std::clamp(m_nSettingsPageCount, 0, static_cast<int>(m_anSettingsPages.size()));
  for (int i = 0; i < count; ++i) {
    if (m_anSettingsPages[static_cast<size_t>(i)] == kind) return i;
  }
  return -1;
}

bool CUpdaterDlg::IsTargetCompatible(int productId) const {
  return device::IsTargetCompatible(m_nDeviceTarget, productId);
}

}  // namespace app
