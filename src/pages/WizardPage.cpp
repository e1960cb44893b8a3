#include "pages/WizardPage.h"

#include "app/UpdaterDlg.h"
#include "app/WindowColours.h"

namespace pages {

app::CUpdaterDlg* CWizardPage::MainWindow() const { return app::GetMainWindow(*this); }

BusyHold CWizardPage::HoldMainWindowBusy() const {
  app::CUpdaterDlg* main = MainWindow();
  return main ? main->HoldBusy() : BusyHold();
}

fw::Brush CWizardPage::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  fw::Dialog::OnCtlColor(dc, control, kind);
  dc.SetBkMode(fw::BkMode::Transparent);
  if (app::CUpdaterDlg* main = MainWindow()) return main->m_brushWhite;
  return fw::Brush::Solid(app::kColourWhite);
}

intptr_t CWizardPage::OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  if (m_serverFetch.OnMessage(msg, lParam)) return 0;
  return fw::Dialog::OnMessage(msg, wParam, lParam);
}

void CWizardPage::OnPaint(fw::DeviceContext& dc) {
  fw::Dialog::OnPaint(dc);
  if (app::CUpdaterDlg* main = MainWindow()) main->OnPagePainted(*this);
}

}  // namespace pages
