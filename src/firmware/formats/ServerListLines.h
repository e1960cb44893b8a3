#pragma once
// The update server's lists ("Firmware", "Revisions") share one line form: fields separated by up
// to three colons, each searched in what the previous one left; the last field keeps any further
// colons.
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace firmware {

// Takes the next line off the front of `text`, the way the lists are consumed: a line feed at the
// front is dropped (the scan ends when fewer than two characters remain then); a missing line feed
// makes the rest the last line. False when nothing is left.
bool NextListLine(std::string_view& text, std::string_view& line);

// The line's fields, trimmed; their count less one is the number of separators found (0 to 3).
// A colon at the start of what remains ends the splitting.
std::vector<std::string> SplitListLine(std::string_view line);

// The version field without its leading character ("v4.3" -> "4.3").
std::string_view VersionDigits(std::string_view field);

// Voice-prompt languages compare ignoring case, letter by letter as the C library folds them.
bool SameLanguage(std::string_view a, std::string_view b);

// The languages a list has named so far. A list may name a language many thousand times, so
// telling whether one is new must not walk the earlier ones.
class LanguagesSeen {
 public:
  // True the first time a language is named (in any case), false every later time.
  bool Add(std::string_view language);

 private:
  std::unordered_set<std::string> folded_;
};

}  // namespace firmware
