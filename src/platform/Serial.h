#pragma once
// USB-serial adapters: the number n of the port /dev/ttyUSBn of the first FTDI adapter, which the
// microcontroller flash loader is given. The real implementation reads sysfs.
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/Installable.h"

namespace platform {

inline constexpr const char* kFtdiVendorId = "0403";

struct SerialAdapterPort {
  bool adapterFound = false;  // an FTDI adapter is attached
  int portNumber = -1;        // n of its ttyUSBn; -1 when no serial driver has given it a port
};

class Serial : public Installable<Serial> {
 public:
  virtual SerialAdapterPort FtdiAdapterPort() = 0;
  static Serial& Real();
};

// What a test says is attached.
class FakeSerial : public Serial {
 public:
  explicit FakeSerial(SerialAdapterPort port = {true, 3}) : port_(port) {}
  SerialAdapterPort FtdiAdapterPort() override { return port_; }

 private:
  SerialAdapterPort port_;
};

// n of a device name "ttyUSBn" (1 to 6 digits, nothing after them); nullopt for any other name.
std::optional<int> TtyUsbNumber(std::string_view name);

// The first FTDI adapter under `usbDevices` (a tree laid out as /sys/bus/usb/devices: one folder
// per device with its idVendor file, the interfaces as subfolders named "<device>:<c>.<i>", and
// a bound serial port as a "ttyUSBn" entry in its interface), in name order, and the lowest port
// of its interfaces.
SerialAdapterPort FindFtdiAdapterPort(const std::filesystem::path& usbDevices);

}  // namespace platform
