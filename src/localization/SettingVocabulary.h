#pragma once
// Names of settings and their values, one entry per interface language, in the language order
// 0 English, 1 French, 2 German, 3 Italian, 4 Japanese, 5 Korean, 6 Spanish, 7 Dutch, 8 Russian,
// 9 Chinese, 10 Finnish. A multi-word table holds one row of items per language.
// Read them through VocabularyText and VocabularyItem, which never index outside a table.
#include <array>
#include <cstddef>
#include <string>

namespace text {

inline constexpr int kVocabularyLanguages = 11;

using VocabularyRow = std::array<const char*, kVocabularyLanguages>;
template <std::size_t Items>
using VocabularyItems = std::array<std::array<const char*, Items>, kVocabularyLanguages>;

// Settings-page kinds.
extern const VocabularyRow g_strBasic;
extern const VocabularyRow g_strSpeedDial;
extern const VocabularyRow g_strFmRadio;
// The second tab's caption when a product has more than two kinds.
extern const VocabularyRow g_strMore;

// FM regions 0 to 5: Worldwide, Americas, Asia, Australia, Europe, Japan.
extern const VocabularyItems<6> g_strRadioRegions;

// The entry in `language`; a language outside 0 to 10 reads as English.
std::string VocabularyText(const VocabularyRow& row, int language);

// Item `item` in `language` (same language rule); empty for an item outside the table.
template <std::size_t Items>
std::string VocabularyItem(const VocabularyItems<Items>& table, int language, int item) {
  if (item < 0 || static_cast<std::size_t>(item) >= Items) return {};
  const bool known = language >= 0 && language < kVocabularyLanguages;
  const char* entry =
      table[static_cast<std::size_t>(known ? language : 0)][static_cast<std::size_t>(item)];
  return entry ? entry : "";
}

}  // namespace text
