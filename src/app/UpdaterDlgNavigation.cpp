// The navigation buttons around the page frame and the recomputation of the frame's controls.
// Captions of BACK, NEXT and the shortcuts, and the settings-page tabs, come with the navigation
// work; what is here is what page switching and the progress display need.
#include <algorithm>

#include "app/UpdaterDlg.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"

namespace app {

namespace {

// Targets for which the wizard offers no settings page.
constexpr int kNoSettingsTargets[] = {0x5310, 0x5320, 0x5330, 0x3500, 0x3010, 0x3020, 0x5345};
constexpr int kDfuModeFlag = 0x8000;
constexpr int kSpeedDialOnlyTarget = 0x4111;
// The device target of this edition, whatever the selection page shows.
constexpr int kEditionTarget = 0x4D10;

bool HasNoSettings(int target) {
  return std::find(std::begin(kNoSettingsTargets), std::end(kNoSettingsTargets), target) !=
         std::end(kNoSettingsTargets);
}

void Enable(fw::Window& w, bool enable) { w.EnableWindow(enable); }
void Show(fw::Window& w, bool show) { w.ShowWindow(show); }
void EnableAndShow(fw::Window& w, bool on) {
  w.EnableWindow(on);
  w.ShowWindow(on);
}

}  // namespace

bool CUpdaterDlg::OnNavigationCommand(int id) {
  switch (id) {
    case IDC_NAV_WELCOME: OnButtonWelcome(); return true;
    case IDC_NAV_RECOGNITION: OnButtonRecognition(); return true;
    case IDC_NAV_FIRMWARE_UPDATE:
    case IDC_UPDATE_SHORTCUT: OnButtonFirmwareUpdate(); return true;
    case IDC_NAV_FIRMWARE_RESTORE:
    case IDC_RESTORE_SHORTCUT: OnButtonFirmwareRestore(); return true;
    case IDC_NAV_DEVICE_SETTING: OnButtonDeviceSetting(); return true;
    case IDC_BACK: OnButtonBack(); return true;
    case IDC_NEXT: OnButtonNext(); return true;
    case IDC_ACTION: OnButtonAction(); return true;
    default: return false;
  }
}

void CUpdaterDlg::OnButtonWelcome() {
  if (IsRefusingCommands()) return;
  GoToSelectionPage();
}

void CUpdaterDlg::OnButtonRecognition() {
  if (IsRefusingCommands()) return;
  GoToRecognitionPage(true, nullptr, 0);
}

void CUpdaterDlg::OnButtonFirmwareUpdate() {
  if (IsRefusingCommands()) return;
  GoToFirmwareUpdatePage(true);
}

void CUpdaterDlg::OnButtonFirmwareRestore() {
  if (IsRefusingCommands()) return;
  GoToFirmwareRestorePage(true);
}

void CUpdaterDlg::OnButtonDeviceSetting() {
  if (IsRefusingCommands() || HasNoSettings(m_nDeviceTarget)) return;
  if (m_nDeviceTarget == kSpeedDialOnlyTarget) {
    GoToSpeedDialPage(true);
  } else {
    GoToDeviceSettingPage(true);
  }
}

void CUpdaterDlg::OnButtonBack() {
  if (IsRefusingCommands()) return;
  switch (m_nCurrentPage) {
    case 2: GoToSelectionPage(); break;
    case 3:
    case 4: GoToRecognitionPage(true, nullptr, 0); break;
    case 5:
    case 6:
    case 7: GoToFirmwareUpdatePage(true); break;
    default: break;
  }
}

void CUpdaterDlg::OnButtonNext() {
  if (IsRefusingCommands()) return;
  switch (m_nCurrentPage) {
    case 1:
      m_nDeviceTarget = kEditionTarget;
      GoToRecognitionPage(true, nullptr, 0);
      break;
    case 2:
      m_dlgDeviceRecognition.RecognizeDevice(nullptr, true);
      break;
    case 3:
    case 4:
      if (m_nUsbStatus >= kDfuModeFlag || HasNoSettings(m_nDeviceTarget)) {
        GoToSelectionPage();
      } else if (m_nDeviceTarget == kSpeedDialOnlyTarget) {
        GoToSpeedDialPage(true);
      } else {
        GoToDeviceSettingPage(true);
      }
      break;
    case 5:
    case 6:
    case 7: GoToSelectionPage(); break;
    default: break;
  }
}

void CUpdaterDlg::OnButtonAction() {
  if (IsRefusingCommands()) return;
  if (m_nCurrentPage == 3) {
    m_dlgFirmwareUpdate.StartUpdateFromMain();
  } else if (m_nCurrentPage == 4) {
    m_dlgFirmwareRestore.StartRestore();
  } else if (pages::CSettingsPage* page = SettingsPage(m_nCurrentPage)) {
    page->ApplySettingsToDevice();
  }
}

bool CUpdaterDlg::RefreshControls() {
  if (m_nLanguage >= 0 && m_nLanguage < text::kLanguageCount) {
    m_staticLanguageFlag.SetBitmap(m_bmpFlags[static_cast<size_t>(m_nLanguage)]);
  }
  for (int i = 0; i < 5; ++i) m_btnNavigation[static_cast<size_t>(i)].SetWindowText(text::GetPageTitleText(i + 1, m_nLanguage));

  for (fw::Window* w : std::initializer_list<fw::Window*>{&m_btnTabFirst, &m_btnTabSecond, &m_listPages}) {
    EnableAndShow(*w, false);
  }

  // The navigation button of the current page stays pushed.
  const int highlighted = std::clamp(m_nCurrentPage, 1, 5);
  for (int i = 0; i < 5; ++i) {
    m_btnNavigation[static_cast<size_t>(i)].SetState(m_nCurrentPage >= 1 && i + 1 == highlighted);
  }

  fw::Window* instructions = m_dlgFirmwareUpdate.GetDlgItem(firmware::IDC_FIRMWARE_INSTRUCTIONS);
  if (m_bBusy) {
    // Every frame button refuses while busy; what is shown stays shown.
    for (fw::Window* w : std::initializer_list<fw::Window*>{&m_btnAbout, &m_btnClose, &m_btnShowStatus, &m_btnBack,
                                                          &m_btnUpdateShortcut, &m_btnAction, &m_btnNext,
                                                          &m_btnRestoreShortcut}) {
      Enable(*w, false);
    }
    for (fw::Button& b : m_btnNavigation) Enable(b, false);
  } else {
    Enable(m_btnAbout, true);
    Enable(m_btnClose, true);
    EnableAndShow(m_btnShowStatus, false);
    for (fw::Button& b : m_btnNavigation) Enable(b, true);
    Enable(m_btnBack, true);
    Enable(m_btnUpdateShortcut, true);
    EnableAndShow(m_btnAction, true);
    Enable(m_btnNext, true);
    Enable(m_btnRestoreShortcut, true);
    Show(m_progress, false);
    Show(m_staticPercentSign, false);
    Show(m_staticPercentNumber, false);
    if (instructions) Show(*instructions, true);

    switch (m_nCurrentPage) {
      case 1:
        for (int i = 1; i < 5; ++i) Enable(m_btnNavigation[static_cast<size_t>(i)], false);
        Enable(m_btnBack, false);
        EnableAndShow(m_btnAction, false);
        EnableAndShow(m_btnUpdateShortcut, false);
        EnableAndShow(m_btnRestoreShortcut, false);
        break;
      case 2:
        for (int i = 2; i < 5; ++i) Enable(m_btnNavigation[static_cast<size_t>(i)], m_bDeviceRecognized);
        EnableAndShow(m_btnAction, false);
        EnableAndShow(m_btnUpdateShortcut, false);
        EnableAndShow(m_btnRestoreShortcut, false);
        break;
      case 3:
      case 4: {
        const bool update = m_nCurrentPage == 3;
        m_btnAction.SetWindowText(update ? text::GetUpdateText(m_nLanguage) : text::GetRestoreText(m_nLanguage));
        if (m_nUsbStatus >= kDfuModeFlag || HasNoSettings(m_nDeviceTarget)) Enable(m_btnNavigation[4], false);
        EnableAndShow(m_btnUpdateShortcut, !update);
        EnableAndShow(m_btnRestoreShortcut, update);
        if (update) {
          const fw::Window* path = m_dlgFirmwareUpdate.GetDlgItem(firmware::IDC_FIRMWARE_IMAGE_PATH);
          if (!path || path->GetWindowText().empty()) Enable(m_btnAction, false);
        } else {
          Enable(m_btnAction, m_dlgFirmwareRestore.m_job.m_bFound != 0);
        }
        break;
      }
      case 5:
      case 6:
      case 7:
        EnableAndShow(m_btnUpdateShortcut, false);
        EnableAndShow(m_btnRestoreShortcut, false);
        if (SettingsPage(m_nCurrentPage)->IsSettingsModified() == 0) Enable(m_btnAction, false);
        break;
      default:
        break;
    }
  }

  // Progress: the bar, "%" and the number share their place with the update page's instructions.
  if (m_nProgress >= 0) {
    Show(m_progress, true);
    m_progress.SetPos(m_nProgress);
    Show(m_staticPercentSign, true);
    Show(m_staticPercentNumber, true);
    m_staticPercentNumber.SetWindowText(text::Format("%d", m_nProgress));
    if (instructions) Show(*instructions, false);
  }
  return true;
}

}  // namespace app
