#include "SimUsbBus.h"

#include <algorithm>

#include "platform/Clock.h"

namespace sim {

namespace {

class SimUsbHandle : public platform::UsbDevice {
 public:
  SimUsbHandle(std::shared_ptr<SimUsbDevice> device, uint64_t generation)
      : device_(std::move(device)), generation_(generation) {}
  ~SimUsbHandle() override {
    for (int number : claimed_) device_->Release(generation_, number, this);
  }

  bool ClaimInterface(int number) override {
    if (!device_->Claim(generation_, number, this)) return false;
    claimed_.push_back(number);
    return true;
  }
  void ReleaseInterface(int number) override {
    const auto found = std::find(claimed_.begin(), claimed_.end(), number);
    if (found == claimed_.end()) return;
    claimed_.erase(found);
    device_->Release(generation_, number, this);
  }
  int ControlTransfer(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index,
                      uint8_t* data, uint16_t length, unsigned) override {
    return device_->Control(generation_, requestType, request, value, index, data, length);
  }
  int InterruptIn(uint8_t endpoint, uint8_t* data, int length, unsigned) override {
    return device_->InterruptIn(generation_, endpoint, data, length);
  }
  bool Reset() override {
    claimed_.clear();
    return device_->Reset(generation_);
  }
  std::vector<uint8_t> ConfigDescriptor() override { return device_->ConfigDescriptor(generation_); }

 private:
  std::shared_ptr<SimUsbDevice> device_;
  uint64_t generation_;
  std::vector<int> claimed_;
};

}  // namespace

std::optional<platform::UsbDeviceInfo> SimUsbDevice::Describe(uint64_t* generation) {
  std::lock_guard lock(mutex_);
  ReturnIfDueLocked();
  if (!present_) return std::nullopt;
  if (generation) *generation = generation_;
  return IdentityLocked();
}

uint64_t SimUsbDevice::Generation() {
  std::lock_guard lock(mutex_);
  return generation_;
}

void SimUsbDevice::Unplug() {
  std::lock_guard lock(mutex_);
  LeaveLocked();
}

void SimUsbDevice::PlugIn() {
  std::lock_guard lock(mutex_);
  returnAt_.reset();
  if (present_) return;
  present_ = true;
  OnPowerUpLocked();
  ReenumerateLocked();
}

void SimUsbDevice::UnplugFor(uint32_t ms) {
  std::lock_guard lock(mutex_);
  LeaveForLocked(ms);
}

void SimUsbDevice::FailTransfer(int nth, int result) {
  std::lock_guard lock(mutex_);
  failAt_ = transfers_ + nth;
  failResult_ = result;
}

int SimUsbDevice::TransferCount() {
  std::lock_guard lock(mutex_);
  return transfers_;
}

bool SimUsbDevice::Claim(uint64_t generation, int interfaceNumber, const void* owner) {
  std::lock_guard lock(mutex_);
  if (!CurrentLocked(generation)) return false;
  const auto config = ConfigDescriptorLocked();
  // An interface descriptor is 9 bytes of type 4 with its number at byte 2.
  bool exists = false;
  for (size_t at = 0; at + 2 < config.size() && config[at] >= 2; at += config[at]) {
    if (config[at + 1] == 4 && config[at + 2] == interfaceNumber) exists = true;
  }
  if (!exists) return false;
  const auto [it, inserted] = claims_.emplace(interfaceNumber, owner);
  return inserted || it->second == owner;
}

void SimUsbDevice::Release(uint64_t generation, int interfaceNumber, const void* owner) {
  std::lock_guard lock(mutex_);
  if (!CurrentLocked(generation)) return;
  const auto it = claims_.find(interfaceNumber);
  if (it != claims_.end() && it->second == owner) claims_.erase(it);
}

int SimUsbDevice::Control(uint64_t generation, uint8_t requestType, uint8_t request, uint16_t value,
                          uint16_t index, uint8_t* data, uint16_t length) {
  std::lock_guard lock(mutex_);
  if (!CurrentLocked(generation)) return platform::kUsbNoDevice;
  if (const int failure = CountTransferLocked()) return failure;
  return ControlLocked(requestType, request, value, index, data, length);
}

int SimUsbDevice::InterruptIn(uint64_t generation, uint8_t endpoint, uint8_t* data, int length) {
  std::lock_guard lock(mutex_);
  if (!CurrentLocked(generation)) return platform::kUsbNoDevice;
  if (const int failure = CountTransferLocked()) return failure;
  return InterruptInLocked(endpoint, data, length);
}

bool SimUsbDevice::Reset(uint64_t generation) {
  std::lock_guard lock(mutex_);
  if (!CurrentLocked(generation)) return false;
  claims_.clear();
  ResetLocked();
  return true;
}

std::vector<uint8_t> SimUsbDevice::ConfigDescriptor(uint64_t generation) {
  std::lock_guard lock(mutex_);
  if (!CurrentLocked(generation)) return {};
  return ConfigDescriptorLocked();
}

void SimUsbDevice::ReenumerateLocked() {
  ++generation_;
  claims_.clear();
  OnEnumeratedLocked();
}

void SimUsbDevice::LeaveLocked() {
  present_ = false;
  returnAt_.reset();
  ++generation_;
  claims_.clear();
}

void SimUsbDevice::LeaveForLocked(uint32_t ms) {
  LeaveLocked();
  returnAt_ = platform::Clock::Get().TickCount() + ms;
}

void SimUsbDevice::ReturnIfDueLocked() {
  // Signed difference: correct across the tick counter's wrap.
  if (present_ || !returnAt_ || static_cast<int32_t>(platform::Clock::Get().TickCount() - *returnAt_) < 0) return;
  present_ = true;
  returnAt_.reset();
  ReenumerateLocked();
}

int SimUsbDevice::CountTransferLocked() {
  ++transfers_;
  if (transfers_ != failAt_) return 0;
  failAt_ = 0;
  return failResult_;
}

void SimUsbBus::Attach(const std::string& path, std::shared_ptr<SimUsbDevice> device) {
  std::lock_guard lock(mutex_);
  ports_.push_back({path, std::move(device)});
}

void SimUsbBus::Remove(const std::string& path) {
  std::lock_guard lock(mutex_);
  std::erase_if(ports_, [&](const Port& port) { return port.path == path; });
}

void SimUsbBus::SetAccess(const std::string& path, platform::DeviceAccess access) {
  std::lock_guard lock(mutex_);
  for (Port& port : ports_) {
    if (port.path == path) port.access = access;
  }
}

void SimUsbBus::SetListingFails(bool fails) {
  std::lock_guard lock(mutex_);
  listingFails_ = fails;
}

std::vector<platform::UsbDeviceInfo> SimUsbBus::ListDevices() {
  return TryListDevices().value_or(std::vector<platform::UsbDeviceInfo>{});
}

std::optional<std::vector<platform::UsbDeviceInfo>> SimUsbBus::TryListDevices() {
  std::lock_guard lock(mutex_);
  if (listingFails_) return std::nullopt;
  std::vector<platform::UsbDeviceInfo> devices;
  for (const Port& port : ports_) {
    if (auto info = port.device->Describe()) {
      info->path = port.path;
      devices.push_back(*info);
    }
  }
  return devices;
}

const SimUsbBus::Port* SimUsbBus::FindLocked(const platform::UsbDeviceInfo& wanted, uint64_t* generation) {
  for (const Port& port : ports_) {
    if (port.path != wanted.path) continue;
    const auto info = port.device->Describe(generation);
    if (!info || info->vendorId != wanted.vendorId || info->productId != wanted.productId) return nullptr;
    return &port;
  }
  return nullptr;
}

std::unique_ptr<platform::UsbDevice> SimUsbBus::Open(const platform::UsbDeviceInfo& wanted) {
  std::lock_guard lock(mutex_);
  uint64_t generation = 0;
  const Port* port = FindLocked(wanted, &generation);
  if (!port || port->access != platform::DeviceAccess::kOpenable) return nullptr;
  return std::make_unique<SimUsbHandle>(port->device, generation);
}

platform::DeviceAccess SimUsbBus::Access(const platform::UsbDeviceInfo& wanted) {
  std::lock_guard lock(mutex_);
  const Port* port = FindLocked(wanted, nullptr);
  return port ? port->access : platform::DeviceAccess::kGone;
}

}  // namespace sim
