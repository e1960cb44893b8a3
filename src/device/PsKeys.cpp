#include "device/PsKeys.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array kPsKeys = {
    PsKeyInfo{PSKEY_BDADDR, "PSKEY_BDADDR", 8},
    PsKeyInfo{PSKEY_RF_MAX_TX_POWER, "PSKEY_RF_MAX_TX_POWER", 2},
    PsKeyInfo{PSKEY_RF_DEFAULT_TX_POWER, "PSKEY_RF_DEFAULT_TX_POWER", 2},
    PsKeyInfo{PSKEY_RF_MAX_TX_POWER_NO_RSSI, "PSKEY_RF_MAX_TX_POWER_NO_RSSI", 2},
    PsKeyInfo{PSKEY_RF_POWER_TABLE, "PSKEY_RF_POWER_TABLE", 60},
    PsKeyInfo{PSKEY_LOCAL_SUPPORTED_FEATURES, "PSKEY_LOCAL_SUPPORTED_FEATURES", 8},
    PsKeyInfo{PSKEY_DEVICE_NAME, "PSKEY_DEVICE_NAME", 256},
    PsKeyInfo{PSKEY_RF_FREQ_TRIM, "PSKEY_RF_FREQ_TRIM", 2},
    PsKeyInfo{PSKEY_RF_PATCH_FLAG, "PSKEY_RF_PATCH_FLAG", 2},
    PsKeyInfo{PSKEY_RF_PATCH_LEVEL, "PSKEY_RF_PATCH_LEVEL", 2},
    PsKeyInfo{PSKEY_FEATURE_FLAGS, "PSKEY_FEATURE_FLAGS", 4},
    PsKeyInfo{PSKEY_LEGACY_VERSION, "PSKEY_LEGACY_VERSION", 4},
    PsKeyInfo{PSKEY_VOX_INTERCOM, "PSKEY_VOX_INTERCOM", 2},
    PsKeyInfo{PSKEY_VOX_PHONE, "PSKEY_VOX_PHONE", 2},
    PsKeyInfo{PSKEY_FM_SETTINGS, "PSKEY_FM_SETTINGS", 30},
    PsKeyInfo{PSKEY_PRODUCT_ID, "PSKEY_PRODUCT_ID", 2},
    PsKeyInfo{PSKEY_FIRMWARE_VERSION, "PSKEY_FIRMWARE_VERSION", 4},
    PsKeyInfo{PSKEY_AUDIO_CHANNEL_TIMEOUT, "PSKEY_AUDIO_CHANNEL_TIMEOUT", 2},
    PsKeyInfo{PSKEY_RADIO_TRANSMIT_GAIN, "PSKEY_RADIO_TRANSMIT_GAIN", 2},
    PsKeyInfo{PSKEY_USB_DEVICE_CLASS_CODES, "PSKEY_USB_DEVICE_CLASS_CODES", 6},
    PsKeyInfo{PSKEY_USB_VENDOR_ID, "PSKEY_USB_VENDOR_ID", 2},
    PsKeyInfo{PSKEY_USB_PRODUCT_ID, "PSKEY_USB_PRODUCT_ID", 2},
    PsKeyInfo{PSKEY_USB_PRODUCT_STRING, "PSKEY_USB_PRODUCT_STRING", 32},
    PsKeyInfo{PSKEY_USB_BT_IF_CLASS_CODES, "PSKEY_USB_BT_IF_CLASS_CODES", 6},
    PsKeyInfo{PSKEY_USB_DFU_PRODUCT_ID, "PSKEY_USB_DFU_PRODUCT_ID", 2},
    PsKeyInfo{PSKEY_USB_BT_SCO_IF_CLASS_CODES, "PSKEY_USB_BT_SCO_IF_CLASS_CODES", 6},
    PsKeyInfo{PSKEY_SPEED_DIAL_1, "PSKEY_SPEED_DIAL_1", 40},
    PsKeyInfo{PSKEY_SPEED_DIAL_2, "PSKEY_SPEED_DIAL_2", 40},
    PsKeyInfo{PSKEY_SPEED_DIAL_3, "PSKEY_SPEED_DIAL_3", 40},
};

}  // namespace

std::span<const PsKeyInfo> PsKeyTable() { return kPsKeys; }

const PsKeyInfo* FindPsKey(uint16_t key) {
  const auto found = std::find_if(kPsKeys.begin(), kPsKeys.end(),
                                  [key](const PsKeyInfo& info) { return info.key == key; });
  return found == kPsKeys.end() ? nullptr : &*found;
}

uint16_t GetPsWord(std::span<const uint8_t> buffer, size_t index) {
  if (index >= buffer.size() / 2) return 0;
  return static_cast<uint16_t>(buffer[index * 2] | (buffer[index * 2 + 1] << 8));
}

void SetPsWord(std::span<uint8_t> buffer, size_t index, uint16_t value) {
  if (index >= buffer.size() / 2) return;
  buffer[index * 2] = static_cast<uint8_t>(value & 0xFF);
  buffer[index * 2 + 1] = static_cast<uint8_t>(value >> 8);
}
