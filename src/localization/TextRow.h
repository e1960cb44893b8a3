#pragma once
// One message in the eleven interface languages, and the one rule for choosing among them.
// Language order of every row: 0 English, 1 French, 2 German, 3 Italian, 4 Japanese, 5 Korean,
// 6 Spanish, 7 Dutch, 8 Russian, 9 Chinese, 10 Finnish.
#include <array>
#include <cstddef>
#include <string>

namespace text {

inline constexpr int kLanguageCount = 11;
inline constexpr int kEnglish = 0;

using TextRow = std::array<const char*, kLanguageCount>;

// A message composed once per language, so that a language switch can show it again.
using LocalizedText = std::array<std::string, kLanguageCount>;

// Any index outside 1 to 10 (negative, 0, above 10) reads as English.
constexpr int LanguageOrEnglish(int language) {
  return (language >= 1 && language < kLanguageCount) ? language : kEnglish;
}

// The row's text in `language`, never reading outside the row; a null entry reads as empty.
inline std::string Pick(const TextRow& row, int language) {
  const char* chosen = row[static_cast<std::size_t>(LanguageOrEnglish(language))];
  return chosen ? std::string(chosen) : std::string();
}

// The row's text in `language`, or its English text where the row gives that language none: a
// blank is never what a user should see.
inline std::string PickOrEnglish(const TextRow& row, int language) {
  std::string chosen = Pick(row, language);
  return chosen.empty() ? Pick(row, kEnglish) : chosen;
}

// Calls `compose(language)` for each language 0 to 10 and keeps the eleven results.
template <typename Compose>
LocalizedText InEveryLanguage(Compose&& compose) {
  LocalizedText out;
  for (int language = 0; language < kLanguageCount; ++language) {
    out[static_cast<std::size_t>(language)] = compose(language);
  }
  return out;
}

}  // namespace text
