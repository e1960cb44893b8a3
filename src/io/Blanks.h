#pragma once
// Blank characters as every reader of text files and lists takes them, and trimming them off.
#include <string_view>

namespace io {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// `s` without its leading and trailing blanks.
constexpr std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace io
