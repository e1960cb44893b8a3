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

// The FM parameter's tags: the commit products' blocks carry their own.
inline constexpr uint16_t kFmTag = 0x66E9;
inline constexpr uint16_t kFmCommitTag = 0x56E9;
// The short FM block's products keep six presets.
inline constexpr int kShortFmPresets = 6;

// The FM parameter's block: tag, current frequency, current preset, the presets, RDS, region.
inline std::vector<uint16_t> FmParamWords(const device::CDeviceSettings& s, int presets, uint16_t tag) {
  using device::CDeviceSettings;
  std::vector<uint16_t> words{tag, static_cast<uint16_t>(s.Word(CDeviceSettings::kWordFmCurrentFrequency)),
                              static_cast<uint16_t>(s.Word(CDeviceSettings::kWordFmCurrentPreset))};
  for (int i = 0; i < presets; ++i) words.push_back(static_cast<uint16_t>(s.Word(CDeviceSettings::kWordFmPreset + i)));
  words.push_back(static_cast<uint16_t>(s.Word(CDeviceSettings::kWordFmRds)));
  words.push_back(static_cast<uint16_t>(s.m_nFmRegion));
  return words;
}

}  // namespace headset::hid
