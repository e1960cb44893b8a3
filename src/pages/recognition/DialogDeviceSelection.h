#pragma once
// Page 1: the product family picture; NEXT or a click on it goes on to recognition. The product
// buttons behind the picture are kept hidden, but they select and draw as they always did.
#include <array>
#include <optional>
#include <string>

#include "device/ProductTraits.h"
#include "framework/Bitmap.h"
#include "framework/Button.h"
#include "io/Download.h"
#include "io/NumberedWorker.h"
#include "pages/BusyHold.h"
#include "pages/WizardPage.h"

namespace pages {

enum : int { IDC_SELECTION_PICTURE = 1032 };
enum : unsigned {
  TIMER_UPDATE_CHECK = 101,     // one-shot: reads the server's list, asks, starts the download
  TIMER_UPDATE_DOWNLOAD = 102,  // every second while the installer downloads
};
// Posted by the installer download's worker once it has ended; lParam is the download's number.
inline constexpr unsigned WM_INSTALLER_DOWNLOADED = fw::WM_USER + 1001;
inline constexpr unsigned kUpdateCheckDelayMs = 100;
inline constexpr unsigned kUpdateDownloadTickMs = 1000;

class CDialogDeviceSelection : public CWizardPage {
 public:
  struct ProductButton {
    int id;
    int productId;
    int bitmapId;
  };
  static constexpr int kProductButtonCount = 18;
  // In member order.
  static const std::array<ProductButton, kProductButtonCount> kProductButtons;

  CDialogDeviceSelection();
  ~CDialogDeviceSelection() override;

  int m_nSelectedProduct = device::EDITION_PRODUCT;
  bool m_bUpdateChecked = false;
  std::string m_strUpdateFileName;
  std::string m_strUpdatePath;
  // Written by the installer download thread, read by TIMER_UPDATE_DOWNLOAD.
  io::DownloadProgress m_download;
  std::array<fw::Button, kProductButtonCount> m_btnProducts;
  fw::Button m_btnPicture;

  // Page entry, after the main window has shown the page.
  virtual void ShowPage();
  // The page's controls again: the picture shown (unless an installer download runs), the product
  // buttons hidden.
  virtual void RedrawSelection();
  void OnProductButton(int productId);
  void OnPictureButton();

  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;
  void OnDrawItem(int id, const fw::DrawItemStruct& item) override;
  bool OnSetCursor(fw::Window& over) override;
  void OnTimer(unsigned id) override;
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override;
  void DropServerWait() override;

 protected:
  // Arms the program's own update check: busy until it has asked the server (ProgramUpdateCheck).
  virtual void StartUpdateCheck();

 private:
  void FocusNext();
  // The update check's steps.
  void OnUpdateCheckTimer();
  void TakeSoftwareList(const FetchResult& list, BusyHold busy);
  void OfferUpdate(int major, int minor, int build, BusyHold busy);
  void StartInstallerDownload(const std::string& path, BusyHold busy);
  void OnUpdateDownloadTimer();
  void FinishInstallerDownload(bool succeeded, int failure);
  void EndUpdateCheck(BusyHold& busy);

  fw::Bitmap m_bmpPicture;  // the page's picture, once it has been drawn

  // The installer download's result, once its word has come: only the worker's own end says
  // the installer is in place.
  std::optional<int> m_installerResult;
  // The window's busy state while the installer downloads.
  BusyHold m_downloadBusy;
  // The installer download; last, so that it is joined before the members it writes go. Its stop
  // cancels the transfer, so that closing the program never waits behind it.
  io::NumberedWorker<int> m_installerDownload{
      [this](intptr_t run) { PostMessage(WM_INSTALLER_DOWNLOADED, 0, run); }};
};

// Pages 1 to 5: the wait cursor while the main window is busy. True when it set the cursor.
bool SetBusyCursor(const fw::Window& page);

}  // namespace pages
