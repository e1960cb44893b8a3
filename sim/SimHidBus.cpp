#include "SimHidBus.h"

#include <algorithm>
#include <cstring>

namespace sim {

namespace {

class SimHidDevice : public platform::HidDevice {
 public:
  explicit SimHidDevice(HidReplyHandler handler) : handler_(std::move(handler)) {}

  int Write(const uint8_t* report, size_t length) override {
    if (handler_) {
      std::vector<uint8_t> reply = handler_(std::vector<uint8_t>(report, report + length));
      if (!reply.empty()) pending_.push_back(std::move(reply));
    }
    return static_cast<int>(length);
  }

  int Read(uint8_t* buffer, size_t length, int /*timeoutMs*/) override {
    if (pending_.empty()) return 0;
    const std::vector<uint8_t> reply = std::move(pending_.front());
    pending_.pop_front();
    const size_t n = std::min(length, reply.size());
    std::memcpy(buffer, reply.data(), n);
    return static_cast<int>(n);
  }

 private:
  HidReplyHandler handler_;
  std::deque<std::vector<uint8_t>> pending_;
};

}  // namespace

std::string SimHidBus::Add(uint16_t vendorId, uint16_t productId, uint16_t usagePage, uint16_t usage,
                           HidReplyHandler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  Entry entry;
  entry.info.path = "sim-hid-" + std::to_string(nextId_++);
  entry.info.vendorId = vendorId;
  entry.info.productId = productId;
  entry.info.usagePage = usagePage;
  entry.info.usage = usage;
  entry.info.interfaceNumber = 0;
  entry.handler = std::move(handler);
  entries_.push_back(entry);
  return entries_.back().info.path;
}

void SimHidBus::Remove(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [&](const Entry& e) { return e.info.path == path; }),
                 entries_.end());
}

void SimHidBus::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.clear();
}

void SimHidBus::SetOpenFails(const std::string& path, bool fails) {
  SetAccess(path, fails ? platform::DeviceAccess::kBusy : platform::DeviceAccess::kOpenable);
}

void SimHidBus::SetAccess(const std::string& path, platform::DeviceAccess access) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (Entry& e : entries_)
    if (e.info.path == path) e.access = access;
}

std::vector<platform::HidInterfaceInfo> SimHidBus::Enumerate(uint16_t vendorId, uint16_t productId) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<platform::HidInterfaceInfo> found;
  for (const Entry& e : entries_) {
    if ((vendorId == 0 || e.info.vendorId == vendorId) && (productId == 0 || e.info.productId == productId))
      found.push_back(e.info);
  }
  return found;
}

std::unique_ptr<platform::HidDevice> SimHidBus::Open(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const Entry& e : entries_) {
    if (e.info.path != path) continue;
    if (e.access != platform::DeviceAccess::kOpenable) return nullptr;
    ++openCount_;
    return std::make_unique<SimHidDevice>(e.handler);
  }
  return nullptr;
}

platform::DeviceAccess SimHidBus::Access(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const Entry& e : entries_) {
    if (e.info.path == path) return e.access;
  }
  return platform::DeviceAccess::kGone;
}

}  // namespace sim
