#pragma once
// The main window: the frame of the seven-page wizard. It owns the pages, shows one at a time in
// its page frame, and keeps the state every page shares. Pages read and write that state directly
// (GetMainWindow); everything here runs on the UI thread unless a member says otherwise.
#include <array>
#include <atomic>
#include <memory>
#include <string>

#include "app/MainWindowIds.h"
#include "controls/MyStatic.h"
#include "device/DeviceSettings.h"
#include "device/SettingsPages.h"
#include "firmware/restore/DialogFirmwareRestore.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "framework/Bitmap.h"
#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/FileDialog.h"
#include "framework/ListBox.h"
#include "framework/PaintTools.h"
#include "framework/ProgressBar.h"
#include "framework/Static.h"
#include "framework/ToolTip.h"
#include "localization/TextRow.h"
#include "pages/BusyHold.h"
#include "pages/recognition/DialogDeviceRecognition.h"
#include "pages/recognition/DialogDeviceSelection.h"
#include "pages/settings/DialogDeviceSetting.h"
#include "pages/settings/DialogDeviceSettingSecond.h"
#include "pages/settings/DialogDeviceSettingSpeedDial.h"
#include "platform/HidBus.h"

namespace app {

class CDialogLanguageManager;

class CUpdaterDlg : public fw::Dialog {
 public:
  // The seven pages. A test may hand in doubles derived from the real pages; every page left
  // empty is the real one.
  struct Pages {
    std::unique_ptr<pages::CDialogDeviceSelection> selection;
    std::unique_ptr<pages::CDialogDeviceRecognition> recognition;
    std::unique_ptr<firmware::CDialogFirmwareUpdate> firmwareUpdate;
    std::unique_ptr<firmware::CDialogFirmwareRestore> firmwareRestore;
    std::unique_ptr<pages::CDialogDeviceSetting> deviceSetting;
    std::unique_ptr<pages::CDialogDeviceSettingSecond> deviceSettingSecond;
    std::unique_ptr<pages::CDialogDeviceSettingSpeedDial> deviceSettingSpeedDial;
  };

  CUpdaterDlg();
  explicit CUpdaterDlg(Pages pages);
  ~CUpdaterDlg() override;

  // The main window while it runs (from its OnInitDialog until it is destroyed), else nullptr.
  // Dialogs whose parent may be a page (the message box) find the main window here.
  static CUpdaterDlg* Running();

  // --- Shared state --------------------------------------------------------------------------
  int m_nCurrentPage = 0;  // 1 to 7; 0 before the first page is shown
  bool m_bDeviceRecognized = false;
  // The recognised device's vendor HID interfaces; empty when closed.
  std::unique_ptr<platform::HidDevice> m_hHidDevice;
  std::unique_ptr<platform::HidDevice> m_hHidDeviceSecond;
  int m_nSettingsPageCount = 0;
  std::array<int, 3> m_anSettingsPages{};  // SETTINGS_PAGE_ kinds
  int m_nSettingsPageSel = 0;
  bool m_bPageListOpen = false;
  int m_nDeviceTarget = 0;  // product id; 0 when none chosen
  // Set by firmware work (a worker thread may set and wait on them); cleared by the message box.
  std::atomic<bool> m_bWaitAfterOk{false};
  std::atomic<bool> m_bWaitForUserOk{false};
  std::string m_strManagerVersion = "v0.0";
  int m_nLanguage = 0;  // 0 to 10
  bool m_bApplyToFirmwareLanguage = true;
  std::string m_strFirmwareLanguage = "English";
  text::LocalizedText m_strStatus;  // the status message in every language
  std::string m_strCurrentPath;
  int m_nUsbStatus = 0;  // USB product id of the device; DFU_MODE_FLAG set in DFU mode
  // Busy while any duty holds the window (HoldBusy): commands and the close are refused. Read it;
  // only the count writes it.
  bool m_bBusy = false;
  bool m_bStatusNormal = true;
  int m_nProgress = -1;  // percent under the page; -1 hides the bar
  device::CDeviceSettings m_deviceSettings;

  // A unit of the busy state for one duty; the window is idle again once every hold is given back.
  [[nodiscard]] pages::BusyHold HoldBusy() { return m_busyCount.Take(); }
  int BusyHolds() const { return m_busyCount.Holds(); }

  // --- Look ----------------------------------------------------------------------------------
  fw::Brush m_brushWhite;
  fw::Brush m_brushNavigation;
  fw::Brush m_brushTitle;
  fw::Brush m_brushStatusNormal;
  fw::Brush m_brushStatusError;
  static constexpr int kBitmapCount = 51;
  mutable std::array<fw::Bitmap, kBitmapCount> m_bitmaps;  // each loaded by its first GetBitmap
  std::array<fw::Bitmap, text::kLanguageCount> m_bmpFlags;  // by UI language, each loaded by Flag
  fw::ToolTip m_toolTip;

  // The resource bitmap `id`, loaded at the first call (a null bitmap when it is none of the
  // window's). Window's thread only.
  const fw::Bitmap& GetBitmap(int id) const;

  // --- Controls of the window ----------------------------------------------------------------
  fw::Static m_staticBackground;     // 1001
  controls::CMyStatic m_staticDevicePicture;  // 1002
  fw::Static m_staticDeviceLine1;    // 1003
  fw::Static m_staticDeviceLine2;    // 1004
  fw::Button m_btnAbout;             // 1006
  fw::Static m_staticLanguageFlag;   // 1166
  fw::Button m_btnClose;             // 1
  std::array<fw::Button, 5> m_btnNavigation;  // 1007 to 1011
  fw::Static m_staticTabBand;        // 1012
  fw::Static m_staticPageFrame;      // 1014: the parent of every page
  fw::Button m_btnTabFirst;          // 1025
  fw::Button m_btnTabSecond;         // 1027
  fw::ListBox m_listPages;           // 1171
  fw::Static m_staticStatusBackground;  // 1013
  fw::Static m_staticStatusText;     // 1016
  fw::Button m_btnShowStatus;        // 1015
  fw::Button m_btnBack;              // 1017
  fw::Button m_btnNext;              // 1018
  fw::Button m_btnAction;            // 1019
  fw::Button m_btnUpdateShortcut;    // 1020
  fw::Button m_btnRestoreShortcut;   // 1024
  fw::ProgressBar m_progress;        // 1021
  fw::Static m_staticPercentSign;    // 1022
  fw::Static m_staticPercentNumber;  // 1023

 private:
  // Before the pages: the holds they keep are given back into it when they go.
  pages::BusyCount m_busyCount{m_bBusy};
  Pages m_pages;  // owns the pages; declared before the references below

 public:
  // --- The pages, in page order ---------------------------------------------------------------
  pages::CDialogDeviceSelection& m_dlgDeviceSelection;              // 1
  pages::CDialogDeviceRecognition& m_dlgDeviceRecognition;          // 2
  firmware::CDialogFirmwareUpdate& m_dlgFirmwareUpdate;             // 3
  firmware::CDialogFirmwareRestore& m_dlgFirmwareRestore;           // 4
  pages::CDialogDeviceSetting& m_dlgDeviceSetting;                  // 5
  pages::CDialogDeviceSettingSecond& m_dlgDeviceSettingSecond;      // 6
  pages::CDialogDeviceSettingSpeedDial& m_dlgDeviceSettingSpeedDial;  // 7

  // The page window of page 1 to 7, else nullptr. Page 1 is made with the window. The others are
  // made in idle time, one per turn of the event loop (TIMER_LATER_PAGES), so that start-up and
  // the first leave of page 1 stay quick: page 2 once page 1 has been painted, pages 3 to 7 once
  // the window has left page 1. A page shown before its turn is made at once together with the
  // pages its code reaches into (MakePagesFor).
  pages::CWizardPage* PageWindow(int page) const;
  // Makes every page still missing at once.
  void CreateLaterPages();
  // Makes `page` and the pages its code reaches into, those of them still missing.
  void MakePagesFor(int page);
  // A page has been painted: page 1's first paint starts the idle making of the others.
  void OnPagePainted(const pages::CWizardPage& page);
  // The settings page 5, 6 or 7, else nullptr.
  pages::CSettingsPage* SettingsPage(int page) const;

  // --- Device handles ------------------------------------------------------------------------
  // Closes the open HID handles; harmless when none is open.
  void CloseHidHandles();
  CUpdaterDlg& ResetHidHandles();
  void ResetSettingsPageList();
  // Modules in HID DFU mode (092B:D340) present now, counting no further than `max`. Touches no
  // member: the firmware transfer threads call it from their own thread.
  static int CountHidDfuDevices(int max);

  // --- Settings file -------------------------------------------------------------------------
  // Gives the shared state its start values, then reads the preferences file over them.
  void LoadSettingsFile();
  // False (and nothing written) while busy or while the page list is open: the window must stay.
  // Otherwise closes the HID handles, writes the file and returns true, written or not.
  bool SaveSettingsFile();
  // Where a file dialog starts: the last folder chosen while it exists, else the user's home
  // folder; with none chosen yet, the IMG folder beside the program.
  std::string SaveDialogFolder() const;
  // A file dialog's request that starts there and speaks the UI language.
  fw::FileDialogRequest NewFileDialogRequest() const;

  // --- Page switching ------------------------------------------------------------------------
  void GoToSelectionPage();
  // `toWrite` is written to the device by a silent recognition (returnPage not 0); may be null.
  void GoToRecognitionPage(bool showStatus, device::CDeviceSettings* toWrite, int returnPage);
  void GoToFirmwareUpdatePage(bool showStatus);
  void GoToFirmwareRestorePage(bool showStatus);
  void GoToDeviceSettingPage(bool showStatus);
  void GoToDeviceSettingSecondPage(bool showStatus);
  void GoToSpeedDialPage(bool showStatus);
  // Page 1 to 7 by number; anything else does nothing.
  void GoToPage(int page);
  void ShowCurrentPage();
  // Position of settings page 5, 6 or 7 in the recognised product's list, -1 when absent.
  int FindSettingsPageIndex(int page) const;
  // `productId` is the device target or one of its accepted variants.
  bool IsTargetCompatible(int productId) const;

  // --- Status line and progress --------------------------------------------------------------
  std::string GetStatusMessage() const;
  void SetStatusMessage(const std::string& text, int language);
  std::string BuildInstructionStatus();
  std::string BuildProgressStatus();
  void ShowStatusMessage(const std::string& text, bool error);
  void ShowPageStatus();
  void RefreshStatusMessage();
  void OnButtonShowStatus();

  // Recomputes the frame's controls from the shared state. Pages call it after every change of
  // the busy state, the progress or anything else the frame shows.
  bool RefreshControls();

  // --- Navigation buttons (each does nothing while busy or while the page list is open) -------
  void OnButtonWelcome();
  void OnButtonRecognition();
  void OnButtonFirmwareUpdate();
  void OnButtonFirmwareRestore();
  void OnButtonDeviceSetting();
  void OnButtonBack();
  void OnButtonNext();
  void OnButtonAction();
  // Settings-page tabs: the first tab, the second tab or "More..." list toggle (gated by the busy
  // state only), and a choice in the list (not gated).
  void OnButtonBasic();
  void OnButtonPageList();
  void OnSelchangePageList();
  // Gives the page frame a picture of itself with the current page in it, so that the page can be
  // hidden while the page list is open.
  void SnapshotPageToFrame();
  void SetNavigationTexts();

  // --- Chrome --------------------------------------------------------------------------------
  void UpdateFonts();
  void AddToolTips();
  void ActivateToolTip();
  void OnMenuClose();
  // Saves the diagnostic report where the user chooses.
  void OnMenuDiagnosticLog();
  // The About box from the "?" button, and from the context menu by way of that button.
  void OnButtonAbout();
  void OnMenuAbout();
  // The language dialog from the flag or the context menu; its choice applied on OK.
  void OnLanguage();
  void ApplyLanguageChoice(const CDialogLanguageManager& dialog);

  // --- Device panel --------------------------------------------------------------------------
  // Picture 1002 and lines 1003 and 1004 from the recognised device, or the state without one.
  void UpdateDevicePanel();
  // The model picture's resource id for the recognised product.
  int SelectDevicePicture();

  // --- Texts ---------------------------------------------------------------------------------
  std::string GetSaveChangesPromptText() const;

  // --- Framework hooks -----------------------------------------------------------------------
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnClose() override;
  std::string CloseRefusal() const override;
  void OnTimer(unsigned id) override;
  bool OnCommand(int id, int notifyCode) override;
  bool OnSetCursor(fw::Window& over) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;
  bool OnContextMenu(fw::Window& clicked, fw::Point screenPoint) override;
  bool PreTranslateMessage(const fw::Msg& msg) override;
  bool OnInput(const fw::Msg& msg) override;
  void OnDrawItem(int id, const fw::DrawItemStruct& item) override;

 private:
  void DoDataExchange();
  // The flag of UI language `language` (0 to kLanguageCount - 1).
  const fw::Bitmap& Flag(int language);
  void SetStartValues();
  // Every page operation: leave the current settings page (when `leavingCurrent`), forget or
  // require the device, show and enter the page.
  void SwitchToPage(int page, bool showStatus, device::CDeviceSettings* toWrite, int returnPage,
                    bool leavingCurrent = true);
  // Step 1 of a switch: true when the page being left took over (it asked about its changes).
  bool LeaveSettingsPage(int target);
  void ForgetDevice();
  void EnterPage(int page, bool showStatus);
  // Runs the navigation button `id`; false when `id` is none of them.
  bool OnNavigationCommand(int id);
  bool IsRefusingCommands() const { return m_bBusy || m_bPageListOpen; }
  // About, online help and the language; false when `id` is none of them.
  bool OnChromeCommand(int id, int notifyCode);
  // The page on show in the new language after a language change.
  void RedressPageForLanguage();
  int QueryHardwareVariant();
  int HardwareVariantForPicture();
  void GoToSettingsPageOfKind(int kind);
  // Page 4: lists the archived values of kind `index`.
  void ShowArchiveKind(int index);
  // The frame's own picture back and the current page live again.
  void RestoreLivePage();
  // Makes `page` when it is missing, hidden unless it is the current page.
  void MakePage(int page);
  // One idle turn: makes the first page still missing; armed again while another is and the
  // window has left page 1.
  void MakeNextLaterPage();
  // The window has left page 1: the idle turns go on to the pages past page 2.
  void ContinueLaterPages();
  bool m_bLaterPagesStarted = false;  // page 1 has been painted
  bool m_bPageOneLeft = false;

  // Why the settings file that was there at start must not be replaced by the close (it could not
  // be read, or it is not ours); empty when it may be.
  std::string m_strKeepSettingsFileWhy;
};

// A page's way to the main window: the parent of the page's parent window (pages are children of
// the page frame). nullptr when `page` is not placed in a main window.
CUpdaterDlg* GetMainWindow(const fw::Window& page);

}  // namespace app
