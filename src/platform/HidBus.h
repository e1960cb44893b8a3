#pragma once
// Vendor HID interfaces: enumeration, opening by path, writing reports and reading replies with a
// time-out. hidapi (hidraw backend) behind the real bus; simulated HID devices live in sim/.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/DeviceAccess.h"
#include "platform/Installable.h"

namespace platform {

struct HidInterfaceInfo {
  std::string path;  // opaque, for Open()
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  uint16_t usagePage = 0;
  uint16_t usage = 0;
  int interfaceNumber = -1;
};

class HidDevice {
 public:
  virtual ~HidDevice() = default;
  // `report` starts with its report id (0 when the device uses none); returns bytes written or -1.
  virtual int Write(const uint8_t* report, size_t length) = 0;
  // Fills `buffer` with one input report, its report id first (0 when the device uses none),
  // whatever the backend does with ids. Returns bytes read, 0 on time-out, -1 on error.
  virtual int Read(uint8_t* buffer, size_t length, int timeoutMs) = 0;
};

class HidBus : public Installable<HidBus> {
 public:
  // Interfaces of `vendorId` (0 = any) and `productId` (0 = any).
  virtual std::vector<HidInterfaceInfo> Enumerate(uint16_t vendorId, uint16_t productId) = 0;
  virtual std::unique_ptr<HidDevice> Open(const std::string& path) = 0;
  // Why Open would fail now, or kOpenable. A bus that cannot tell the reasons apart calls an
  // interface it cannot open gone.
  virtual DeviceAccess Access(const std::string& path) {
    return Open(path) ? DeviceAccess::kOpenable : DeviceAccess::kGone;
  }
  static HidBus& Real();
};

}  // namespace platform
