// The main window's construction, start-up, closing and device handles.
#include "app/UpdaterDlg.h"

#include <clocale>
#include <utility>

#include "app/WindowColours.h"
#include "device/ProductTraits.h"
#include "device/UsbIdentities.h"
#include "framework/PopupMenu.h"
#include "io/HidInterfaceLookup.h"
#include "localization/PageNumbers.h"
#include "localization/LanguageNames.h"
#include "localization/MainWindowTexts.h"
#include "localization/SharedTexts.h"
#include "resources/DialogTemplates.h"
#include "resources/Menus.h"

namespace app {

namespace {

std::atomic<CUpdaterDlg*> g_running{nullptr};

// Resource bitmaps the window loads at construction, in this order. Most are model pictures of
// 58 x 39 pixels; the page frame's own picture is 67 x 63.
constexpr std::array<int, CUpdaterDlg::kBitmapCount> kBitmapIds = {
    178, 200, 223, 318, 322, 365, 177, 195, 297, 211, 222, 312, 219, 215, 179, 180, 192,
    356, 199, 181, 193, 216, 224, 230, 284, 355, 294, 295, 296, 304, 313, 350, 353, 353,
    346, 354, 342, 319, 320, 314, 314, 284, 284, 284, 284, 284, 218, 227, 324, 175, 276};
constexpr fw::Size kModelPictureSize = {58, 39};
constexpr fw::Size kPageFrameSize = {67, 63};

// The flag of each UI language, in language order.
constexpr std::array<int, text::kLanguageCount> kFlagIds = {203, 204, 205, 206, 207, 208, 209, 291, 292, 293, 352};
constexpr fw::Size kFlagSize = {16, 11};

constexpr fw::Size kBackgroundSize = {730, 486};

// Fills the pages a caller left empty with the real ones, in page order.
CUpdaterDlg::Pages WithRealPages(CUpdaterDlg::Pages pages) {
  if (!pages.selection) pages.selection = std::make_unique<pages::CDialogDeviceSelection>();
  if (!pages.recognition) pages.recognition = std::make_unique<pages::CDialogDeviceRecognition>();
  if (!pages.firmwareUpdate) pages.firmwareUpdate = std::make_unique<firmware::CDialogFirmwareUpdate>();
  if (!pages.firmwareRestore) pages.firmwareRestore = std::make_unique<firmware::CDialogFirmwareRestore>();
  if (!pages.deviceSetting) pages.deviceSetting = std::make_unique<pages::CDialogDeviceSetting>();
  if (!pages.deviceSettingSecond) pages.deviceSettingSecond = std::make_unique<pages::CDialogDeviceSettingSecond>();
  if (!pages.deviceSettingSpeedDial) {
    pages.deviceSettingSpeedDial = std::make_unique<pages::CDialogDeviceSettingSpeedDial>();
  }
  return pages;
}

}  // namespace

CUpdaterDlg::CUpdaterDlg() : CUpdaterDlg(Pages{}) {}

CUpdaterDlg::CUpdaterDlg(Pages pages)
    : fw::Dialog(res::MainWindowTemplate()),
      m_pages(WithRealPages(std::move(pages))),
      m_dlgDeviceSelection(*m_pages.selection),
      m_dlgDeviceRecognition(*m_pages.recognition),
      m_dlgFirmwareUpdate(*m_pages.firmwareUpdate),
      m_dlgFirmwareRestore(*m_pages.firmwareRestore),
      m_dlgDeviceSetting(*m_pages.deviceSetting),
      m_dlgDeviceSettingSecond(*m_pages.deviceSettingSecond),
      m_dlgDeviceSettingSpeedDial(*m_pages.deviceSettingSpeedDial) {
  m_brushWhite = fw::Brush::Solid(kColourWhite);
  m_brushNavigation = fw::Brush::Solid(kColourNavigation);
  m_brushTitle = fw::Brush::Solid(kColourTitle);
  m_brushStatusNormal = fw::Brush::Solid(kColourStatusNormal);
  m_brushStatusError = fw::Brush::Solid(kColourStatusError);
  DoDataExchange();
  m_strFirmwareLanguage = text::GetLanguageEnglishName(0);
}

CUpdaterDlg::~CUpdaterDlg() {
  // A transfer may report into the restore page's job, which goes before the update page.
  m_dlgFirmwareUpdate.EndTransferThread();
  CUpdaterDlg* self = this;
  g_running.compare_exchange_strong(self, nullptr);
}

CUpdaterDlg* CUpdaterDlg::Running() { return g_running.load(); }

const fw::Bitmap& CUpdaterDlg::Flag(int language) {
  // One flag shows at a time: each is decoded when its language is first chosen.
  fw::Bitmap& flag = m_bmpFlags[static_cast<size_t>(language)];
  if (flag.IsNull()) flag = fw::Bitmap::Load(kFlagIds[static_cast<size_t>(language)], kFlagSize);
  return flag;
}

const fw::Bitmap& CUpdaterDlg::GetBitmap(int id) const {
  static const fw::Bitmap kNone;
  for (size_t i = 0; i < kBitmapIds.size(); ++i) {
    if (kBitmapIds[i] != id) continue;
    // Decoded when first asked for: page 1 keeps the product pictures hidden.
    if (m_bitmaps[i].IsNull()) {
      m_bitmaps[i] = fw::Bitmap::Load(id, id == res::IDB_PAGE_FRAME ? kPageFrameSize : kModelPictureSize);
    }
    return m_bitmaps[i];
  }
  return kNone;
}

void CUpdaterDlg::DoDataExchange() {
  BindControl(IDC_BACKGROUND, m_staticBackground);
  BindControl(IDC_DEVICE_PICTURE, m_staticDevicePicture);
  BindControl(IDC_DEVICE_LINE1, m_staticDeviceLine1);
  BindControl(IDC_DEVICE_LINE2, m_staticDeviceLine2);
  BindControl(IDC_ABOUT, m_btnAbout);
  BindControl(IDC_LANGUAGE_FLAG, m_staticLanguageFlag);
  BindControl(IDC_CLOSE, m_btnClose);
  for (int i = 0; i < static_cast<int>(m_btnNavigation.size()); ++i) {
    BindControl(IDC_NAV_WELCOME + i, m_btnNavigation[static_cast<size_t>(i)]);
  }
  BindControl(IDC_TAB_BAND, m_staticTabBand);
  BindControl(IDC_PAGE_FRAME, m_staticPageFrame);
  BindControl(IDC_TAB_FIRST, m_btnTabFirst);
  BindControl(IDC_TAB_SECOND, m_btnTabSecond);
  BindControl(IDC_PAGE_LIST, m_listPages);
  BindControl(IDC_STATUS_BACKGROUND, m_staticStatusBackground);
  BindControl(IDC_STATUS_TEXT, m_staticStatusText);
  BindControl(IDC_SHOW_STATUS, m_btnShowStatus);
  BindControl(IDC_BACK, m_btnBack);
  BindControl(IDC_NEXT, m_btnNext);
  BindControl(IDC_ACTION, m_btnAction);
  BindControl(IDC_UPDATE_SHORTCUT, m_btnUpdateShortcut);
  BindControl(IDC_RESTORE_SHORTCUT, m_btnRestoreShortcut);
  BindControl(IDC_PROGRESS, m_progress);
  BindControl(IDC_PERCENT_SIGN, m_staticPercentSign);
  BindControl(IDC_PERCENT_NUMBER, m_staticPercentNumber);
}

bool CUpdaterDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  g_running.store(this);
  m_toolTip.Create(this);
  SetWindowText(text::GetProductNameText(m_nLanguage));
  SetIcon(fw::Bitmap::Load(res::IDI_MAINFRAME));
  // The C run time follows the user's locale, as the toolkit does.
  std::setlocale(LC_ALL, "");
  m_staticBackground.SetBitmap(fw::Bitmap::Load(res::IDB_BACKGROUND, kBackgroundSize));
  // The picture is two pixels larger than the window; nothing of a control may reach outside it.
  m_staticBackground.MoveWindow(GetClientRect());
  MakePage(wizard::PAGE_SELECTION);
  LoadSettingsFile();
  AddToolTips();
  SetTimer(TIMER_STARTUP, kStartupDelayMs);
  ActivateToolTip();
  // The window shows first with an empty frame; the first tick of TIMER_STARTUP shows page 1.
  return true;
}

void CUpdaterDlg::OnTimer(unsigned id) {
  if (id == TIMER_STARTUP) {
    KillTimer(TIMER_STARTUP);
    UpdateFonts();
    GoToSelectionPage();
  } else if (id == TIMER_LATER_PAGES) {
    MakeNextLaterPage();
  }
  fw::Dialog::OnTimer(id);
}

bool CUpdaterDlg::OnSetCursor(fw::Window& over) {
  if (m_bBusy) {
    fw::SetCursor(fw::CursorShape::Wait);
    return true;
  }
  return fw::Dialog::OnSetCursor(over);
}

// --- Closing ----------------------------------------------------------------------------------

void CUpdaterDlg::OnOK() {
  if (SaveSettingsFile()) fw::Dialog::OnOK();
}

void CUpdaterDlg::OnClose() {
  // A wait for the update server is the one busy state the window closes in: it is dropped with
  // the busy state it took, and what the page would have done with the answer never runs.
  for (int page = wizard::FIRST_PAGE; page <= wizard::LAST_PAGE; ++page) PageWindow(page)->DropServerWait();
  OnOK();
}

std::string CUpdaterDlg::CloseRefusal() const {
  if (m_bPageListOpen) return "the list of settings pages is open";
  if (!m_bBusy) return {};
  // A wait for the update server is dropped by the close: the busy state it holds refuses nothing.
  for (int page = wizard::FIRST_PAGE; page <= wizard::LAST_PAGE; ++page) {
    if (PageWindow(page)->m_serverFetch.IsPending()) return {};
  }
  return "the window is busy with the headset";
}

void CUpdaterDlg::OnCancel() {
  // Esc never closes the window.
}

void CUpdaterDlg::OnMenuClose() {
  if (IsRefusingCommands()) return;
  PostMessage(fw::WM_COMMAND, fw::MakeCommand(fw::IDOK, fw::BN_CLICKED), 0);
}

bool CUpdaterDlg::OnContextMenu(fw::Window& /*clicked*/, fw::Point screenPoint) {
  if (IsRefusingCommands()) return true;
  fw::PopupMenu menu(res::ContextMenuTemplate());
  menu.ModifyItem(res::ID_MENU_ABOUT, text::GetAboutMenuText(m_nLanguage));
  menu.ModifyItem(res::ID_MENU_ONLINE_HELP, text::GetOnlineHelpMenuText(m_nLanguage));
  menu.ModifyItem(res::ID_MENU_LANGUAGE, text::GetManagerSoftwareLanguageText(m_nLanguage));
  menu.ModifyItem(res::ID_MENU_DIAGNOSTIC_LOG, text::GetDiagnosticLogText(m_nLanguage));
  menu.ModifyItem(res::ID_MENU_CLOSE, text::GetCloseMenuText(m_nLanguage));
  menu.TrackPopupMenu(fw::TPM_LEFTALIGN | fw::TPM_RIGHTBUTTON, screenPoint, *this);
  return true;
}

bool CUpdaterDlg::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_SHOW_STATUS:
      OnButtonShowStatus();
      return true;
    case res::ID_MENU_CLOSE:
      OnMenuClose();
      return true;
    case res::ID_MENU_DIAGNOSTIC_LOG:
      OnMenuDiagnosticLog();
      return true;
    case IDC_PAGE_LIST:
      if (notifyCode == fw::LBN_SELCHANGE) OnSelchangePageList();
      return true;
    default:
      break;
  }
  if (OnNavigationCommand(id) || OnChromeCommand(id, notifyCode)) return true;
  return fw::Dialog::OnCommand(id, notifyCode);
}

bool CUpdaterDlg::OnInput(const fw::Msg& msg) {
  // The window has no caption: dragging its own surface moves it.
  if (msg.kind != fw::MsgKind::LButtonDown) return false;
  StartMoveDrag();
  return true;
}

// --- Tooltips ---------------------------------------------------------------------------------

void CUpdaterDlg::AddToolTips() {
  m_toolTip.AddTool(m_staticLanguageFlag, text::GetManagerSoftwareLanguageText(m_nLanguage));
  m_toolTip.AddTool(m_btnClose, text::GetCloseMenuText(m_nLanguage));
  m_toolTip.AddTool(m_btnAbout, text::GetAboutMenuText(m_nLanguage));
}

void CUpdaterDlg::ActivateToolTip() {
  if (!m_toolTip.IsCreated()) m_toolTip.Create(this);
  m_toolTip.Activate(false);
}

// --- Device handles ---------------------------------------------------------------------------

void CUpdaterDlg::CloseHidHandles() {
  m_hHidDevice.reset();
  m_hHidDeviceSecond.reset();
}

CUpdaterDlg& CUpdaterDlg::ResetHidHandles() {
  CloseHidHandles();
  return *this;
}

void CUpdaterDlg::ResetSettingsPageList() {
  device::ClearSettingsPages(m_nSettingsPageCount, m_anSettingsPages, m_nSettingsPageSel);
  m_bPageListOpen = false;
}

int CUpdaterDlg::CountHidDfuDevices(int max) { return io::CountHidDfuDevices(max); }

// --- Pages ------------------------------------------------------------------------------------

void CUpdaterDlg::MakePage(int page) {
  pages::CWizardPage* window = PageWindow(page);
  if (!window || window->IsCreated()) return;
  // Children of the frame, so that a page's parent's parent is this window (GetMainWindow).
  window->Create(&m_staticPageFrame);
  // Made hidden; only a page made for the switch to it is shown, by ShowCurrentPage.
  if (page != m_nCurrentPage) window->ShowWindow(false);
}

void CUpdaterDlg::CreateLaterPages() {
  for (int page = wizard::FIRST_PAGE + 1; page <= wizard::LAST_PAGE; ++page) MakePage(page);
}

void CUpdaterDlg::MakePagesFor(int page) {
  MakePage(page);
  switch (page) {
    case wizard::PAGE_FIRMWARE_UPDATE:
    case wizard::PAGE_FIRMWARE_RESTORE:
      // An update and a restore share their transfer and each other's jobs, and ask the
      // recognition page about the headset.
      MakePage(wizard::PAGE_FIRMWARE_UPDATE);
      MakePage(wizard::PAGE_FIRMWARE_RESTORE);
      MakePage(wizard::PAGE_RECOGNITION);
      break;
    case wizard::PAGE_DEVICE_SETTING:
    case wizard::PAGE_DEVICE_SETTING_SECOND:
    case wizard::PAGE_SPEED_DIAL:
      // A save asks the recognition page whether the headset is still there.
      MakePage(wizard::PAGE_RECOGNITION);
      break;
    default:
      break;
  }
}

void CUpdaterDlg::OnPagePainted(const pages::CWizardPage& page) {
  if (m_bLaterPagesStarted || &page != &m_dlgDeviceSelection) return;
  // Not earlier: a page would add to the memory start-up takes, and delay page 1.
  m_bLaterPagesStarted = true;
  SetOneShot(TIMER_LATER_PAGES);
}

void CUpdaterDlg::ContinueLaterPages() {
  m_bPageOneLeft = true;
  if (!IsTimerArmed(TIMER_LATER_PAGES)) SetOneShot(TIMER_LATER_PAGES);
}

void CUpdaterDlg::MakeNextLaterPage() {
  int page = wizard::FIRST_PAGE + 1;
  while (page <= wizard::LAST_PAGE && PageWindow(page)->IsCreated()) ++page;
  if (page > wizard::LAST_PAGE) return;
  MakePage(page);
  // While the window has never left page 1 only page 2, where NEXT leads, is made: all of them
  // would hold a third more memory than a window on page 1 needs.
  if (page < wizard::LAST_PAGE && m_bPageOneLeft) SetOneShot(TIMER_LATER_PAGES);
}

pages::CWizardPage* CUpdaterDlg::PageWindow(int page) const {
  switch (page) {
    case wizard::PAGE_SELECTION: return &m_dlgDeviceSelection;
    case wizard::PAGE_RECOGNITION: return &m_dlgDeviceRecognition;
    case wizard::PAGE_FIRMWARE_UPDATE: return &m_dlgFirmwareUpdate;
    case wizard::PAGE_FIRMWARE_RESTORE: return &m_dlgFirmwareRestore;
    case wizard::PAGE_DEVICE_SETTING: return &m_dlgDeviceSetting;
    case wizard::PAGE_DEVICE_SETTING_SECOND: return &m_dlgDeviceSettingSecond;
    case wizard::PAGE_SPEED_DIAL: return &m_dlgDeviceSettingSpeedDial;
    default: return nullptr;
  }
}

pages::CSettingsPage* CUpdaterDlg::SettingsPage(int page) const {
  switch (page) {
    case wizard::PAGE_DEVICE_SETTING: return &m_dlgDeviceSetting;
    case wizard::PAGE_DEVICE_SETTING_SECOND: return &m_dlgDeviceSettingSecond;
    case wizard::PAGE_SPEED_DIAL: return &m_dlgDeviceSettingSpeedDial;
    default: return nullptr;
  }
}

std::string CUpdaterDlg::GetSaveChangesPromptText() const { return text::GetSaveChangesPromptText(m_nLanguage); }

CUpdaterDlg* GetMainWindow(const fw::Window& page) {
  fw::Window* frame = page.GetParent();
  return frame ? dynamic_cast<CUpdaterDlg*>(frame->GetParent()) : nullptr;
}

}  // namespace app
