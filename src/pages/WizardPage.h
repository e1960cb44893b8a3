#pragma once
// The common ground of the seven wizard pages: a modeless child dialog inside the main window's
// page frame that never ends itself.
#include "framework/Dialog.h"

namespace app {
class CUpdaterDlg;
}

namespace pages {

class CWizardPage : public fw::Dialog {
 public:
  using fw::Dialog::Dialog;

  // Enter and Esc belong to the wizard, not to the page: a page is never closed by a key, so
  // both do nothing here, as they do on the main window.
  void OnOK() override {}
  void OnCancel() override {}
  // Every page and its controls stand on white, with transparent text backgrounds.
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;

 protected:
  // The main window, or nullptr while the page is not placed in its frame.
  app::CUpdaterDlg* MainWindow() const;
};

}  // namespace pages
