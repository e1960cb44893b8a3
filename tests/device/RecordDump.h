#pragma once
// Every member of a device record as text, one per line, so that a test can compare whole
// records and a failure shows which member differs.
#include <string>

#include "device/DeviceSettings.h"

namespace device_test {

std::string Dump(const device::CDeviceSettings& s);

// A record with every member set to a distinct nonzero value.
device::CDeviceSettings FilledRecord(int seed);

}  // namespace device_test
