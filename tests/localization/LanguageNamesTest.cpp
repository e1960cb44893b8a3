#include "localization/LanguageNames.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <climits>
#include <set>

#include "framework/FileDialog.h"
#include "localization/TextRow.h"

namespace {

using text::FindLanguageByEnglishName;
using text::GetLanguageEnglishName;
using text::GetLanguageName;
using text::GetLocaleName;
using text::TranslateLanguageName;

TEST(LanguageNames, NamesALanguageInAnother) {
  struct Case {
    int language;
    int display;
    const char* expected;
  };
  const Case cases[] = {
      {0, 1, "Anglais"},      {2, 7, "Duits"},        {10, 8, "Финский язык"},
      {4, 9, "日语"},         {9, 4, "中国語"},       {7, 6, "Holandés"},
      {1, 1, "Français"},     {10, 10, "Suomen kieli"}, {5, 5, "한국어"},
      // Each index follows the English fallback on its own.
      {11, 3, "Inglese"},     {3, -1, "Italian"},     {-5, 99, "English"},
      {INT_MIN, 2, "Englisch"}, {6, INT_MAX, "Spanish"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetLanguageName(c.language, c.display), c.expected)
        << c.language << " in " << c.display;
  }
  EXPECT_EQ(GetLanguageEnglishName(8), "Russian");
  EXPECT_EQ(GetLanguageEnglishName(12), "English");
}

TEST(LanguageNames, EveryDisplayLanguageNamesAllElevenDistinctly) {
  for (int display = 0; display < text::kLanguageCount; ++display) {
    std::set<std::string> names;
    for (int language = 0; language < text::kLanguageCount; ++language) {
      const std::string name = GetLanguageName(language, display);
      EXPECT_FALSE(name.empty()) << language << " in " << display;
      names.insert(name);
    }
    EXPECT_EQ(names.size(), 11u) << "display language " << display;
  }
}

TEST(LanguageNames, FindsOnlyEnglishNamesInAnyCase) {
  struct Case {
    const char* name;
    bool fallback;
    int expected;
  };
  const Case cases[] = {
      {"FRENCH", false, 1},  {"french", false, 1},   {"fReNcH", true, 1},
      {"Finnish", false, 10}, {"english", false, 0},
      {"Français", false, -1}, {"Deutsch", true, 0},  {"Deutsch", false, -1},
      {"", true, 0},         {"", false, -1},        {"French ", false, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindLanguageByEnglishName(c.name, c.fallback), c.expected)
        << '"' << c.name << "\" fallback " << c.fallback;
  }
}

TEST(LanguageNames, TranslatesEnglishNamesAndLeavesOtherTextAlone) {
  EXPECT_EQ(TranslateLanguageName("german", 7), "Duits");
  EXPECT_EQ(TranslateLanguageName("KOREAN", 4), "韓国語");
  EXPECT_EQ(TranslateLanguageName("italian", 42), "Italian");
  EXPECT_EQ(TranslateLanguageName("Klingon", 3), "Klingon");
  EXPECT_EQ(TranslateLanguageName("Deutsch", 1), "Deutsch");
  EXPECT_EQ(TranslateLanguageName("", 2), "");
}

// The toolkit's own dialogs speak each language with the toolkit's translations, which it names by
// locale; Chinese is the simplified form, in which the program's Chinese texts are written.
TEST(LanguageNames, EachLanguageHasTheToolkitsOwnTranslations) {
  const auto lookIn = [] { return QCoreApplication::translate("QFileDialog", "Look in:").toStdString(); };
  std::set<std::string> spoken;
  for (int language = 1; language < text::kLanguageCount; ++language) {
    EXPECT_TRUE(fw::UseToolkitLanguage(GetLocaleName(language))) << GetLocaleName(language);
    spoken.insert(lookIn());
  }
  EXPECT_EQ(GetLocaleName(9), "zh_CN");
  for (const int english : {0, -1, 11}) EXPECT_EQ(GetLocaleName(english), "en") << english;
  EXPECT_TRUE(fw::UseToolkitLanguage(GetLocaleName(0)));
  spoken.insert(lookIn());
  EXPECT_EQ(spoken.size(), 11u) << "each language reads its own";
}

}  // namespace
