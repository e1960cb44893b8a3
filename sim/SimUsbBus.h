#pragma once
// A simulated USB bus for tests and the demo build. Simulated devices sit at port paths; they can
// leave, come back and re-enumerate under another identity, and a handle opened before that sees
// the device as gone, as on a real bus. Nothing here sleeps: every transfer is answered at once.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/UsbBus.h"

namespace sim {

class SimUsbDevice {
 public:
  virtual ~SimUsbDevice() = default;

  // The identity the device shows now (path not set) and its enumeration; nullopt while it is off
  // the bus.
  std::optional<platform::UsbDeviceInfo> Describe(uint64_t* generation = nullptr);
  // Identifies one enumeration: handles opened in an earlier one get kUsbNoDevice.
  uint64_t Generation();

  // The device leaves the bus, or comes back (enumerating afresh).
  void Unplug();
  void PlugIn();
  // The device leaves the bus and comes back as it was, enumerating afresh, once the platform
  // clock has moved on by `ms`.
  void UnplugFor(uint32_t ms);

  // Fault switch: the n-th control or interrupt transfer from now (1 = the next) fails with
  // `result` (kUsbStall, kUsbTimeout, ...) without reaching the device.
  void FailTransfer(int nth, int result);
  // Control and interrupt transfers the device has been asked for so far.
  int TransferCount();

  // Called by the bus's handles. Each checks that the handle's enumeration is still current.
  bool Claim(uint64_t generation, int interfaceNumber, const void* owner);
  void Release(uint64_t generation, int interfaceNumber, const void* owner);
  int Control(uint64_t generation, uint8_t requestType, uint8_t request, uint16_t value,
              uint16_t index, uint8_t* data, uint16_t length);
  int InterruptIn(uint64_t generation, uint8_t endpoint, uint8_t* data, int length);
  bool Reset(uint64_t generation);
  std::vector<uint8_t> ConfigDescriptor(uint64_t generation);

 protected:
  // Hooks of the simulated device, all called with mutex_ held.
  virtual platform::UsbDeviceInfo IdentityLocked() = 0;
  virtual std::vector<uint8_t> ConfigDescriptorLocked() = 0;
  virtual int ControlLocked(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index,
                            uint8_t* data, uint16_t length) = 0;
  virtual int InterruptInLocked(uint8_t endpoint, uint8_t* data, int length) = 0;
  // A port reset: the device may change identity (then call ReenumerateLocked) or leave (LeaveLocked).
  virtual void ResetLocked() = 0;
  // Called when the device enumerates afresh (after ReenumerateLocked or PlugIn).
  virtual void OnEnumeratedLocked() {}
  // Called when the device is plugged in again: it starts from power-up.
  virtual void OnPowerUpLocked() {}

  void ReenumerateLocked();
  void LeaveLocked();
  // LeaveLocked, coming back as UnplugFor does.
  void LeaveForLocked(uint32_t ms);

  std::mutex mutex_;

 private:
  bool CurrentLocked(uint64_t generation) const { return present_ && generation == generation_; }
  // The injected failure for this transfer, or 0.
  int CountTransferLocked();
  void ReturnIfDueLocked();

  bool present_ = true;
  std::optional<uint32_t> returnAt_;  // platform clock tick
  uint64_t generation_ = 1;
  std::map<int, const void*> claims_;
  int transfers_ = 0;
  int failAt_ = 0;
  int failResult_ = 0;
};

class SimUsbBus : public platform::UsbBus {
 public:
  // Puts a device at a port path (e.g. "1-2"); it stays there while it leaves and comes back.
  void Attach(const std::string& path, std::shared_ptr<SimUsbDevice> device);
  void Remove(const std::string& path);
  // Fault switches: the device at `path` is refused or held by another program (kAccessDenied,
  // kBusy; kOpenable undoes it); the bus cannot be read at all.
  void SetAccess(const std::string& path, platform::DeviceAccess access);
  void SetListingFails(bool fails);

  std::vector<platform::UsbDeviceInfo> ListDevices() override;
  std::optional<std::vector<platform::UsbDeviceInfo>> TryListDevices() override;
  std::unique_ptr<platform::UsbDevice> Open(const platform::UsbDeviceInfo& device) override;
  platform::DeviceAccess Access(const platform::UsbDeviceInfo& device) override;

 private:
  struct Port {
    std::string path;
    std::shared_ptr<SimUsbDevice> device;
    platform::DeviceAccess access = platform::DeviceAccess::kOpenable;
  };
  // The device at the wanted path when it shows the wanted identity now.
  const Port* FindLocked(const platform::UsbDeviceInfo& wanted, uint64_t* generation);

  std::mutex mutex_;
  std::vector<Port> ports_;
  bool listingFails_ = false;
};

}  // namespace sim
