#include "pages/recognition/HidPresence.h"

#include <cstdint>

#include "platform/HidBus.h"

namespace pages::recognition {

namespace {

constexpr uint16_t kMakerVendorId = 0x092B;

}  // namespace

std::optional<int> FindMakerHidProduct() {
  for (const platform::HidInterfaceInfo& hid : platform::HidBus::Get().Enumerate(kMakerVendorId, 0)) {
    if (hid.vendorId == kMakerVendorId && hid.productId != 0) return hid.productId;
  }
  return std::nullopt;
}

}  // namespace pages::recognition
