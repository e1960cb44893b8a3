#pragma once
// What OK does in the message boxes of the firmware flow.
#include "controls/DialogMessageBox.h"

namespace app {
class CUpdaterDlg;
}

namespace firmware {

// After a firmware step the camera keeps the box up, OK disabled and the window busy, for ten
// seconds; a DFU update the box asked the user to confirm then starts, unless the product's
// transfer thread waits for the OK itself (it sees the cleared flag).
controls::CDialogMessageBox::OkHook FirmwareOkHook(app::CUpdaterDlg& main);

}  // namespace firmware
