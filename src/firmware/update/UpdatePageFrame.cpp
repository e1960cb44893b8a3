// What the main window's frame shows for the update page.
#include "firmware/update/DialogFirmwareUpdate.h"
#include "localization/MainWindowTexts.h"

namespace firmware {

// UPDATE waits for an image to be chosen.
pages::PageFrame CDialogFirmwareUpdate::DescribeFrame(int language) const {
  const fw::Window* path = GetDlgItem(IDC_FIRMWARE_IMAGE_PATH);
  return {text::GetUpdateActionText(language), path && !path->GetWindowText().empty(), false};
}

// The instructions share their place with the frame's progress bar.
void CDialogFirmwareUpdate::ShowFrameProgress(bool shown) {
  if (fw::Window* instructions = GetDlgItem(IDC_FIRMWARE_INSTRUCTIONS)) instructions->ShowWindow(!shown);
}

}  // namespace firmware
