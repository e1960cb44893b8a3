#include "device/UsbIdentities.h"

#include <atomic>
#include <utility>

namespace device {

namespace {

constexpr uint16_t kProductId = 0x4D21;

const std::vector<UsbIdentity>& Shipped() {
  static const std::vector<UsbIdentity> identities = {
      {MAKER_VENDOR_ID, kProductId},
      {MAKER_VENDOR_ID, static_cast<uint16_t>(kProductId | DFU_MODE_FLAG)},
  };
  return identities;
}

// nullptr: the shipped list. Read from any thread; replaced only by a test's scope.
std::atomic<const std::vector<UsbIdentity>*> g_replacement{nullptr};

}  // namespace

std::span<const UsbIdentity> AcceptedUsbIdentities() {
  const std::vector<UsbIdentity>* replacement = g_replacement.load(std::memory_order_acquire);
  return replacement ? *replacement : Shipped();
}

bool IsAcceptedUsbIdentity(uint16_t vendorId, uint16_t productId) {
  for (const UsbIdentity& identity : AcceptedUsbIdentities()) {
    if (identity.vendorId == vendorId && identity.productId == productId) return true;
  }
  return false;
}

ScopedAcceptedUsbIdentities::ScopedAcceptedUsbIdentities(std::vector<UsbIdentity> identities)
    : identities_(std::move(identities)),
      previous_(g_replacement.exchange(&identities_, std::memory_order_acq_rel)) {}

ScopedAcceptedUsbIdentities::~ScopedAcceptedUsbIdentities() {
  g_replacement.store(previous_, std::memory_order_release);
}

}  // namespace device
