#pragma once
// Page 1: the product family picture; NEXT or a click on it goes on to recognition.
#include "pages/WizardPage.h"

namespace pages {

class CDialogDeviceSelection : public CWizardPage {
 public:
  CDialogDeviceSelection();
  ~CDialogDeviceSelection() override;

  // Page entry, after the main window has shown the page.
  virtual void ShowPage();
};

}  // namespace pages
