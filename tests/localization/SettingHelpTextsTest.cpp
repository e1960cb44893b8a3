#include <gtest/gtest.h>

#include <string>

#include "localization/MakerAddresses.h"
#include "localization/SettingHelpTexts.h"
#include "localization/SettingsPageTexts.h"
#include "TextChecks.h"

namespace {

using testing_text::PlaceholderSequence;

// Every help text in every language: a bracketed title, a line break, an explanation, and no
// placeholder that the English text does not have (a caller gives only the English arguments).
TEST(SettingHelpTexts, EveryTranslationHasATitleAndNoMorePlaceholdersThanEnglish) {
  for (const auto rows : {text::PanelHelpTextRows(), text::GridHelpTextRows()}) {
    for (const text::NamedTextRow& named : rows) {
      const auto english = PlaceholderSequence((*named.row)[0]);
      for (int language = 0; language < text::kLanguageCount; ++language) {
        const std::string t = text::Pick(*named.row, language);
        SCOPED_TRACE(std::string(named.name) + " in language " + std::to_string(language));
        EXPECT_EQ(t.rfind('[', 0), 0u);
        EXPECT_NE(t.find("]\n"), std::string::npos);
        const auto translated = PlaceholderSequence(t);
        EXPECT_LE(translated.size(), english.size());
        for (const std::string& p : translated) EXPECT_EQ(p, "%s");
      }
    }
  }
}

TEST(SettingHelpTexts, LanguagesOutsideTheTableReadEnglish) {
  const std::string english = text::GetSidetoneHelpText(0);
  EXPECT_EQ(english.rfind("[Sidetone]\n", 0), 0u);
  for (int language : {11, -1, 1000}) EXPECT_EQ(text::GetSidetoneHelpText(language), english);
  EXPECT_NE(text::GetSidetoneHelpText(10), english);
}

TEST(SettingHelpTexts, EnhancedDataRateCarriesTheSupportAddressInEveryLanguage) {
  const std::string inParentheses = std::string("(") + text::kSupportMailAddress + ")";
  for (int language = 0; language < text::kLanguageCount; ++language) {
    const std::string t = text::GetEnhancedDataRateHelpText(language);
    EXPECT_NE(t.find(text::kSupportMailAddress), std::string::npos) << language;
    EXPECT_EQ(t.find("%s"), std::string::npos) << language;
    // Japanese and Chinese put full-width parentheses around it; the others plain ones.
    if (language != 4 && language != 9) {
      EXPECT_NE(t.find(inParentheses), std::string::npos) << language;
    }
  }
  EXPECT_EQ(text::GetEnhancedDataRateHelpText(0).back(), '\n');
}

TEST(SettingHelpTexts, FixedCasesHoldAsGiven) {
  EXPECT_EQ(text::GetUnitLanguageHelpText(0), "[Unit Language]\nUnitLanguageINFO_EN");
  EXPECT_EQ(text::GetUnitLanguageHelpText(4), "[Unit Language JP]\nUnitLanguageINFO_JP");
  EXPECT_EQ(text::GetUnitLanguageHelpText(8), "[Unit Language RS]\nUnitLanguageINFO_RS");
  const std::string smartNavi = text::GetNavigationInterruptHelpText(0);
  for (int language : {4, 5, 8, 9, 10}) {
    EXPECT_EQ(text::GetNavigationInterruptHelpText(language), smartNavi) << language;
    EXPECT_EQ(text::GetEssStatusHelpText(language), "[ESSStatusInfo]\nESSStatusInfo") << language;
    EXPECT_EQ(text::GetEssSensitivityHelpText(language), "[ESSSensitivity]\nESSSensitivityInfo") << language;
  }
  for (int language : {1, 2, 3, 6, 7}) {
    const std::string t = text::GetNavigationInterruptHelpText(language);
    EXPECT_NE(t, smartNavi) << language;
    EXPECT_EQ(t.rfind("[Smart Navi System]\n", 0), 0u) << language;
  }
  EXPECT_EQ(PlaceholderSequence(text::GetNavigationAppSupportHelpText(10)).size(), 1u);
  EXPECT_EQ(PlaceholderSequence(text::GetNavigationAppSupportHelpText(1)).size(), 2u);
  EXPECT_TRUE(PlaceholderSequence(text::GetAudioBoostHelpText(3)).empty());
  EXPECT_EQ(PlaceholderSequence(text::GetAudioBoostHelpText(2)).size(), 1u);
  EXPECT_EQ(text::GetIntercomConcurrentAudioHelpText(0).back(), ' ');
  EXPECT_NE(text::GetVoxIntercomHelpText(0).find("say a word such as \"Hello\" loudly"), std::string::npos);
}

TEST(SettingHelpTexts, VideoModeHasATwoModeAndAThreeModeText) {
  for (int language = 0; language < text::kLanguageCount; ++language) {
    EXPECT_NE(text::GetVideoModeHelpText(language, false), text::GetVideoModeHelpText(language, true));
  }
  EXPECT_EQ(text::GetVideoModeHelpText(0, false).find("loop"), std::string::npos);
  EXPECT_NE(text::GetVideoModeHelpText(0, true).find("loop recording mode"), std::string::npos);
}

TEST(SettingsPageTexts, ButtonsNotesAndTheTimeoutUnit) {
  EXPECT_EQ(text::GetDefaultButtonText(0), "DEFAULT");
  EXPECT_EQ(text::GetDefaultButtonText(8), "ПО УМОЛЧ.");
  EXPECT_EQ(text::GetDefaultButtonText(11), "DEFAULT");
  EXPECT_EQ(text::GetMoreSettingsText(10), "ENEMMÄN ASETUKSIA");
  EXPECT_EQ(text::GetTimeoutRangeText(0), "seconds (3 ~ 60)");
  // The note's own text has no blank before its colon.
  EXPECT_EQ(text::GetRestartNoteText(0), "NOTE: Changes will be applied after device restarts.");
  EXPECT_EQ(text::GetOnboardAudioNoteText(0),
            "If you use VKT Bluetooth onboard audio system (e.g. VKT R2479XS/XSN), please disable this option.");
}

}  // namespace
