#pragma once
// Page 2: recognises the attached device, by hand (NEXT) or silently on the way back to a page.
#include "device/DeviceSettings.h"
#include "pages/WizardPage.h"
#include "pages/recognition/RecognitionStates.h"

namespace pages {

class CDialogDeviceRecognition : public CWizardPage {
 public:
  CDialogDeviceRecognition();
  ~CDialogDeviceRecognition() override;

  // 0: the user recognises by hand. 1 to 7: recognise at once, then back to that page.
  // 101 to 107: recognise at once, then on to page (value - 100).
  int m_nReturnPage = 0;
  int m_nInstructionVariant = 0;

  virtual void SetInstructionVariant(int variant);
  // Finds and reads the attached device; `toWrite`, when given, is written to it first. Message
  // boxes are shown only when `interactive`. Returns a RecognizeResult.
  virtual int RecognizeDevice(device::CDeviceSettings* toWrite, bool interactive);
};

}  // namespace pages
