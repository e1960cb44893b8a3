#include "firmware/formats/FirmwareList.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <limits>

namespace firmware {

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

// A line cut at up to three colons: `separators` of them were found; fields [0..separators]
// hold the text between them, untrimmed.
struct CutLine {
  int separators = 0;
  std::array<std::string_view, 4> fields;
};

CutLine Cut(std::string_view line) {
  CutLine cut;
  std::string_view rest = line;
  while (cut.separators < 3) {
    const size_t colon = rest.find(':');
    if (colon == std::string_view::npos || colon == 0) break;
    cut.fields[static_cast<size_t>(cut.separators)] = rest.substr(0, colon);
    rest = rest.substr(colon + 1);
    ++cut.separators;
  }
  cut.fields[static_cast<size_t>(cut.separators)] = rest;
  return cut;
}

// The next line of `rest`, or nothing when the list has ended. Empty lines between line feeds are
// skipped; a lone line feed at the very end ends the list.
std::optional<std::string_view> NextLine(std::string_view& rest) {
  while (!rest.empty() && rest.front() == '\n') {
    if (rest.size() < 2) return std::nullopt;
    rest.remove_prefix(1);
  }
  if (rest.empty()) return std::nullopt;
  const size_t feed = rest.find('\n');
  const std::string_view line = rest.substr(0, feed);
  rest = feed == std::string_view::npos ? std::string_view() : rest.substr(feed + 1);
  return line;
}

// `s` without its first character (a whole UTF-8 sequence).
std::string_view DropFirstCharacter(std::string_view s) {
  if (s.empty()) return s;
  size_t length = 1;
  while (length < s.size() && (static_cast<unsigned char>(s[length]) & 0xC0) == 0x80) ++length;
  return s.substr(length);
}

// Leading blanks, an optional sign and the digits up to the first other character; no digits
// read as 0. Nothing when the number does not fit an int.
std::optional<int> ReadNumber(std::string_view s) {
  size_t at = 0;
  while (at < s.size() && IsBlank(s[at])) ++at;
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
  std::string_view rest = list;
  while (const std::optional<std::string_view> line = NextLine(rest)) {
    const CutLine cut = Cut(*line);
    const bool ours = cut.separators > 0 && Trim(cut.fields[0]) == modelKey;
    if (cut.separators == 2) {
      if (single || variants) break;
      if (!ours) continue;
      single = true;
      entry.found = true;
      entry.version = std::string(DropFirstCharacter(Trim(cut.fields[1])));
      entry.fileName = std::string(Trim(cut.fields[2]));
    } else if (cut.separators == 3) {
      if (single || (!ours && variants)) break;
      if (!ours) continue;
      const std::string_view language = Trim(cut.fields[2]);
      const std::string_view file = Trim(cut.fields[3]);
      if (!variants) {
        variants = true;
        entry.found = true;
        entry.version = std::string(DropFirstCharacter(Trim(cut.fields[1])));
        entry.fileName = std::string(file);
      }
      bool listed = false;
      for (const FirmwareListVariant& v : entry.variants) listed = listed || EqualsIgnoringCase(v.language, language);
      if (!listed) entry.variants.push_back({std::string(file), std::string(language)});
    } else if (single || variants) {
      if (cut.separators == 1 && ours) entry.sub = ReadNumber(cut.fields[1]);
      break;
    }
  }
  return entry;
}

}  // namespace firmware
