#pragma once
// Helpers for checking translation tables.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace testing_text {

// The printf placeholders of a text in order, "%%" included, so that a translation can be checked
// to take the same arguments as its English text. A '%' that starts no known conversion is kept
// with the character after it, so a stray percent sign shows up as a difference too.
inline std::vector<std::string> PlaceholderSequence(std::string_view text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    std::size_t j = i + 1;
    constexpr std::string_view kFlagsWidthsAndLengths = "-0123456789.lh";
    while (j < text.size() && kFlagsWidthsAndLengths.find(text[j]) != std::string_view::npos) ++j;
    const std::size_t end = j < text.size() ? j + 1 : text.size();
    out.emplace_back(text.substr(i, end - i));
    i = end - 1;
  }
  return out;
}

// How often `needle` occurs in `haystack`, overlaps included.
inline std::size_t CountOf(std::string_view haystack, std::string_view needle) {
  std::size_t count = 0;
  std::size_t at = haystack.find(needle);
  while (at != std::string_view::npos) {
    ++count;
    at = haystack.find(needle, at + 1);
  }
  return count;
}

}  // namespace testing_text
