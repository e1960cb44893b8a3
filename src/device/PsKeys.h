#pragma once
// The persistent-store keys of BlueCore devices that this program reads or writes. A key's value is
// a sequence of 16-bit words, passed as a byte buffer of the listed length with each word
// little-endian; a buffer is cleared to zero before it is filled, so unlisted words are 0.
#include <cstddef>
#include <cstdint>
#include <span>

constexpr uint16_t PSKEY_BDADDR = 0x0001;
constexpr uint16_t PSKEY_RF_MAX_TX_POWER = 0x0017;
constexpr uint16_t PSKEY_RF_DEFAULT_TX_POWER = 0x0021;
constexpr uint16_t PSKEY_RF_MAX_TX_POWER_NO_RSSI = 0x002D;
constexpr uint16_t PSKEY_RF_POWER_TABLE = 0x0031;
constexpr uint16_t PSKEY_LOCAL_SUPPORTED_FEATURES = 0x00EF;
constexpr uint16_t PSKEY_DEVICE_NAME = 0x0108;
constexpr uint16_t PSKEY_RF_FREQ_TRIM = 0x01F6;
constexpr uint16_t PSKEY_RF_PATCH_FLAG = 0x0209;
constexpr uint16_t PSKEY_RF_PATCH_LEVEL = 0x0242;
constexpr uint16_t PSKEY_FEATURE_FLAGS = 0x028E;
constexpr uint16_t PSKEY_LEGACY_VERSION = 0x0293;
constexpr uint16_t PSKEY_VOX_INTERCOM = 0x0298;
constexpr uint16_t PSKEY_VOX_PHONE = 0x0299;
constexpr uint16_t PSKEY_FM_SETTINGS = 0x029F;
constexpr uint16_t PSKEY_PRODUCT_ID = 0x02A3;
constexpr uint16_t PSKEY_FIRMWARE_VERSION = 0x02A4;
constexpr uint16_t PSKEY_AUDIO_CHANNEL_TIMEOUT = 0x02AA;
constexpr uint16_t PSKEY_RADIO_TRANSMIT_GAIN = 0x02AC;
constexpr uint16_t PSKEY_USB_DEVICE_CLASS_CODES = 0x02BD;
constexpr uint16_t PSKEY_USB_VENDOR_ID = 0x02BE;
constexpr uint16_t PSKEY_USB_PRODUCT_ID = 0x02BF;
constexpr uint16_t PSKEY_USB_PRODUCT_STRING = 0x02C2;
constexpr uint16_t PSKEY_USB_BT_IF_CLASS_CODES = 0x02C7;
constexpr uint16_t PSKEY_USB_DFU_PRODUCT_ID = 0x02CB;
constexpr uint16_t PSKEY_USB_BT_SCO_IF_CLASS_CODES = 0x02D4;
constexpr uint16_t PSKEY_SPEED_DIAL_1 = 0x2280;
constexpr uint16_t PSKEY_SPEED_DIAL_2 = 0x2281;
constexpr uint16_t PSKEY_SPEED_DIAL_3 = 0x2282;

struct PsKeyInfo {
  uint16_t key;
  const char* name;
  uint16_t bytes;  // the length a read asks for and a write sends
};

// Every key above, in key order. PSKEY_RF_POWER_TABLE is listed with its longest form (60 bytes);
// the radio patch also writes it with 30, 38 or 50 bytes.
std::span<const PsKeyInfo> PsKeyTable();

// nullptr for a key outside the table.
const PsKeyInfo* FindPsKey(uint16_t key);

// Word `index` of a key buffer; 0 when the word lies outside the buffer.
uint16_t GetPsWord(std::span<const uint8_t> buffer, size_t index);
// Stores word `index` little-endian; does nothing when it lies outside the buffer.
void SetPsWord(std::span<uint8_t> buffer, size_t index, uint16_t value);
