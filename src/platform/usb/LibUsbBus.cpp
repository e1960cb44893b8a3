// The real USB bus on libusb-1.0. One libusb context serves the whole process.
#include <libusb.h>

#include <mutex>
#include <optional>
#include <set>
#include <string>

#include "platform/UsbBus.h"

namespace platform {

namespace {

libusb_context* Context() {
  static libusb_context* context = nullptr;
  static std::once_flag once;
  std::call_once(once, [] {
    // A machine without a USB stack (or without access to it) simply has no devices.
    if (libusb_init(&context) != 0) context = nullptr;
  });
  return context;
}

int MapError(int rc) {
  switch (rc) {
    case LIBUSB_ERROR_TIMEOUT: return kUsbTimeout;
    case LIBUSB_ERROR_PIPE: return kUsbStall;
    case LIBUSB_ERROR_NO_DEVICE: return kUsbNoDevice;
    default: return kUsbError;
  }
}

// "bus-port.port...", as the kernel names the device in sysfs; "usbN" for a root hub.
std::string PathOf(libusb_device* device) {
  const int bus = libusb_get_bus_number(device);
  uint8_t ports[8];
  const int depth = libusb_get_port_numbers(device, ports, sizeof ports);
  if (depth <= 0) return "usb" + std::to_string(bus);
  std::string path = std::to_string(bus) + "-";
  for (int i = 0; i < depth; ++i) {
    if (i > 0) path += '.';
    path += std::to_string(ports[i]);
  }
  return path;
}

DeviceAccess AccessOf(int rc) {
  switch (rc) {
    case LIBUSB_SUCCESS: return DeviceAccess::kOpenable;
    case LIBUSB_ERROR_ACCESS: return DeviceAccess::kAccessDenied;
    case LIBUSB_ERROR_BUSY: return DeviceAccess::kBusy;
    case LIBUSB_ERROR_NO_DEVICE:
    case LIBUSB_ERROR_NOT_FOUND: return DeviceAccess::kGone;
    default: return DeviceAccess::kFailed;
  }
}

class DeviceList {
 public:
  DeviceList() {
    if (libusb_context* context = Context()) {
      const ssize_t count = libusb_get_device_list(context, &list_);
      count_ = count > 0 ? static_cast<size_t>(count) : 0;
      read_ = count >= 0;
    }
  }
  ~DeviceList() {
    if (list_) libusb_free_device_list(list_, 1);
  }
  DeviceList(const DeviceList&) = delete;
  DeviceList& operator=(const DeviceList&) = delete;

  bool read() const { return read_; }
  size_t size() const { return count_; }
  libusb_device* operator[](size_t i) const { return list_[i]; }

 private:
  libusb_device** list_ = nullptr;
  size_t count_ = 0;
  bool read_ = false;
};

class LibUsbDevice : public UsbDevice {
 public:
  explicit LibUsbDevice(libusb_device_handle* handle) : handle_(handle) {
    // Detach a kernel driver for as long as we hold an interface; releasing gives it back.
    libusb_set_auto_detach_kernel_driver(handle_, 1);
  }
  ~LibUsbDevice() override {
    for (int number : claimed_) libusb_release_interface(handle_, number);
    libusb_close(handle_);
  }

  bool ClaimInterface(int number) override {
    if (libusb_claim_interface(handle_, number) != 0) return false;
    claimed_.insert(number);
    return true;
  }

  void ReleaseInterface(int number) override {
    if (claimed_.erase(number)) libusb_release_interface(handle_, number);
  }

  int ControlTransfer(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index,
                      uint8_t* data, uint16_t length, unsigned timeoutMs) override {
    const int rc = libusb_control_transfer(handle_, requestType, request, value, index, data,
                                           length, timeoutMs);
    return rc >= 0 ? rc : MapError(rc);
  }

  int InterruptIn(uint8_t endpoint, uint8_t* data, int length, unsigned timeoutMs) override {
    int transferred = 0;
    const int rc = libusb_interrupt_transfer(handle_, endpoint, data, length, &transferred, timeoutMs);
    if (rc == 0 || (rc == LIBUSB_ERROR_TIMEOUT && transferred > 0)) return transferred;
    return MapError(rc);
  }

  bool Reset() override {
    claimed_.clear();
    const int rc = libusb_reset_device(handle_);
    // A device that comes back under another identity is gone from this handle: that is the
    // expected outcome of a reset into or out of DFU mode.
    return rc == 0 || rc == LIBUSB_ERROR_NOT_FOUND || rc == LIBUSB_ERROR_NO_DEVICE;
  }

  std::vector<uint8_t> ConfigDescriptor() override {
    const int index = ActiveConfigIndex();
    if (index < 0) return {};
    uint8_t head[9];
    if (GetConfigDescriptor(index, head, sizeof head) < 4) return {};
    const uint16_t total = static_cast<uint16_t>(head[2] | (head[3] << 8));
    std::vector<uint8_t> bytes(total);
    const int rc = GetConfigDescriptor(index, bytes.data(), total);
    if (rc < 0) return {};
    bytes.resize(static_cast<size_t>(rc));
    return bytes;
  }

 private:
  // Descriptor index of the active configuration (the device lists them by index, the bus selects
  // them by value).
  int ActiveConfigIndex() {
    int value = 0;
    if (libusb_get_configuration(handle_, &value) != 0) return -1;
    libusb_device* device = libusb_get_device(handle_);
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(device, &descriptor) != 0) return -1;
    for (int i = 0; i < descriptor.bNumConfigurations; ++i) {
      libusb_config_descriptor* config = nullptr;
      if (libusb_get_config_descriptor(device, static_cast<uint8_t>(i), &config) != 0) continue;
      const bool active = config->bConfigurationValue == value;
      libusb_free_config_descriptor(config);
      if (active) return i;
    }
    return descriptor.bNumConfigurations > 0 ? 0 : -1;
  }

  int GetConfigDescriptor(int index, uint8_t* data, uint16_t length) {
    constexpr unsigned kTimeoutMs = 1000;
    return libusb_control_transfer(handle_, LIBUSB_ENDPOINT_IN, LIBUSB_REQUEST_GET_DESCRIPTOR,
                                   static_cast<uint16_t>((LIBUSB_DT_CONFIG << 8) | index), 0, data,
                                   length, kTimeoutMs);
  }

  libusb_device_handle* handle_;
  std::set<int> claimed_;
};

class LibUsbBus : public UsbBus {
 public:
  std::vector<UsbDeviceInfo> ListDevices() override { return TryListDevices().value_or(std::vector<UsbDeviceInfo>{}); }

  std::optional<std::vector<UsbDeviceInfo>> TryListDevices() override {
    DeviceList list;
    if (!list.read()) return std::nullopt;
    std::vector<UsbDeviceInfo> devices;
    for (size_t i = 0; i < list.size(); ++i) {
      libusb_device_descriptor descriptor{};
      if (libusb_get_device_descriptor(list[i], &descriptor) != 0) continue;
      devices.push_back({descriptor.idVendor, descriptor.idProduct, descriptor.bcdDevice, PathOf(list[i])});
    }
    return devices;
  }

  std::unique_ptr<UsbDevice> Open(const UsbDeviceInfo& wanted) override {
    libusb_device_handle* handle = nullptr;
    if (OpenHandle(wanted, &handle) != LIBUSB_SUCCESS) return nullptr;
    return std::make_unique<LibUsbDevice>(handle);
  }

  DeviceAccess Access(const UsbDeviceInfo& wanted) override {
    libusb_device_handle* handle = nullptr;
    const int rc = OpenHandle(wanted, &handle);
    if (handle) libusb_close(handle);
    return AccessOf(rc);
  }

 private:
  // libusb's result of opening the device at the wanted path with the wanted identity.
  static int OpenHandle(const UsbDeviceInfo& wanted, libusb_device_handle** handle) {
    DeviceList list;
    for (size_t i = 0; i < list.size(); ++i) {
      libusb_device_descriptor descriptor{};
      if (libusb_get_device_descriptor(list[i], &descriptor) != 0) continue;
      if (descriptor.idVendor != wanted.vendorId || descriptor.idProduct != wanted.productId) continue;
      if (PathOf(list[i]) != wanted.path) continue;
      const int rc = libusb_open(list[i], handle);
      if (rc != LIBUSB_SUCCESS) *handle = nullptr;
      return rc;
    }
    return LIBUSB_ERROR_NO_DEVICE;
  }
};

}  // namespace

UsbBus& UsbBus::Real() {
  static LibUsbBus bus;
  return bus;
}

}  // namespace platform
