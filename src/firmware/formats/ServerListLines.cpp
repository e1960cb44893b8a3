#include "firmware/formats/ServerListLines.h"

#include <algorithm>
#include <cctype>

#include "io/Blanks.h"

namespace firmware {
namespace {

std::string Trimmed(std::string_view s) { return std::string(io::Trim(s)); }

char Folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

bool NextListLine(std::string_view& text, std::string_view& line) {
  while (!text.empty()) {
    const size_t feed = text.find('\n');
    if (feed == 0) {
      if (text.size() < 2) break;
      text.remove_prefix(1);
      continue;
    }
    if (feed == std::string_view::npos) {
      line = text;
      text = {};
    } else {
      line = text.substr(0, feed);
      text.remove_prefix(feed + 1);
    }
    return true;
  }
  text = {};
  return false;
}

std::vector<std::string> SplitListLine(std::string_view line) {
  std::vector<std::string> fields;
  std::string_view rest = line;
  for (int separators = 0; separators < 3; ++separators) {
    const size_t colon = rest.find(':');
    if (colon == 0 || colon == std::string_view::npos) break;
    fields.push_back(Trimmed(rest.substr(0, colon)));
    rest.remove_prefix(colon + 1);
  }
  fields.push_back(Trimmed(rest));
  return fields;
}

std::string_view VersionDigits(std::string_view field) { return field.empty() ? field : field.substr(1); }

bool SameLanguage(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Folded(x) == Folded(y); });
}

bool LanguagesSeen::Add(std::string_view language) {
  std::string folded(language);
  std::transform(folded.begin(), folded.end(), folded.begin(), Folded);
  return folded_.insert(std::move(folded)).second;
}

}  // namespace firmware
