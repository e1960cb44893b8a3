#pragma once
// USB devices: listing (vendor, product, revision) and transfers on an opened device.
// libusb-1.0 behind the real bus; the simulated bus lives in sim/.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <optional>

#include "platform/DeviceAccess.h"
#include "platform/Installable.h"

namespace platform {

struct UsbDeviceInfo {
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  uint16_t revision = 0;  // bcdDevice
  std::string path;       // stable for as long as the device stays attached, e.g. "1-4.2"
};

// Results of a transfer: a byte count (>= 0) or one of these.
enum UsbResult : int {
  kUsbError = -1,     // any other failure
  kUsbTimeout = -2,
  kUsbStall = -3,     // the device refused the request
  kUsbNoDevice = -4,  // the device has gone
};

class UsbDevice {
 public:
  virtual ~UsbDevice() = default;
  // Claims an interface, detaching a kernel driver that holds it; Release gives the driver back.
  virtual bool ClaimInterface(int number) = 0;
  virtual void ReleaseInterface(int number) = 0;
  // Setup packet fields as on the wire; `data` holds `length` bytes to send or receive.
  virtual int ControlTransfer(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index,
                              uint8_t* data, uint16_t length, unsigned timeoutMs) = 0;
  virtual int InterruptIn(uint8_t endpoint, uint8_t* data, int length, unsigned timeoutMs) = 0;
  // USB port reset; the device may leave the bus and come back under another identity.
  virtual bool Reset() = 0;
  // The active configuration descriptor with all its interface and class descriptors.
  virtual std::vector<uint8_t> ConfigDescriptor() = 0;
};

class UsbBus : public Installable<UsbBus> {
 public:
  virtual std::vector<UsbDeviceInfo> ListDevices() = 0;
  // The same list, or nothing when the bus itself cannot be read (no USB stack, no access to it).
  virtual std::optional<std::vector<UsbDeviceInfo>> TryListDevices() { return ListDevices(); }
  // nullptr when the device is gone or cannot be opened (permissions).
  virtual std::unique_ptr<UsbDevice> Open(const UsbDeviceInfo& device) = 0;
  // Why Open would fail now, or kOpenable. A bus that cannot tell the reasons apart calls a
  // device it cannot open gone.
  virtual DeviceAccess Access(const UsbDeviceInfo& device) {
    return Open(device) ? DeviceAccess::kOpenable : DeviceAccess::kGone;
  }
  static UsbBus& Real();
};

}  // namespace platform
