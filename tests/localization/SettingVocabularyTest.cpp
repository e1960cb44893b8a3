#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "localization/SettingVocabulary.h"

namespace {

using namespace text;

TEST(SettingVocabulary, EveryEntryIsFilled) {
  for (const VocabularyRow* row : {&g_strBasic, &g_strSpeedDial, &g_strFmRadio}) {
    for (const char* entry : *row) {
      ASSERT_NE(entry, nullptr);
      EXPECT_STRNE(entry, "");
    }
  }
  for (const auto& language : g_strRadioRegions) {
    for (const char* entry : language) {
      ASSERT_NE(entry, nullptr);
      EXPECT_STRNE(entry, "");
    }
  }
}

TEST(SettingVocabulary, GuardedReadsNeverLeaveTheTables) {
  EXPECT_EQ(VocabularyText(g_strSpeedDial, 0), "Speed Dial");
  EXPECT_EQ(VocabularyText(g_strSpeedDial, 8), "Быстрый набор");
  EXPECT_EQ(VocabularyText(g_strBasic, 2), "Basic");  // German uses the English word
  for (int language : {-1, 11, INT_MIN, INT_MAX}) {
    EXPECT_EQ(VocabularyText(g_strFmRadio, language), "FM Radio") << language;
    EXPECT_EQ(VocabularyItem(g_strRadioRegions, language, 5), "Japan") << language;
  }

  const char* english[] = {"Worldwide", "Americas", "Asia", "Australia", "Europe", "Japan"};
  for (int item = 0; item < 6; ++item) {
    EXPECT_EQ(VocabularyItem(g_strRadioRegions, 0, item), english[item]);
  }
  EXPECT_EQ(VocabularyItem(g_strRadioRegions, 4, 5), "日本");
  EXPECT_EQ(VocabularyItem(g_strRadioRegions, 10, 0), "Maailmanlaajuinen");
  for (int item : {-1, 6, INT_MIN, INT_MAX}) {
    EXPECT_EQ(VocabularyItem(g_strRadioRegions, 1, item), "") << item;
  }
}

}  // namespace
