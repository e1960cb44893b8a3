#pragma once
// Configuration words of a record as the 16-bit words a HID parameter carries.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "device/DeviceSettings.h"
#include "device/SpeedDialText.h"

namespace headset::hid {

inline std::vector<uint16_t> Words(const device::CDeviceSettings& s, std::initializer_list<int> indexes) {
  std::vector<uint16_t> words;
  for (int index : indexes) words.push_back(static_cast<uint16_t>(s.Word(index)));
  return words;
}

inline std::vector<uint16_t> FirstWords(const device::CDeviceSettings& s, int count) {
  std::vector<uint16_t> words;
  for (int i = 0; i < count; ++i) words.push_back(static_cast<uint16_t>(s.Word(i)));
  return words;
}

// A speed-dial number as its parameter's words, one per character. Some products take an empty
// number as no words, the others want one zero word.
inline std::vector<uint16_t> SpeedDialParamWords(std::string_view number, bool emptyAsOneWord) {
  device::SpeedDialWords packed{};
  const auto characters = static_cast<std::ptrdiff_t>(device::PackTextWords(packed, number) / 2);
  return {packed.begin(), packed.begin() + (characters == 0 && emptyAsOneWord ? 1 : characters)};
}

}  // namespace headset::hid
