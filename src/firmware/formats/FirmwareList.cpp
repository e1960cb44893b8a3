#include "firmware/formats/FirmwareList.h"

#include <cctype>
#include <cstdint>
#include <limits>

#include "firmware/formats/ServerListLines.h"

namespace firmware {

namespace {

// Leading blanks, an optional sign and the digits up to the first other character; no digits
// read as 0. Nothing when the number does not fit an int.
std::optional<int> ReadNumber(std::string_view s) {
  size_t at = 0;
  while (at < s.size() && std::isspace(static_cast<unsigned char>(s[at]))) ++at;
  bool negative = false;
  if (at < s.size() && (s[at] == '+' || s[at] == '-')) negative = s[at++] == '-';
  int64_t value = 0;
  const int64_t limit = negative ? -int64_t{std::numeric_limits<int>::min()} : std::numeric_limits<int>::max();
  for (; at < s.size() && s[at] >= '0' && s[at] <= '9'; ++at) {
    value = value * 10 + (s[at] - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

FirmwareListEntry ReadFirmwareList(std::string_view list, std::string_view modelKey) {
  FirmwareListEntry entry;
  bool single = false;
  bool variants = false;
  LanguagesSeen languages;
  std::string_view rest = list;
  std::string_view line;
  while (NextListLine(rest, line)) {
    const std::vector<std::string> fields = SplitListLine(line);
    const size_t separators = fields.size() - 1;
    const bool ours = separators > 0 && fields[0] == modelKey;
    if (separators == 2) {
      if (single || variants) break;
      if (!ours) continue;
      single = true;
      entry.found = true;
      entry.version = std::string(VersionDigits(fields[1]));
      entry.fileName = fields[2];
    } else if (separators == 3) {
      if (single || (!ours && variants)) break;
      if (!ours) continue;
      const std::string& language = fields[2];
      if (!variants) {
        variants = true;
        entry.found = true;
        entry.version = std::string(VersionDigits(fields[1]));
        entry.fileName = fields[3];
      }
      if (languages.Add(language)) entry.variants.push_back({fields[3], language});
    } else if (single || variants) {
      if (separators == 1 && ours) entry.sub = ReadNumber(fields[1]);
      break;
    }
  }
  return entry;
}

}  // namespace firmware
