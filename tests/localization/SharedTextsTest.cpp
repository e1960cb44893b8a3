#include "localization/SharedTexts.h"

#include <gtest/gtest.h>

#include <string>

#include "TextChecks.h"
#include "localization/TextRow.h"

namespace {

using namespace text;

constexpr int kFrench = 1, kGerman = 2, kItalian = 3, kJapanese = 4, kKorean = 5, kSpanish = 6,
              kDutch = 7, kRussian = 8, kFinnish = 10;

using testing_text::CountOf;

TEST(PageTitles, SevenPagesShareFiveTitlesAndOthersAreNotAvailable) {
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(GetPageTitleText(6, language), GetPageTitleText(5, language));
    EXPECT_EQ(GetPageTitleText(7, language), GetPageTitleText(5, language));
    for (int page : {-1, 0, 8, 100}) {
      EXPECT_EQ(GetPageTitleText(page, language), "MODE NOT AVAILABLE") << page;
    }
  }
  EXPECT_EQ(GetPageTitleText(3, kGerman), "FIRMWARE-UPDATE");
  EXPECT_EQ(GetPageTitleText(3, kDutch), "FIRMWARE-UPDATE");
  EXPECT_EQ(GetPageTitleText(3, kFinnish), "PÄIVITYS");
  EXPECT_EQ(GetPageTitleText(4, kFrench), "RESTAURATION");
  EXPECT_EQ(GetPageTitleText(4, kFinnish), "PALAUTUS");
}

TEST(DateTimeFormat, EachLanguageHasItsOrder) {
  const char* expected[kLanguageCount] = {
      "%m/%d/%Y %H:%M:%S", "%d/%m/%Y %H:%M:%S", "%d.%m.%Y %H:%M:%S", "%d/%m/%Y %H:%M:%S",
      "%Y/%m/%d %H:%M:%S", "%Y.%m.%d %H:%M:%S", "%d/%m/%Y %H:%M:%S", "%m/%d/%Y %H:%M:%S",
      "%m/%d/%Y %H:%M:%S", "%m/%d/%Y %H:%M:%S", "%m/%d/%Y %H:%M:%S"};
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(GetDateTimeFormatText(language), expected[language]) << language;
  }
  EXPECT_EQ(GetDateTimeFormatText(12), expected[0]);
}

TEST(SharedTexts, TextsThatAreTheSameInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(GetProductNameText(language), "Corvale communication system device manager");
    EXPECT_EQ(GetNoticeLineText(language), GetNoticeLineText(0));
    EXPECT_EQ(GetOkText(language), language == kKorean ? "확인" : "OK");
  }
  EXPECT_EQ(GetNoText(kItalian), "NO");
  EXPECT_EQ(GetNoText(kSpanish), "NO");
  EXPECT_EQ(GetUpdateText(kGerman), "UPDATE");
  EXPECT_EQ(GetVersionText(kFrench), "Version");
  EXPECT_EQ(GetVersionText(kGerman), "Version");
  EXPECT_EQ(GetNextText(kFrench), "SUIVANT");
  EXPECT_EQ(GetCancelText(kGerman), "ABBRECHEN");
}

TEST(SharedTexts, ButtonNamesTheFinnishTextSpellsOut) {
  EXPECT_EQ(GetLeftButtonText(kFinnish), "[Vasen] -painike");
  EXPECT_EQ(GetRightButtonText(kFinnish), "[Oikea] -painike");
  EXPECT_EQ(GetPttButtonText(kFinnish), "PTT  -painike");
}

TEST(SharedTexts, OnlyJapaneseAndFinnishSpeakOfAPlainSdCard) {
  for (int language = 1; language < kLanguageCount; ++language) {
    const std::string text = GetCheckSdCardText(language);
    const bool plainSd = language == kJapanese || language == kFinnish;
    EXPECT_EQ(text.find("microSD") == std::string::npos, plainSd) << language << ": " << text;
    EXPECT_NE(text.find("SD"), std::string::npos) << language;
  }
}

TEST(SharedTexts, WordsThatRepeatOrShareTheirForm) {
  for (int language : {kGerman, kItalian, kSpanish, kDutch}) {
    EXPECT_EQ(GetFirmwareWordText(language), "firmware") << language;
  }
  EXPECT_EQ(GetFirmwareWordText(kFinnish).substr(0, 1), "L");  // begins with a capital
  for (int language = 0; language < kLanguageCount; ++language) {
    const bool sameWord = language == kGerman || language == kItalian || language == kJapanese ||
                          language == kKorean || language == kSpanish || language == kRussian;
    EXPECT_EQ(GetEnabledText(language) == GetEnableText(language), sameWord) << language;
    EXPECT_EQ(GetDisabledText(language) == GetDisableText(language), sameWord) << language;
    EXPECT_NE(GetEnableText(language), GetDisableText(language)) << language;
    EXPECT_NE(GetEnabledText(language), GetDisabledText(language)) << language;
  }
}

TEST(SharedTexts, BackupNoticeAndCameraFailureCarryTheirExtras) {
  EXPECT_EQ(GetCannotMakeBackupText(kJapanese).substr(0, 1), " ");
  for (int language = 0; language < kLanguageCount; ++language) {
    if (language != kJapanese) {
      EXPECT_NE(GetCannotMakeBackupText(language)[0], ' ') << language;
    }
  }
  // Finnish alone adds a second sentence asking to try again.
  EXPECT_EQ(CountOf(GetCameraUpdateFailedText(kFinnish), ". "), 1u);
  EXPECT_EQ(CountOf(GetCameraUpdateFailedText(0), ". "), 0u);
}

TEST(SharedTexts, DeviceMismatchIsTwoLinesInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string text = GetDeviceMismatchText(language);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n') << language;
    EXPECT_EQ(CountOf(text, "\n"), 2u) << language;
    const bool blankAfterBreak = language == kDutch || language == kRussian;
    EXPECT_EQ(CountOf(text, "\n ") == 1, blankAfterBreak) << language;
  }
}

}  // namespace
