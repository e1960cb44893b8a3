#pragma once
// The settings archive: a key=value text file per model, written from the device record before
// its firmware is replaced and read back to restore that firmware and those settings. One table
// of keys serves the writer and the reader, so the two cannot drift apart.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "device/DeviceSettings.h"

namespace firmware {

inline constexpr const char* kSettingsArchiveExtension = "kelnuarch";

// The 57 lines, CR LF ended, in the archive's fixed order. `archivedAt` is the time of writing
// (seconds since the epoch), written in local time with the English pattern "%m/%d/%Y %H:%M:%S"
// whatever the interface language.
std::string FormatSettingsArchive(const device::CDeviceSettings& settings, int64_t archivedAt);

// What a read found besides the fields it filled.
struct ArchiveReadResult {
  bool hasProductId = false;  // keyDeviceRecognized
  bool hasVersion = false;    // keyDeviceVersion
  bool hasDate = false;       // keyDateArchived with a valid date
  bool complete = false;      // every line the writer writes was there (valid or not)
};

// Fills `settings` from the archive's lines; a field whose key is absent keeps its value, so the
// caller starts from the record the archive should amend. Lines end with LF or CR LF; keys compare
// case-sensitively; unknown keys, lines without '=', indexed keys whose index lies outside their
// block and dates that are not a valid "MM/DD/YYYY HH:MM:SS" are skipped. On/off values read as 0
// or 1 whatever number the file holds, except keyMutravo and keyAutoGainControl, which keep their
// number; an FM region outside 0..5 reads as 0.
ArchiveReadResult ReadSettingsArchiveText(std::string_view text, device::CDeviceSettings& settings);

// "MM/DD/YYYY HH:MM:SS" read by position as local time; nothing for a short, non-numeric or
// out-of-range value.
std::optional<int64_t> ParseArchiveDate(std::string_view value);
std::string FormatArchiveDate(int64_t time);

}  // namespace firmware
