#include "firmware/formats/ServerListLines.h"

#include "io/Blanks.h"

namespace firmware {
namespace {

std::string Trimmed(std::string_view s) { return std::string(io::Trim(s)); }

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

}  // namespace firmware
