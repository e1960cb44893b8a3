#include "headset/bluecore/PsKeyPort.h"

#include <algorithm>
#include <array>
#include <vector>

#include "device/PsKeys.h"
#include "localization/SafeFormat.h"
#include "platform/dfu/DFUTransport.h"

namespace headset::bluecore {

namespace {

// One command carries at most this many bytes of a key; every key recognition uses fits.
constexpr size_t kLongestKey = 256;

}  // namespace

bool PsKeyPort::Read(uint16_t key, std::span<uint8_t> buffer) {
  std::fill(buffer.begin(), buffer.end(), uint8_t{0});
  if (buffer.empty() || buffer.size() > kLongestKey) return false;
  uint16_t actual = 0;
  if (transport_.BCCMDGetPS(key, buffer.data(), static_cast<uint16_t>(buffer.size()), &actual)) return true;
  std::fill(buffer.begin(), buffer.end(), uint8_t{0});
  return false;
}

std::optional<uint16_t> PsKeyPort::ReadWord(uint16_t key) {
  std::array<uint8_t, 2> buffer{};
  if (!Read(key, buffer)) return std::nullopt;
  return GetPsWord(buffer, 0);
}

dfu::Result PsKeyPort::Write(uint16_t key, std::span<const uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > kLongestKey) return {dfu::kResultFailed, "key length out of range"};
  dfu::Result result = transport_.BCCMDSetPS(key, bytes.data(), static_cast<uint16_t>(bytes.size()));
  if (result && log_) log_->emplace_back(key, std::vector<uint8_t>(bytes.begin(), bytes.end()));
  return result;
}

dfu::Result PsKeyPort::WriteWords(uint16_t key, std::initializer_list<uint16_t> words) {
  return WriteWords(key, std::span<const uint16_t>(words.begin(), words.size()));
}

dfu::Result PsKeyPort::WriteWords(uint16_t key, std::span<const uint16_t> words) {
  std::vector<uint8_t> bytes(words.size() * 2, 0);
  for (size_t i = 0; i < words.size(); ++i) SetPsWord(bytes, i, words[i]);
  return Write(key, bytes);
}

std::string DecodeDeviceName(std::span<const uint8_t> key) {
  std::string name;
  for (uint8_t byte : key) {
    if (byte == 0) break;
    if (byte < 0x80) {
      name.push_back(static_cast<char>(byte));
    } else {
      name.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      name.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return name;
}

AddressTexts FormatAddressTexts(std::span<const uint8_t, 8> key) {
  // Words: LAP bits 16-23, LAP bits 0-15, UAP, NAP; each little-endian.
  return {text::Format("%02X%02X%02X[%02X%02X%02X]", key[7], key[6], key[4], key[0], key[3], key[2]),
          text::Format("%02X%02X%02X", key[0], key[3], key[2])};
}

std::optional<AddressTexts> ReadAddressTexts(PsKeyPort& port) {
  std::array<uint8_t, 8> key{};
  if (!port.Read(PSKEY_BDADDR, key)) return std::nullopt;
  return FormatAddressTexts(key);
}

}  // namespace headset::bluecore
