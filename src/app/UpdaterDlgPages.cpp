// Page switching: every change of page goes through here, so that the wizard's rules hold in one
// place: a settings page with changes is never left without asking, pages 2 to 7 need a device
// target, pages 3 to 7 a recognised device, and entering page 1 or 2 forgets the device.
#include <algorithm>

#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "device/TargetCompatibility.h"
#include "localization/SharedTexts.h"
#include "resources/DialogTemplates.h"

namespace app {

namespace {

constexpr fw::Size kSavePromptSize = {400, 130};

}  // namespace

void CUpdaterDlg::GoToSelectionPage() { SwitchToPage(1, true, nullptr, 0); }

void CUpdaterDlg::GoToRecognitionPage(bool showStatus, device::CDeviceSettings* toWrite, int returnPage) {
  SwitchToPage(2, showStatus, toWrite, returnPage);
}

void CUpdaterDlg::GoToFirmwareUpdatePage(bool showStatus) { SwitchToPage(3, showStatus, nullptr, 0); }
void CUpdaterDlg::GoToFirmwareRestorePage(bool showStatus) { SwitchToPage(4, showStatus, nullptr, 0); }
void CUpdaterDlg::GoToDeviceSettingPage(bool showStatus) { SwitchToPage(5, showStatus, nullptr, 0); }
void CUpdaterDlg::GoToDeviceSettingSecondPage(bool showStatus) { SwitchToPage(6, showStatus, nullptr, 0); }
void CUpdaterDlg::GoToSpeedDialPage(bool showStatus) { SwitchToPage(7, showStatus, nullptr, 0); }

void CUpdaterDlg::GoToPage(int page) {
  switch (page) {
    case 1: GoToSelectionPage(); break;
    case 2: GoToRecognitionPage(true, nullptr, 0); break;
    case 3: GoToFirmwareUpdatePage(true); break;
    case 4: GoToFirmwareRestorePage(true); break;
    case 5: GoToDeviceSettingPage(true); break;
    case 6: GoToDeviceSettingSecondPage(true); break;
    case 7: GoToSpeedDialPage(true); break;
    default: break;
  }
}

void CUpdaterDlg::SwitchToPage(int page, bool showStatus, device::CDeviceSettings* toWrite, int returnPage,
                               bool leavingCurrent) {
  if (page < 1 || page > 7) return;
  if (leavingCurrent && LeaveSettingsPage(page)) return;

  m_nCurrentPage = page;
  if (pages::CSettingsPage* settings = SettingsPage(page)) settings->m_nPendingPage = 0;
  if (page <= 2) ForgetDevice();

  // The redirections start with m_nCurrentPage already set to the page asked for. That page was
  // never entered, so its edits are not the user's and nothing is asked about them.
  if (page >= 2 && m_nDeviceTarget == 0) {
    SwitchToPage(1, true, nullptr, 0, false);
    return;
  }
  if (page >= 3 && !m_bDeviceRecognized) {
    SwitchToPage(2, true, nullptr, 0, false);
    return;
  }

  ShowCurrentPage();
  if (page == 2) m_dlgDeviceRecognition.m_nReturnPage = returnPage;
  EnterPage(page, showStatus);
  if (page == 1 || showStatus) ShowPageStatus();
  RefreshControls();

  if (page == 2 && m_dlgDeviceRecognition.m_nReturnPage != 0) {
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
    case 1: m_dlgDeviceSelection.ShowPage(); break;
    case 2: m_dlgDeviceRecognition.SetInstructionVariant(0); break;
    case 3: m_dlgFirmwareUpdate.ResetUpdatePage(); break;
    case 4: m_dlgFirmwareRestore.ResetRestorePage(showStatus); break;
    default:
      if (pages::CSettingsPage* settings = SettingsPage(page)) settings->EnterSettingsPage();
      break;
  }
}

void CUpdaterDlg::ShowCurrentPage() {
  for (int page = 1; page <= 7; ++page) PageWindow(page)->ShowWindow(false);
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
    case 5: kind = device::SETTINGS_PAGE_BASIC; break;
    case 6: kind = device::SETTINGS_PAGE_FM_RADIO; break;
    case 7: kind = device::SETTINGS_PAGE_SPEED_DIAL; break;
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
