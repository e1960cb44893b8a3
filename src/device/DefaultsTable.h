#pragma once
// Factory defaults per model and firmware band: each row names the on/off members it sets to 1
// and to 0, the configuration words it assigns and the FM block it writes. Everything a row does
// not name keeps its value. Rows are searched in order; the first match wins.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>

#include "device/ProductIds.h"

namespace device {

class CDeviceSettings;

// A firmware threshold. A cut with a third number compares the record's own four version parts
// against major.minor.third (third number of type 2); a plain cut compares major and minor.
struct VersionCut {
  int major = 0;
  int minor = 0;
  int third = 0;  // 0: a plain major.minor cut
};

struct FirmwareBand {
  bool hasFrom = false;
  VersionCut from;  // at least this version
  bool hasBelow = false;
  VersionCut below;  // older than this version
};

constexpr FirmwareBand Any() { return {}; }
constexpr FirmwareBand From(int major, int minor, int third = 0) {
  return {true, {major, minor, third}, false, {}};
}
constexpr FirmwareBand Below(int major, int minor, int third = 0) {
  return {false, {}, true, {major, minor, third}};
}
constexpr FirmwareBand Between(VersionCut from, VersionCut below) {
  return {true, from, true, below};
}

struct WordValue {
  int word;
  int value;
};

class WordValues {
 public:
  static constexpr std::size_t kCapacity = 10;
  constexpr WordValues(std::initializer_list<WordValue> values) {
    for (const WordValue& v : values) {
      if (count_ == kCapacity) throw std::length_error("too many words in one defaults row");
      values_[count_++] = v;
    }
  }
  constexpr std::span<const WordValue> Values() const { return {values_.data(), count_}; }

 private:
  std::array<WordValue, kCapacity> values_{};
  std::size_t count_ = 0;
};

enum class FmDefaults {
  kKeep,
  kA,         // region 0, tag word, tuned frequency and preset 0, ten presets empty, RDS off
  kARegion1,  // as A with region 1
  kB,         // as A with RDS on
  kC,         // as B but only the first six presets emptied
};

// Defaults that are no configuration words; kept visible as the exceptions they are.
enum class DefaultsExtra {
  kNone,
  kRadioMembers,  // transmit gain Medium (15), channel timeout 5 s
};

struct DefaultsRow {
  ProductIds products;
  FirmwareBand band;
  uint16_t setOn;   // OnOff flags
  uint16_t setOff;  // OnOff flags
  WordValues words;
  FmDefaults fm;
  DefaultsExtra extra = DefaultsExtra::kNone;
};

std::span<const DefaultsRow> DefaultsTable();

// The first row for the product whose band holds the version: major.minor from the arguments,
// the record's own four parts for a cut with a third number. nullptr when none.
const DefaultsRow* FindDefaultsRow(const CDeviceSettings& record, int productId, int major,
                                   int minor);

}  // namespace device
