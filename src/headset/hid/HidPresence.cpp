#include "headset/hid/HidPresence.h"

#include <cstdint>

#include "device/UsbIdentities.h"
#include "platform/HidBus.h"

namespace headset::hid {

std::optional<int> FindMakerHidProduct() {
  for (const platform::HidInterfaceInfo& hid : platform::HidBus::Get().Enumerate(device::MAKER_VENDOR_ID, 0)) {
    if (hid.vendorId == device::MAKER_VENDOR_ID && hid.productId != 0) return hid.productId;
  }
  return std::nullopt;
}

}  // namespace headset::hid
