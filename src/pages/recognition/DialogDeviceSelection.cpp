#include "pages/recognition/DialogDeviceSelection.h"

#include "resources/PageTemplates.h"

namespace pages {

CDialogDeviceSelection::CDialogDeviceSelection() : CWizardPage(res::DeviceSelectionTemplate()) {}

CDialogDeviceSelection::~CDialogDeviceSelection() = default;

void CDialogDeviceSelection::ShowPage() {
  // The selection picture and the program's update check come with the selection page's work.
}

}  // namespace pages
