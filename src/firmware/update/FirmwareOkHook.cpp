#include "firmware/update/FirmwareOkHook.h"

#include <cstdint>

#include "app/UpdaterDlg.h"
#include "device/ProductTraits.h"

namespace firmware {

namespace {

constexpr uint32_t kWaitAfterOkMs = 10000;

}  // namespace

controls::CDialogMessageBox::OkHook FirmwareOkHook(app::CUpdaterDlg& main) {
  return [&main](controls::CDialogMessageBox& box) {
    if (device::HasProductFlag(main.m_nDeviceTarget, device::kWaitsAfterOk) && main.m_bWaitAfterOk.exchange(false)) {
      pages::BusyHold busy = main.HoldBusy();
      box.WaitWithOkDisabled(kWaitAfterOkMs);
    }
    if (main.m_bWaitForUserOk.exchange(false) && !device::TransferWaitsForOkItself(main.m_nDeviceTarget)) {
      main.m_dlgFirmwareUpdate.StartDfuUpdateConfirmed();
    }
  };
}

}  // namespace firmware
