#include "localization/MainWindowTexts.h"

#include <gtest/gtest.h>

#include <string>

#include "localization/SharedTexts.h"
#include "localization/TextRow.h"

namespace {

using namespace text;

constexpr int kFrench = 1, kGerman = 2, kJapanese = 4, kSpanish = 6, kChinese = 9, kFinnish = 10;

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

TEST(MainWindowCaptions, KeepTheirBlanksInEveryLanguage) {
  EXPECT_EQ(GetNextButtonText(kFrench), "SUIVANT        >  ");
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(GetNextButtonText(language), GetNextText(language) + "        >  ");
    EXPECT_EQ(GetBackButtonText(language), "  <       " + GetBackText(language));
    EXPECT_EQ(GetNewDeviceButtonText(language), GetNewDeviceText(language) + "  >  ");
    EXPECT_EQ(GetUpdateShortcutText(language), "  <  " + GetPageTitleText(3, language));
    EXPECT_EQ(GetRestoreShortcutText(language), GetPageTitleText(4, language) + "  >  ");
    EXPECT_EQ(GetUpdateActionText(language), GetUpdateText(language));
    EXPECT_EQ(GetRestoreActionText(language), GetRestoreText(language));
  }
}

TEST(MainWindowCaptions, SpecialCharactersStayWhereTheyBelong) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const bool finnish = language == kFinnish;
    EXPECT_EQ(EndsWith(GetAboutMenuText(language), "\u2026"), finnish) << language;
    // Japanese puts the three full stops first.
    EXPECT_EQ(GetAboutMenuText(language).find("...") != std::string::npos, !finnish) << language;

    const std::string prompt = GetSaveChangesPromptText(language);
    const bool fullWidth = language == kJapanese || language == kChinese || finnish;
    EXPECT_EQ(EndsWith(prompt, "\uFF1F"), fullWidth) << prompt;
    EXPECT_NE(prompt.find(GetPageTitleText(5, language)), std::string::npos) << prompt;
    EXPECT_EQ(prompt.find('%'), std::string::npos) << prompt;
  }
  EXPECT_EQ(GetSaveActionText(kJapanese), GetSaveActionText(kChinese));
}

using ControlName = std::string (*)(int);

TEST(PressAndHold, NamesTheControlsOfTheTargetsModel) {
  struct Case {
    int target;
    ControlName one;
    ControlName first;
    ControlName second;
  };
  const Case cases[] = {
      {0x2010, GetMinusButtonText, GetPlusButtonText, GetMinusButtonText},
      {0x6210, GetMinusButtonText, GetPlusButtonText, GetMinusButtonText},
      {0x4D21, GetCenterButtonText, GetCenterButtonText, GetPlusButtonText},
      {0x6121, GetCenterButtonText, GetCenterButtonText, GetPlusButtonText},
      {0x5520, GetMinusButtonText, GetCenterButtonText, GetPlusButtonText},
      {0x5920, GetMinusButtonText, GetCenterButtonText, GetPlusButtonText},
      {0x4040, GetLeftButtonText, GetLeftButtonText, GetRightButtonText},
      {0x5210, GetPairingButtonText, GetPttButtonText, GetPairingButtonText},
      {0x5560, GetMinusButtonText, GetJogDialText, GetPhoneButtonText},
      {0x4D10, GetPhoneButtonText, GetJogDialText, GetPhoneButtonText},
      {0x5521, GetPhoneButtonText, GetJogDialText, GetPhoneButtonText},
      {0, GetPhoneButtonText, GetJogDialText, GetPhoneButtonText},
      {-1, GetPhoneButtonText, GetJogDialText, GetPhoneButtonText},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetPressAndHoldText(c.target, 0),
              "Press and hold the " + c.one(0) + " until this message disappears.")
        << std::hex << c.target;
    EXPECT_EQ(GetPressAndHoldTwoText(c.target, 0),
              "Press and hold the " + c.first(0) + " and " + c.second(0) +
                  " until this message disappears.")
        << std::hex << c.target;
    for (int language = 1; language < kLanguageCount; ++language) {
      const std::string one = GetPressAndHoldText(c.target, language);
      const std::string two = GetPressAndHoldTwoText(c.target, language);
      EXPECT_NE(one.find(c.one(language)), std::string::npos) << one;
      const size_t first = two.find(c.first(language));
      ASSERT_NE(first, std::string::npos) << two;
      EXPECT_NE(two.find(c.second(language), first + c.first(language).size()), std::string::npos)
          << two;
      EXPECT_EQ(one.find('%'), std::string::npos) << one;
      EXPECT_EQ(two.find('%'), std::string::npos) << two;
    }
  }
}

TEST(BackupFailed, FillsItsFiveValuesInOrderAndPointsToTheWebSite) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string message = GetBackupFailedText(language);
    const std::string values[] = {GetPageTitleText(4, language), GetPageTitleText(4, language),
                                  GetFirmwareWordText(language), GetPageTitleText(3, language),
                                  "[" + GetOkText(language) + "]"};
    size_t from = 0;
    for (const std::string& value : values) {
      const size_t at = message.find(value, from);
      ASSERT_NE(at, std::string::npos) << language << " lacks " << value << ": " << message;
      from = at + value.size();
    }
    const std::string languagePath = language == kFrench    ? "/fr"
                                     : language == kGerman  ? "/de"
                                     : language == kSpanish ? "/es"
                                                            : "";
    const size_t address = message.find("www.zelto.com");
    ASSERT_NE(address, std::string::npos) << message;
    const size_t afterHost = address + std::string("www.zelto.com").size();
    EXPECT_EQ(message.substr(afterHost, languagePath.size()), languagePath) << message;
    EXPECT_NE(message[afterHost + languagePath.size()], '/') << message;
    EXPECT_EQ(message.find('%'), std::string::npos) << message;
  }
}

}  // namespace
