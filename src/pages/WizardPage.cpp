#include "pages/WizardPage.h"

#include "app/UpdaterDlg.h"
#include "app/WindowColours.h"

namespace pages {

app::CUpdaterDlg* CWizardPage::MainWindow() const { return app::GetMainWindow(*this); }

fw::Brush CWizardPage::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  fw::Dialog::OnCtlColor(dc, control, kind);
  dc.SetBkMode(fw::BkMode::Transparent);
  if (app::CUpdaterDlg* main = MainWindow()) return main->m_brushWhite;
  return fw::Brush::Solid(app::kColourWhite);
}

}  // namespace pages
