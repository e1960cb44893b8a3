#include "app/AboutDlg.h"

#include <string>

#include "app/UpdaterDlg.h"
#include "app/WindowColours.h"
#include "framework/DeviceContext.h"
#include "framework/Font.h"
#include "localization/MainWindowTexts.h"
#include "localization/MakerAddresses.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "platform/Shell.h"
#include "resources/DialogTemplates.h"

namespace app {

namespace {

constexpr int kProgramMajor = 1;
constexpr int kProgramMinor = 0;
constexpr fw::Size kLogoSize = {64, 64};
constexpr fw::Colour kTextBackground = fw::RGB(236, 236, 216);

}  // namespace

CAboutDlg::CAboutDlg(fw::Window* parent) : fw::Dialog(res::AboutBoxTemplate(), parent) { DoDataExchange(); }

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange() {
  BindControl(IDC_ABOUT_LOGO, m_staticLogo);
  BindControl(IDC_ABOUT_TITLE, m_staticTitle);
  BindControl(IDC_ABOUT_NOTICE, m_staticNotice);
  BindControl(fw::IDOK, m_btnOk);
  BindControl(IDC_ABOUT_ONLINE_HELP, m_btnOnlineHelp);
}

bool CAboutDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  const CUpdaterDlg* main = CUpdaterDlg::Running();
  const int language = main ? main->m_nLanguage : 0;
  const fw::Font bold = GetFont().WithWeight(fw::FW_BOLD);
  m_staticTitle.SetWindowText(text::Format("%s %s %d.%d%s", text::GetProductNameText(language),
                                           text::GetVersionText(language), kProgramMajor, kProgramMinor, ""));
  m_staticNotice.SetWindowText(text::GetNoticeLineText(language));
  m_btnOk.SetWindowText(text::GetOkText(language));
  m_btnOnlineHelp.SetWindowText(text::GetOnlineHelpMenuText(language));
  m_staticLogo.SetBitmap(fw::Bitmap::Load(res::IDB_LOGO, kLogoSize));
  for (fw::Window* control : {static_cast<fw::Window*>(&m_staticTitle), static_cast<fw::Window*>(&m_staticNotice),
                              static_cast<fw::Window*>(&m_btnOk), static_cast<fw::Window*>(&m_btnOnlineHelp)}) {
    control->SetFont(bold, true);
  }
  return true;
}

bool CAboutDlg::OnCommand(int id, int notifyCode) {
  if (id == IDC_ABOUT_ONLINE_HELP && notifyCode == fw::BN_CLICKED) {
    OnOnlineHelp();
    return true;
  }
  return fw::Dialog::OnCommand(id, notifyCode);
}

fw::Brush CAboutDlg::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  fw::Dialog::OnCtlColor(dc, control, kind);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetBkColor(kTextBackground);
  const CUpdaterDlg* main = CUpdaterDlg::Running();
  return main ? main->m_brushWhite : fw::Brush::Solid(kColourWhite);
}

std::string CAboutDlg::OnlineHelpAddress() {
  return std::string(text::kOnlineHelpFolder) + "Contents/Resources/English/overview.html";
}

void CAboutDlg::OnOnlineHelp() { platform::Shell::Get().Open(OnlineHelpAddress()); }

}  // namespace app
