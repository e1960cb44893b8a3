#include "pages/recognition/DialogDeviceRecognition.h"

#include "resources/PageTemplates.h"

namespace pages {

CDialogDeviceRecognition::CDialogDeviceRecognition() : CWizardPage(res::DeviceRecognitionTemplate()) {}

CDialogDeviceRecognition::~CDialogDeviceRecognition() = default;

void CDialogDeviceRecognition::SetInstructionVariant(int variant) { m_nInstructionVariant = variant; }

int CDialogDeviceRecognition::RecognizeDevice(device::CDeviceSettings* /*toWrite*/, bool /*interactive*/) {
  // The recognition engine comes with its own work; until then no device is ever found.
  return RECOGNIZE_NO_DEVICE;
}

}  // namespace pages
