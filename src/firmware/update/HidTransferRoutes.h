#pragma once
// Which thread routine carries an update of each route that is not the DFU library's, and which
// versions the dispatcher asks the device for before it starts it.
#include <stop_token>

#include "device/FirmwareUpdateSets.h"
#include "firmware/transfer/HidTransferContext.h"

namespace firmware {

using HidTransferRoutine = void (*)(const HidTransferContext& context, std::stop_token stop);

// What the device's answer to the version query is compared with before the thread starts.
enum class HidVersionCheck {
  kNone,
  kBothInterfaces,         // first interface with the record's first HID version, then the second
  kFirstWithHidVersion1,   // first interface with the record's first HID version
  kFirstWithFirmware,      // first interface with the record's firmware version
};

struct HidTransferRoute {
  device::UpdateRoute route;
  HidTransferRoutine routine;
  HidVersionCheck versionCheck;
};

// The row of `route`, or null for a route no thread serves (the DFU routes).
const HidTransferRoute* FindHidTransferRoute(device::UpdateRoute route);

}  // namespace firmware
