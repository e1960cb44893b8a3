#pragma once
// Configuration words of a record as the 16-bit words a HID parameter carries.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "device/DeviceSettings.h"

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

}  // namespace headset::hid
