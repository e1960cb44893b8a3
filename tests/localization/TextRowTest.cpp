#include "localization/TextRow.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(TextRow, PickAppliesTheEnglishFallbackAndReadsMissingEntriesAsEmpty) {
  const text::TextRow row = {"en", "fr", "de"};  // the other eight left unset
  EXPECT_EQ(text::Pick(row, 1), "fr");
  EXPECT_EQ(text::Pick(row, 2), "de");
  EXPECT_EQ(text::Pick(row, 10), "");
  for (int language : {-1, 0, 11, 99, INT_MIN, INT_MAX}) {
    EXPECT_EQ(text::Pick(row, language), "en") << language;
  }
}

TEST(TextRow, InEveryLanguageComposesOncePerLanguageInOrder) {
  int calls = 0;
  const text::LocalizedText composed = text::InEveryLanguage([&](int language) {
    ++calls;
    return std::to_string(language);
  });
  EXPECT_EQ(calls, text::kLanguageCount);
  for (int language = 0; language < text::kLanguageCount; ++language) {
    EXPECT_EQ(composed[static_cast<size_t>(language)], std::to_string(language));
  }
}

}  // namespace
