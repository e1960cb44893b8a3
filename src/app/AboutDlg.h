#pragma once
// The About box: the maker's logo, the program's name and version, the ownership line, and a
// button that opens the online help.
#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/Static.h"

namespace app {

enum : int {
  IDC_ABOUT_LOGO = 1025,
  IDC_ABOUT_TITLE = 1018,
  IDC_ABOUT_NOTICE = 1019,
  IDC_ABOUT_ONLINE_HELP = 57670,
};

class CAboutDlg : public fw::Dialog {
 public:
  // Without a parent the running main window owns the box and lends it its language.
  explicit CAboutDlg(fw::Window* parent = nullptr);
  ~CAboutDlg() override;

  // Opens the English overview page of the online help in the desktop's browser. Whether a
  // browser opened is not reported.
  static void OnOnlineHelp();
  // The page OnOnlineHelp opens.
  static std::string OnlineHelpAddress();

  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;

 private:
  void DoDataExchange();

  fw::Static m_staticLogo;
  fw::Static m_staticTitle;
  fw::Static m_staticNotice;
  fw::Button m_btnOk;
  fw::Button m_btnOnlineHelp;
};

}  // namespace app
