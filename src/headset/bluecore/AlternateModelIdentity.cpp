#include "headset/bluecore/AlternateModelIdentity.h"

#include <array>
#include <cstdint>

#include "device/ModelNames.h"
#include "device/PsKeys.h"
#include "device/UsbIdentities.h"
#include "headset/RadioBatches.h"
#include "headset/bluecore/FamilyDeviceWalk.h"

namespace headset::bluecore {

namespace {

const uint16_t kAlternateModel = static_cast<uint16_t>(headset::AlternateModel());
constexpr size_t kProductStringUnits = 16;

// The model's display name as UTF-16LE units, cut or padded with zeros to the key's length.
std::array<uint8_t, kProductStringUnits * 2> ProductStringKey() {
  std::array<uint8_t, kProductStringUnits * 2> key{};
  const std::string name = device::GetModelName(kAlternateModel, false);
  for (size_t i = 0; i < name.size() && i < kProductStringUnits; ++i) key[i * 2] = static_cast<uint8_t>(name[i]);
  return key;
}

}  // namespace

std::optional<std::string> ReadFirstDeviceLowerAddress() {
  std::optional<std::string> address;
  ForEachFamilyDevice([&](PsKeyPort& port) {
    if (const auto texts = ReadAddressTexts(port)) address = texts->lower;
    return WalkStep::kStop;
  });
  return address;
}

bool WriteAlternateModelIdentity() {
  bool written = false;
  ForEachFamilyDevice([&](PsKeyPort& port) {
    const auto productString = ProductStringKey();
    written = static_cast<bool>(port.WriteWords(PSKEY_PRODUCT_ID, {kAlternateModel})) &&
              static_cast<bool>(port.WriteWords(PSKEY_USB_PRODUCT_ID, {kAlternateModel})) &&
              static_cast<bool>(port.WriteWords(PSKEY_USB_DFU_PRODUCT_ID,
                                                {static_cast<uint16_t>(device::WithDfuFlag(kAlternateModel))})) &&
              static_cast<bool>(port.Write(PSKEY_USB_PRODUCT_STRING, productString));
    return WalkStep::kStop;
  });
  return written;
}

}  // namespace headset::bluecore
