#pragma once
// Names of DFU-capable USB devices as the DFU library hands them out:
//   "usb#VID_092B&PID_4D21#1-4.2"  (vendor, product, then the bus location)
// The same text serves as name and path; readers accept any letter case.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/UsbBus.h"
#include "platform/dfu/CStringX.h"

namespace dfu {

// Set in the product id of a device that runs its DFU boot loader instead of its application.
inline constexpr uint16_t DFU_MODE_FLAG = 0x8000;

struct DeviceRef {
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  std::string location;
};

std::string MakeDeviceName(const platform::UsbDeviceInfo& device);
std::optional<DeviceRef> ParseDeviceName(std::string_view name);

// The attached devices that offer a DFU interface, in application or in DFU mode, in bus order.
std::vector<platform::UsbDeviceInfo> ListDfuCapableDevices();
// Replaces the list with the names of those devices; returns their number.
int ListDfuDeviceNames(CStringListX& names);

// The attached device of this vendor at `location`, whatever its product id now.
std::optional<platform::UsbDeviceInfo> FindAt(uint16_t vendorId, std::string_view location);

// An attached device of this vendor and product: the one at `location` when there is one there,
// else the first on the bus.
std::optional<platform::UsbDeviceInfo> FindDevice(uint16_t vendorId, uint16_t productId,
                                                  std::string_view location);

}  // namespace dfu
