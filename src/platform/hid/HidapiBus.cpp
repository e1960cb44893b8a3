// HidBus on hidapi's hidraw backend.
#include <hidapi/hidapi.h>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>

#include "platform/HidBus.h"

namespace platform {

namespace {

class HidapiDevice : public HidDevice {
 public:
  explicit HidapiDevice(hid_device* handle) : handle_(handle) {}
  ~HidapiDevice() override { hid_close(handle_); }

  int Write(const uint8_t* report, size_t length) override {
    // A device that numbers its output reports numbers its input reports too.
    if (length > 0 && report[0] != 0) numbered_ = true;
    return hid_write(handle_, report, length);
  }

  int Read(uint8_t* buffer, size_t length, int timeoutMs) override {
    // hidapi puts the report id first only for devices that number their reports; for the others
    // we put a 0 there, so replies have one layout whatever the device does.
    if (numbered_) return hid_read_timeout(handle_, buffer, length, timeoutMs);
    if (length < 2) return -1;
    const int n = hid_read_timeout(handle_, buffer + 1, length - 1, timeoutMs);
    if (n <= 0) return n;
    buffer[0] = 0;
    return n + 1;
  }

 private:
  hid_device* handle_;
  std::atomic<bool> numbered_{false};
};

class HidapiBus : public HidBus {
 public:
  std::vector<HidInterfaceInfo> Enumerate(uint16_t vendorId, uint16_t productId) override {
    std::vector<HidInterfaceInfo> found;
    if (!Init()) return found;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (hid_device_info* it = list; it != nullptr; it = it->next) {
      HidInterfaceInfo info;
      info.path = it->path ? it->path : "";
      info.vendorId = it->vendor_id;
      info.productId = it->product_id;
      info.usagePage = it->usage_page;
      info.usage = it->usage;
      info.interfaceNumber = it->interface_number;
      found.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return found;
  }

  std::unique_ptr<HidDevice> Open(const std::string& path) override {
    if (!Init()) return nullptr;
    hid_device* handle = hid_open_path(path.c_str());
    if (handle == nullptr) return nullptr;
    return std::make_unique<HidapiDevice>(handle);
  }

  // hidapi does not say why an open failed; the hidraw node it opens does.
  DeviceAccess Access(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
      ::close(fd);
      return DeviceAccess::kOpenable;
    }
    switch (errno) {
      case EACCES:
      case EPERM: return DeviceAccess::kAccessDenied;
      case EBUSY: return DeviceAccess::kBusy;
      case ENOENT:
      case ENODEV:
      case ENXIO: return DeviceAccess::kGone;
      default: return DeviceAccess::kFailed;
    }
  }

 private:
  bool Init() {
    std::call_once(once_, [this] { ready_ = hid_init() == 0; });
    return ready_;
  }

  std::once_flag once_;
  bool ready_ = false;
};

}  // namespace

HidBus& HidBus::Real() {
  static HidapiBus bus;
  return bus;
}

}  // namespace platform
