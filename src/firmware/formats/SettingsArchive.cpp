#include "firmware/formats/SettingsArchive.h"

#include <array>
#include <ctime>
#include <vector>

#include "device/Version.h"
#include "io/Blanks.h"

namespace firmware {
namespace {

using device::CDeviceSettings;
using Settings = CDeviceSettings;

enum class Shape {
  kNumber,      // one int member
  kFlag,        // one on/off member, read as 0 or 1
  kVersion,     // two int members joined by a dot
  kText,        // the device name
  kDate,        // the archive time
  kWords,       // a block of configuration words
  kFlagWord,    // one configuration word holding 0 or 1
  kSpeedDials,  // the three speed-dial numbers
};

struct ArchiveKey {
  std::string_view key;
  Shape shape;
  int Settings::*number = nullptr;
  int Settings::*second = nullptr;
  int Settings::*flag = nullptr;
  int firstWord = 0;
  int written = 1;   // lines the writer gives an indexed key; 0: read only
  int readable = 1;  // block size the reader fills
  bool indexed = false;
};

constexpr ArchiveKey Number(std::string_view key, int Settings::*member) { return {key, Shape::kNumber, member}; }
constexpr ArchiveKey Flag(std::string_view key, int Settings::*member) {
  return {key, Shape::kFlag, nullptr, nullptr, member};
}
constexpr ArchiveKey Word(std::string_view key, int word, bool flag = false, int written = 1) {
  return {key, flag ? Shape::kFlagWord : Shape::kWords, nullptr, nullptr, nullptr, word, written, 1};
}
constexpr ArchiveKey Block(std::string_view key, int word, int written, int readable) {
  return {key, Shape::kWords, nullptr, nullptr, nullptr, word, written, readable, true};
}

// Writer order; the reader matches by key, so order matters only to the writer.
const std::array<ArchiveKey, 37> kKeys = {{
    {"keyManagerVersion", Shape::kVersion, &Settings::m_nManagerVersionMajor, &Settings::m_nManagerVersionMinor},
    Number("keyDeviceRecognized", &Settings::m_nProductId),
    {"keyDeviceName", Shape::kText},
    {"keyDeviceVersion", Shape::kVersion, &Settings::m_nVersionMajor, &Settings::m_nVersionMinor},
    Number("keyDeviceSecondaryVersionType", &Settings::m_nSecondaryVersionType),
    Number("keyDeviceSecondaryVersion", &Settings::m_nSecondaryVersion),
    {"keyDateArchived", Shape::kDate},
    Flag("keyIntercomVOX", &Settings::m_bIntercomVox),
    Flag("keyHandsfreeVOX", &Settings::m_bHandsfreeVox),
    Flag("keyEDR", &Settings::m_bEdrOff),
    Flag("keyVoicePrompt", &Settings::m_bVoicePromptOff),
    Flag("keyPLC", &Settings::m_bPlc),
    Flag("keyBitpoolRate", &Settings::m_bBitpoolRate),
    Flag("keyMicrophoneBoost", &Settings::m_bMicrophoneBoost),
    Flag("keySidetone", &Settings::m_bSidetone),
    // These two keep their number: the restore summary reads "Disabled" only for 1.
    Number("keyMutravo", &Settings::m_bNoiseControlOff),
    Number("keyAutoGainControl", &Settings::m_bAutoGainControlOff),
    Block("keyBasicSettingP7E", Settings::kWordBasicSetting, 10, 10),
    Block("keyBasicSettingK4TVOXSensitivity", Settings::kWordVoxSensitivity, 2, 2),
    Block("keyBasicSettingVN4SmartVolumeControl", Settings::kWordSmartVolumeControl, 2, 2),
    Block("keyBasicSettingK4VCamera", Settings::kWordCameraSetting, 2, 4),
    Number("keyRadioTransmitGain", &Settings::m_nRadioTransmitGain),
    Number("keyAudioChannelTimeout", &Settings::m_nAudioChannelTimeout),
    Word("keyAudioBoost", Settings::kWordAudioBoostOff, true),
    Word("keyHDIntercom", Settings::kWordHdIntercom, true),
    Word("keyFMStationGuide", Settings::kWordFmStationGuide, true),
    Word("keyHDVoice", Settings::kWordHdVoice, true),
    Word("keyFMRadioRegion", Settings::kWordFmRegion),
    Word("keyFMRadioMagicCode", Settings::kWordFmMagicCode),
    Word("keyFMRadioCurrentFrequency", Settings::kWordFmCurrentFrequency),
    Word("keyFMRadioCurrentPreset", Settings::kWordFmCurrentPreset),
    Block("keyFMRadioPreset", Settings::kWordFmPreset, 10, 10),
    Word("keyFMRadioRDS", Settings::kWordFmRds, true),
    {"keySpeedDial", Shape::kSpeedDials, nullptr, nullptr, nullptr, 0, 3, 3, true},
    // Keys of the format that this writer does not write.
    Word("keyAudioSourcePriority", Settings::kWordAudioSourcePriority, false, 0),
    Word("keyAudioSumbra", Settings::kWordAudioBlend, true, 0),
    Word("keySmartNaviSystem", Settings::kWordSmartNaviSystem, true, 0),
}};

std::string Line(std::string_view key, const std::string& value) {
  std::string line(key);
  line += '=';
  line += value;
  line += "\r\n";
  return line;
}

// Blocks hold at most ten entries, so the index always has two digits.
std::string IndexedKey(std::string_view prefix, int index) {
  const char digits[] = {char('0' + index / 10 % 10), char('0' + index % 10), '\0'};
  return std::string(prefix) + digits;
}

// A device name with a line break in it must not break the archive's lines.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

// The two digits that end an indexed key, or -1.
int IndexOf(std::string_view key, size_t prefixLength) {
  if (key.size() != prefixLength + 2) return -1;
  const char tens = key[prefixLength], ones = key[prefixLength + 1];
  if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return -1;
  return (tens - '0') * 10 + (ones - '0');
}

bool TwoDigits(std::string_view s, size_t at, size_t count, int& out) {
  out = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    out = out * 10 + (s[i] - '0');
  }
  return true;
}

}  // namespace

std::string FormatArchiveDate(int64_t time) {
  const std::time_t t = static_cast<std::time_t>(time);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%m/%d/%Y %H:%M:%S", &local);
  return text;
}

std::optional<int64_t> ParseArchiveDate(std::string_view value) {
  if (value.size() < 19 || value[2] != '/' || value[5] != '/' || value[10] != ' ' || value[13] != ':' ||
      value[16] != ':')
    return std::nullopt;
  int month, day, year, hour, minute, second;
  if (!TwoDigits(value, 0, 2, month) || !TwoDigits(value, 3, 2, day) || !TwoDigits(value, 6, 4, year) ||
      !TwoDigits(value, 11, 2, hour) || !TwoDigits(value, 14, 2, minute) || !TwoDigits(value, 17, 2, second))
    return std::nullopt;
  if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
    return std::nullopt;
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = second;
  local.tm_isdst = -1;
  const std::time_t t = std::mktime(&local);
  if (t == std::time_t(-1)) return std::nullopt;
  return int64_t(t);
}

std::string FormatSettingsArchive(const CDeviceSettings& s, int64_t archivedAt) {
  std::string out;
  for (const ArchiveKey& k : kKeys) {
    switch (k.shape) {
      case Shape::kNumber: out += Line(k.key, std::to_string(s.*k.number)); break;
      case Shape::kFlag: out += Line(k.key, s.*k.flag ? "1" : "0"); break;
      case Shape::kVersion:
        out += Line(k.key, std::to_string(s.*k.number) + "." + std::to_string(s.*k.second));
        break;
      case Shape::kText: out += Line(k.key, OneLine(s.m_strDeviceName)); break;
      case Shape::kDate: out += Line(k.key, FormatArchiveDate(archivedAt)); break;
      case Shape::kWords:
      case Shape::kFlagWord:
        if (!k.indexed) {
          if (k.written) out += Line(k.key, std::to_string(s.Word(k.firstWord)));
          break;
        }
        for (int i = 0; i < k.written; ++i)
          out += Line(IndexedKey(k.key, i + 1), std::to_string(s.Word(k.firstWord + i)));
        break;
      case Shape::kSpeedDials:
        for (int i = 0; i < k.written; ++i) out += Line(IndexedKey(k.key, i + 1), s.m_astrSpeedDial[size_t(i)]);
        break;
    }
  }
  return out;
}

ArchiveReadResult ReadSettingsArchiveText(std::string_view text, CDeviceSettings& s) {
  ArchiveReadResult result;
  std::array<uint32_t, kKeys.size()> seen{};  // per key, a bit per index read
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0) continue;
    const std::string_view key = io::Trim(line.substr(0, equals));
    const std::string_view value = io::Trim(line.substr(equals + 1));

    for (size_t at = 0; at < kKeys.size(); ++at) {
      const ArchiveKey& k = kKeys[at];
      int index = 1;
      if (k.indexed) {
        if (key.substr(0, k.key.size()) != k.key) continue;
        index = IndexOf(key, k.key.size());
        if (index < 1 || index > k.readable) break;  // never outside the block
      } else if (key != k.key) {
        continue;
      }
      seen[at] |= 1u << (index - 1);
      const int number = device::ReadInteger(value);
      switch (k.shape) {
        case Shape::kNumber:
          s.*k.number = number;
          if (k.number == &CDeviceSettings::m_nProductId) result.hasProductId = true;
          break;
        case Shape::kFlag: s.*k.flag = number != 0 ? 1 : 0; break;
        case Shape::kVersion:
          device::ParseTwoPartVersion(value, s.*k.number, s.*k.second);
          if (k.number == &CDeviceSettings::m_nVersionMajor) result.hasVersion = true;
          break;
        case Shape::kText: s.m_strDeviceName = std::string(value); break;
        case Shape::kDate:
          if (const auto time = ParseArchiveDate(value)) {
            s.m_timeArchived = *time;
            result.hasDate = true;
          }
          break;
        case Shape::kWords: s.SetWord(k.firstWord + index - 1, number); break;
        case Shape::kFlagWord: s.SetWord(k.firstWord, number != 0 ? 1 : 0); break;
        case Shape::kSpeedDials: s.m_astrSpeedDial[size_t(index - 1)] = std::string(value); break;
      }
      break;
    }
  }
  if (s.m_nFmRegion < 0 || s.m_nFmRegion > 5) s.m_nFmRegion = 0;
  result.complete = true;
  for (size_t at = 0; at < kKeys.size(); ++at) {
    const uint32_t written = (1u << kKeys[at].written) - 1;
    if ((seen[at] & written) != written) result.complete = false;
  }
  return result;
}

}  // namespace firmware
