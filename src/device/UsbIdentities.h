#pragma once
// The USB identities this edition works with: the headset in application mode and, with
// DFU_MODE_FLAG set in the product id, the same headset running its DFU boot loader.
// Shared by the device count, recognition and the firmware update's device checks.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/dfu/DeviceNames.h"

namespace device {

using dfu::DFU_MODE_FLAG;

inline constexpr uint16_t MAKER_VENDOR_ID = 0x092B;

// A product id or USB status of DFU_MODE_FLAG or more belongs to a device in DFU mode.
constexpr bool IsDfuMode(int productIdOrStatus) { return productIdOrStatus >= DFU_MODE_FLAG; }
constexpr int WithoutDfuFlag(int productId) { return productId & ~static_cast<int>(DFU_MODE_FLAG); }
constexpr int WithDfuFlag(int productId) { return productId | DFU_MODE_FLAG; }

struct UsbIdentity {
  uint16_t vendorId;
  uint16_t productId;
};

// 092B:4D21 and 092B:CD21 unless a test replaced them.
std::span<const UsbIdentity> AcceptedUsbIdentities();

bool IsAcceptedUsbIdentity(uint16_t vendorId, uint16_t productId);

// Replaces the accepted identities for its lifetime; for tests. Scopes nest, innermost wins.
class ScopedAcceptedUsbIdentities {
 public:
  explicit ScopedAcceptedUsbIdentities(std::vector<UsbIdentity> identities);
  ~ScopedAcceptedUsbIdentities();
  ScopedAcceptedUsbIdentities(const ScopedAcceptedUsbIdentities&) = delete;
  ScopedAcceptedUsbIdentities& operator=(const ScopedAcceptedUsbIdentities&) = delete;

 private:
  std::vector<UsbIdentity> identities_;
  const std::vector<UsbIdentity>* previous_;
};

}  // namespace device
