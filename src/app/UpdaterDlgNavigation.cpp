// The navigation buttons around the page frame, the settings-page tabs with their list, and the
// recomputation of every frame control from the shared state.
#include <algorithm>

#include "app/UpdaterDlg.h"
#include "controls/grid/PopUpScrollList.h"
#include "device/ProductTraits.h"
#include "device/SettingsPages.h"
#include "device/UsbIdentities.h"
#include "localization/MainWindowTexts.h"
#include "localization/PageNumbers.h"
#include "localization/SafeFormat.h"
#include "localization/SettingVocabulary.h"
#include "localization/SharedTexts.h"
#include "resources/DialogTemplates.h"

namespace app {

namespace {

bool HasNoSettings(int target) { return device::HasProductFlag(target, device::kNoSettingsPages); }

void Enable(fw::Window& w, bool enable) { w.EnableWindow(enable); }
void Show(fw::Window& w, bool show) { w.ShowWindow(show); }
void EnableAndShow(fw::Window& w, bool on) {
  w.EnableWindow(on);
  w.ShowWindow(on);
}

// The kinds the tabs stand for: the archived device's on page 4, the product's on pages 5 to 7.
struct KindList {
  int count = 0;
  const std::array<int, 3>* kinds = nullptr;
  int* selected = nullptr;

  int Kind(int index) const {
    return index >= 0 && index < std::min(count, 3) ? (*kinds)[static_cast<size_t>(index)] : 0;
  }
};

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
    case IDC_TAB_FIRST: OnButtonBasic(); return true;
    case IDC_TAB_SECOND: OnButtonPageList(); return true;
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
  const bool speedDialsOnly = device::HasProductFlag(m_nDeviceTarget, device::kSpeedDialsOnly);
  // Entering the page on show again would drop what the user has edited on it.
  if (m_nCurrentPage != (speedDialsOnly ? 7 : 5)) {
    if (speedDialsOnly) {
      GoToSpeedDialPage(true);
    } else {
      GoToDeviceSettingPage(true);
    }
  }
  if (m_nCurrentPage == wizard::PAGE_DEVICE_SETTING) m_dlgDeviceSetting.SetFocus();
}

void CUpdaterDlg::OnButtonBack() {
  if (IsRefusingCommands()) return;
  switch (m_nCurrentPage) {
    case wizard::PAGE_RECOGNITION: GoToSelectionPage(); break;
    case wizard::PAGE_FIRMWARE_UPDATE:
    case wizard::PAGE_FIRMWARE_RESTORE: GoToRecognitionPage(true, nullptr, 0); break;
    case wizard::PAGE_DEVICE_SETTING:
    case wizard::PAGE_DEVICE_SETTING_SECOND:
    case wizard::PAGE_SPEED_DIAL: GoToFirmwareUpdatePage(true); break;
    default: break;
  }
}

void CUpdaterDlg::OnButtonNext() {
  if (IsRefusingCommands()) return;
  switch (m_nCurrentPage) {
    case wizard::PAGE_SELECTION:
      m_nDeviceTarget = device::EDITION_PRODUCT;
      GoToRecognitionPage(true, nullptr, 0);
      break;
    case wizard::PAGE_RECOGNITION:
      m_dlgDeviceRecognition.RecognizeDevice(nullptr, true);
      break;
    case wizard::PAGE_FIRMWARE_UPDATE:
    case wizard::PAGE_FIRMWARE_RESTORE:
      if (device::IsDfuMode(m_nUsbStatus) || HasNoSettings(m_nDeviceTarget)) {
        GoToSelectionPage();
      } else if (device::HasProductFlag(m_nDeviceTarget, device::kSpeedDialsOnly)) {
        GoToSpeedDialPage(true);
      } else {
        GoToDeviceSettingPage(true);
      }
      break;
    case wizard::PAGE_DEVICE_SETTING:
    case wizard::PAGE_DEVICE_SETTING_SECOND:
    case wizard::PAGE_SPEED_DIAL: GoToSelectionPage(); break;
    default: break;
  }
}

void CUpdaterDlg::OnButtonAction() {
  if (IsRefusingCommands()) return;
  if (m_nCurrentPage == wizard::PAGE_FIRMWARE_UPDATE) {
    m_dlgFirmwareUpdate.StartUpdateFromMain();
  } else if (m_nCurrentPage == wizard::PAGE_FIRMWARE_RESTORE) {
    m_dlgFirmwareRestore.StartRestore();
  } else if (pages::CSettingsPage* page = SettingsPage(m_nCurrentPage)) {
    page->ApplySettingsToDevice();
  }
}

// --- Tabs and the page list ---------------------------------------------------------------------

namespace {

KindList KindsOfPage(CUpdaterDlg& dlg) {
  if (dlg.m_nCurrentPage == wizard::PAGE_FIRMWARE_RESTORE) {
    firmware::CDialogFirmwareRestore& restore = dlg.m_dlgFirmwareRestore;
    return {restore.m_nSettingsPageCount, &restore.m_anSettingsPages, &restore.m_nSettingsPageSel};
  }
  if (wizard::IsSettingsPage(dlg.m_nCurrentPage)) {
    return {dlg.m_nSettingsPageCount, &dlg.m_anSettingsPages, &dlg.m_nSettingsPageSel};
  }
  return {};
}

}  // namespace

void CUpdaterDlg::GoToSettingsPageOfKind(int kind) {
  switch (kind) {
    case device::SETTINGS_PAGE_BASIC: GoToDeviceSettingPage(true); break;
    case device::SETTINGS_PAGE_SPEED_DIAL: GoToSpeedDialPage(true); break;
    default: GoToDeviceSettingSecondPage(true); break;
  }
}

void CUpdaterDlg::ShowArchiveKind(int index) {
  m_dlgFirmwareRestore.m_nSettingsPageSel = index;
  RefreshControls();
  m_dlgFirmwareRestore.FillArchiveSummary();
  m_dlgFirmwareRestore.RefreshRestorePage();
}

void CUpdaterDlg::OnButtonBasic() {
  if (m_bBusy) return;
  const KindList kinds = KindsOfPage(*this);
  if (kinds.count != 2 || *kinds.selected != 1) return;
  if (m_nCurrentPage == wizard::PAGE_FIRMWARE_RESTORE) {
    ShowArchiveKind(0);
  } else {
    m_nSettingsPageSel = 0;
    GoToSettingsPageOfKind(kinds.Kind(0));
  }
}

void CUpdaterDlg::OnButtonPageList() {
  if (m_bBusy) return;
  const KindList kinds = KindsOfPage(*this);
  if (kinds.count == 2) {
    if (m_nCurrentPage == wizard::PAGE_FIRMWARE_RESTORE) {
      ShowArchiveKind(1);
    } else {
      m_nSettingsPageSel = 1;
      GoToSettingsPageOfKind(kinds.Kind(1));
    }
    return;
  }
  if (kinds.count != 3) return;

  fw::Dialog* page = PageWindow(m_nCurrentPage);
  m_bPageListOpen = !m_bPageListOpen;
  if (m_bPageListOpen) {
    m_listPages.ResetContent();
    for (int i = 0; i < kinds.count; ++i) {
      m_listPages.AddString(device::GetSettingsPageKindText(kinds.Kind(i), m_nLanguage));
    }
    m_listPages.SetCurSel(*kinds.selected);
    // The page becomes a still picture under the list, so that it cannot be used meanwhile.
    SnapshotPageToFrame();
    page->EnableWindow(false);
    page->ShowWindow(false);
  } else {
    RestoreLivePage();
  }
  RefreshControls();
}

void CUpdaterDlg::RestoreLivePage() {
  m_staticPageFrame.SetBitmap(GetBitmap(res::IDB_PAGE_FRAME));
  if (fw::Dialog* page = PageWindow(m_nCurrentPage)) {
    page->EnableWindow(true);
    page->ShowWindow(true);
  }
}

void CUpdaterDlg::OnSelchangePageList() {
  const int index = m_listPages.GetCurSel();
  m_bPageListOpen = false;
  const KindList kinds = KindsOfPage(*this);
  if (!kinds.kinds) {
    RefreshControls();
    return;
  }
  if (index < 0 || index >= kinds.count || index == *kinds.selected) {
    RestoreLivePage();
    RefreshControls();
    return;
  }
  if (m_nCurrentPage == wizard::PAGE_FIRMWARE_RESTORE) {
    RestoreLivePage();
    ShowArchiveKind(index);
    return;
  }
  m_nSettingsPageSel = index;
  switch (kinds.Kind(index)) {
    case device::SETTINGS_PAGE_BASIC: GoToDeviceSettingPage(true); break;
    case device::SETTINGS_PAGE_SPEED_DIAL: GoToSpeedDialPage(true); break;
    case device::SETTINGS_PAGE_FM_RADIO: GoToDeviceSettingSecondPage(true); break;
    default: RefreshControls(); break;
  }
}

void CUpdaterDlg::SnapshotPageToFrame() {
  const fw::Dialog* page = PageWindow(m_nCurrentPage);
  if (!page) return;
  const fw::Rect frameClient = m_staticPageFrame.GetClientRect();
  fw::Bitmap picture = fw::Bitmap::FromWindow(m_staticPageFrame, frameClient);
  const fw::Bitmap shown = fw::Bitmap::FromWindow(*page, page->GetClientRect());
  for (int y = 0; y < std::min(shown.Height(), picture.Height()); ++y) {
    for (int x = 0; x < std::min(shown.Width(), picture.Width()); ++x) picture.SetPixel(x, y, shown.GetPixel(x, y));
  }
  m_staticPageFrame.SetBitmap(picture);
}

bool CUpdaterDlg::PreTranslateMessage(const fw::Msg& msg) {
  m_toolTip.RelayEvent(msg);
  if (msg.kind == fw::MsgKind::LButtonDown && msg.target) {
    if (m_bPageListOpen) {
      if (msg.target->IsDescendantOf(&m_btnTabSecond) || msg.target->IsDescendantOf(&m_listPages)) return false;
      // A click anywhere else closes the list instead of reaching its target.
      SendMessage(fw::WM_COMMAND, fw::MakeCommand(IDC_TAB_SECOND, fw::BN_CLICKED), 0);
      return true;
    }
    // An open drop-down list of the settings grid is a window of its own: a click there chooses,
    // a click anywhere else only ends the cell's editing.
    if (m_dlgDeviceSetting.m_bDropDownOpen && !controls::IsCellPopupWindow(msg.target)) {
      m_dlgDeviceSetting.m_gridSettings.EndEdit();
      m_dlgDeviceSetting.m_bDropDownOpen = false;
      return true;
    }
  }
  return fw::Dialog::PreTranslateMessage(msg);
}

// --- Recomputing the frame --------------------------------------------------------------------

void CUpdaterDlg::SetNavigationTexts() {
  for (int i = 0; i < 5; ++i) {
    m_btnNavigation[static_cast<size_t>(i)].SetWindowText(text::GetPageTitleText(i + 1, m_nLanguage));
  }
}

bool CUpdaterDlg::RefreshControls() {
  if (m_nLanguage >= 0 && m_nLanguage < text::kLanguageCount) {
    m_staticLanguageFlag.SetBitmap(Flag(m_nLanguage));
  }
  SetNavigationTexts();
  UpdateDevicePanel();
  m_btnBack.SetWindowText(text::GetBackButtonText(m_nLanguage));
  m_btnUpdateShortcut.SetWindowText(text::GetUpdateShortcutText(m_nLanguage));
  m_btnRestoreShortcut.SetWindowText(text::GetRestoreShortcutText(m_nLanguage));

  const KindList kinds = KindsOfPage(*this);
  if (kinds.count == 2) {
    m_btnTabFirst.SetWindowText(device::GetSettingsPageKindText(kinds.Kind(0), m_nLanguage));
    m_btnTabSecond.SetWindowText(device::GetSettingsPageKindText(kinds.Kind(1), m_nLanguage));
  } else if (kinds.count == 3) {
    m_btnTabFirst.SetWindowText(device::GetSettingsPageKindText(kinds.Kind(*kinds.selected), m_nLanguage));
    m_btnTabSecond.SetWindowText(text::VocabularyText(text::g_strMore, m_nLanguage));
  }
  for (fw::Window* w : std::initializer_list<fw::Window*>{&m_btnTabFirst, &m_btnTabSecond, &m_listPages}) {
    EnableAndShow(*w, false);
  }

  // NEXT reads NEW DEVICE where it leads back to page 1.
  const bool dfuOrNoSettings = device::IsDfuMode(m_nUsbStatus) || HasNoSettings(m_nDeviceTarget);
  const bool nextIsNewDevice =
      m_nCurrentPage >= wizard::PAGE_DEVICE_SETTING || (wizard::IsFirmwarePage(m_nCurrentPage) && dfuOrNoSettings);
  m_btnNext.SetWindowText(nextIsNewDevice ? text::GetNewDeviceButtonText(m_nLanguage)
                                          : text::GetNextButtonText(m_nLanguage));

  // The navigation button of the current page stays pushed.
  const int highlighted = std::clamp(m_nCurrentPage, 1, 5);
  for (int i = 0; i < 5; ++i) {
    m_btnNavigation[static_cast<size_t>(i)].SetState(m_nCurrentPage >= wizard::PAGE_SELECTION && i + 1 == highlighted);
  }

  pages::CWizardPage* page = PageWindow(m_nCurrentPage);
  // ACTION describes the page on show even while busy, when the page came up with a busy start
  // (page 3 reading its list, the offer of new firmware over it) after another page's ACTION.
  const pages::PageFrame frame = page ? page->DescribeFrame(m_nLanguage) : pages::PageFrame{};
  if (page) {
    if (frame.actionCaption.empty()) {
      EnableAndShow(m_btnAction, false);
    } else {
      m_btnAction.SetWindowText(frame.actionCaption);
    }
  }
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

    // The navigation buttons of the pages that cannot be reached yet, and the shortcut between
    // the two firmware pages.
    const auto enableNavigationFrom = [this](int first, bool enable) {
      for (int number = first; number <= wizard::PAGE_DEVICE_SETTING; ++number) {
        Enable(m_btnNavigation[static_cast<size_t>(number - 1)], enable);
      }
    };
    const bool firmwarePage = wizard::IsFirmwarePage(m_nCurrentPage);
    if (m_nCurrentPage == wizard::PAGE_SELECTION) {
      enableNavigationFrom(wizard::PAGE_RECOGNITION, false);
      Enable(m_btnBack, false);
    } else if (m_nCurrentPage == wizard::PAGE_RECOGNITION) {
      enableNavigationFrom(wizard::PAGE_FIRMWARE_UPDATE, m_bDeviceRecognized);
    } else if (firmwarePage && dfuOrNoSettings) {
      enableNavigationFrom(wizard::PAGE_DEVICE_SETTING, false);
    }
    if (page) {
      EnableAndShow(m_btnUpdateShortcut, m_nCurrentPage == wizard::PAGE_FIRMWARE_RESTORE);
      EnableAndShow(m_btnRestoreShortcut, m_nCurrentPage == wizard::PAGE_FIRMWARE_UPDATE);
    }

    if (page && frame.actionCaption.empty()) {
      EnableAndShow(m_btnAction, false);
    } else if (page) {
      Enable(m_btnAction, frame.actionEnabled);
    }
    const bool tabs = page && frame.tabs;

    // The tab of the kind on show is disabled: it is drawn as the open one.
    if (tabs && kinds.count == 2) {
      Enable(*(*kinds.selected == 0 ? &m_btnTabSecond : &m_btnTabFirst), true);
      Show(m_btnTabFirst, true);
      Show(m_btnTabSecond, true);
    } else if (tabs && kinds.count == 3) {
      Enable(m_btnTabSecond, true);
      Show(m_btnTabFirst, true);
      Show(m_btnTabSecond, true);
      if (m_bPageListOpen) EnableAndShow(m_listPages, true);
    }
  }

  // Progress: the bar, "%" and the number share their place with a page's own control.
  const bool progressShown = m_nProgress >= 0;
  if (progressShown) {
    Show(m_progress, true);
    m_progress.SetPos(m_nProgress);
    Show(m_staticPercentSign, true);
    Show(m_staticPercentNumber, true);
    m_staticPercentNumber.SetWindowText(text::Format("%d", m_nProgress));
  }
  if (!m_bBusy || progressShown) {
    for (int p = wizard::FIRST_PAGE; p <= wizard::LAST_PAGE; ++p) PageWindow(p)->ShowFrameProgress(progressShown);
  }
  return true;
}

}  // namespace app
