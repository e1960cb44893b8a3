#pragma once
// Writing to the recognised BlueCore device through its persistent store. The walk opens the DFU
// library's transport, connects to each attached device of an accepted USB identity (as many as
// the product has units), makes sure it is still the recognised model at the recognised firmware,
// and hands it to the caller's writes. The transport is closed on every way out.
#include <functional>

#include "device/DefaultFirmwareVersions.h"
#include "device/DeviceSettings.h"

namespace headset::bluecore {

class PsKeyPort;

// The caller's writes to one device; false when any of them failed.
using PsKeyWrites = std::function<bool(PsKeyPort&)>;

struct PsSaveTarget {
  int deviceTarget = 0;                           // the product being edited
  int usbStatus = 0;                              // USB product id at recognition
  const device::CDeviceSettings* recognised = nullptr;  // the record recognition made
  // The version (major * 10 + minor) of a model whose version key holds none.
  device::DefaultVersionLookup defaultVersion = device::DefaultFirmwareVersion;
};

enum class PsSaveResult {
  kWritten,     // every device reached was the recognised one and took every write
  kNotPresent,  // the USB scan does not show the recognised device
  kNotReached,  // no matching device connected
  kOtherDevice, // a connected device is another model or firmware
  kWriteFailed,
};

PsSaveResult SaveOverPersistentStore(const PsSaveTarget& target, const PsKeyWrites& writes);

}  // namespace headset::bluecore
