#pragma once
// Simulated vendor HID interfaces. Each interface answers written reports through a handler that
// a test or the demo build supplies; without one, writes succeed and reads time out.
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/HidBus.h"

namespace sim {

using HidReplyHandler = std::function<std::vector<uint8_t>(const std::vector<uint8_t>& report)>;

class SimHidBus : public platform::HidBus {
 public:
  // Adds an interface and returns its path.
  std::string Add(uint16_t vendorId, uint16_t productId, uint16_t usagePage = 0xFF00,
                  uint16_t usage = 1, HidReplyHandler handler = nullptr);
  void Remove(const std::string& path);
  void Clear();
  // Interfaces whose Open() fails, as a device held by another program would.
  void SetOpenFails(const std::string& path, bool fails);
  // Interfaces whose Open() fails for this reason (kOpenable undoes it).
  void SetAccess(const std::string& path, platform::DeviceAccess access);
  int OpenCount() const { return openCount_; }

  std::vector<platform::HidInterfaceInfo> Enumerate(uint16_t vendorId, uint16_t productId) override;
  std::unique_ptr<platform::HidDevice> Open(const std::string& path) override;
  platform::DeviceAccess Access(const std::string& path) override;

 private:
  struct Entry {
    platform::HidInterfaceInfo info;
    HidReplyHandler handler;
    platform::DeviceAccess access = platform::DeviceAccess::kOpenable;
  };
  mutable std::mutex mutex_;
  std::vector<Entry> entries_;
  int nextId_ = 1;
  int openCount_ = 0;
};

}  // namespace sim
