#pragma once
// The update of the two-module product: its two Bluetooth modules flashed one after the other by
// the DFU tool while the other waits, then its microcontroller by the serial flash loader, the
// modules steered between the steps by HID commands. Both images come in one container and are
// written out for the tools into the IMG folder, and deleted again at the end.
//
// The routine opens the module interfaces itself, again after every step, since each module
// leaves and comes back while it is flashed: the context's interfaces are not used.
#include <stop_token>

#include "firmware/transfer/HidTransferContext.h"

namespace firmware {

// Files the tools read, in the IMG folder.
inline constexpr const char* kBluetoothImageFileName = "__qsk_bluetooth_fw__.dfu";
inline constexpr const char* kMicrocontrollerImageFileName = "__qsk_can_fw__.hex";

void UpdateThreadExternalTools(const HidTransferContext& context, std::stop_token stop);

}  // namespace firmware
