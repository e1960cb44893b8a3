#pragma once
// The DFU path of recognition: BlueCore devices reached through the DFU library and their
// persistent store. One run lists the attached devices, handles each one of an accepted USB
// identity (identity, firmware version, settings, the record), and ends with the count checks
// that compare the USB scan, the library's list and the connection attempts. It touches no
// window: the state it leaves behind goes into the slots it is given, and the result says how
// the run ended.
#include <array>
#include <cstdint>
#include <string_view>

#include "device/DeviceSettings.h"
#include "headset/RecognitionStates.h"
#include "headset/WriteBackResult.h"

namespace headset::bluecore {

// Runs the DFU path once and returns a RecognizeResult. `toWrite`, when given, is written to
// each device in application mode before its settings are read, and read back; `writeBack`, when
// given, receives what became of it (not written when no device in application mode was met). The
// library's transport is opened once at the start and closed once, before the count checks,
// whatever happens between.
int RecognizeOverDfu(const RecognitionSlots& slots, const device::CDeviceSettings* toWrite,
                     WriteBack* writeBack = nullptr);

// Vendor and product of a device path as the library gives it ("...VID_092B&PID_4D21..."):
// four hex digits after the first "VID_" and after the first "PID_" that follows them. A field
// that is missing, starts the path, or runs out of hex digits early reads as far as it goes; a
// field without one reads as 0. Case matters: the caller upper-cases the path.
struct UsbIds {
  uint16_t vendorId = 0;
  uint16_t productId = 0;
};
UsbIds ParseDevicePathIds(std::string_view path);

}  // namespace headset::bluecore
