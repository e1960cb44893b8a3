#pragma once
// The USB identities this edition works with: the headset in application mode and, with
// DFU_MODE_FLAG set in the product id, the same headset running its DFU boot loader.
// Shared by the device count, recognition and the firmware update's device checks.
#include <cstdint>
#include <span>
#include <vector>

namespace device {

inline constexpr uint16_t DFU_MODE_FLAG = 0x8000;
inline constexpr uint16_t kMakerVendorId = 0x092B;

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
