#include "localization/StatusTexts.h"

#include <gtest/gtest.h>

#include <string>

#include "TextChecks.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/TextRow.h"

namespace {

using namespace text;

constexpr int kFrench = 1, kGerman = 2, kJapanese = 4, kKorean = 5, kChinese = 9;
constexpr int kApplicationMode = 0x4D21, kDfuMode = 0xCD21;

bool Contains(const std::string& haystack, const std::string& needle) {
  return haystack.find(needle) != std::string::npos;
}

TEST(PageInstruction, FirmwarePagesWarnOfNoBackupOnlyInDfuMode) {
  struct Case {
    int page;
    int usbStatus;
    int language;
    const char* expected;
  };
  const Case cases[] = {
      {3, kDfuMode, 0, "Ready for FIRMWARE UPDATE. Cannot make backup firmware"},
      {4, kDfuMode, 0, "Ready for FIRMWARE RESTORE. Cannot make backup firmware"},
      {4, 0x8000, 0, "Ready for FIRMWARE RESTORE. Cannot make backup firmware"},
      {3, kApplicationMode, 0, "Ready for FIRMWARE UPDATE"},
      {3, 0, 0, "Ready for FIRMWARE UPDATE"},
      {3, -1, 0, "Ready for FIRMWARE UPDATE"},
      {4, 0x7FFF, 0, "Ready for FIRMWARE RESTORE"},
      {3, kDfuMode, kFrench, "Prêt pour MISE À JOUR. Impossible de sauvegarder le micrologiciel"},
      {4, kApplicationMode, kFrench, "Prêt pour RESTAURATION"},
      {3, kDfuMode, kChinese, "固件更新 已准备就绪。无法备份固件"},
      // The Japanese notice begins with a blank: two blanks after the full stop.
      {4, kDfuMode, kJapanese, "ファームウェア復元の準備完了.  ファームウェアをバックアップできません"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetPageInstructionText(c.page, c.usbStatus, c.language), c.expected)
        << "page " << c.page << " status " << c.usbStatus << " language " << c.language;
  }
}

TEST(PageInstruction, EveryLanguageNamesTitleAndNoticeForFirmwarePages) {
  for (int language = 0; language < kLanguageCount; ++language) {
    for (int page : {3, 4}) {
      const std::string title = GetPageTitleText(page, language);
      const std::string notice = GetCannotMakeBackupText(language);
      const std::string dfu = GetPageInstructionText(page, kDfuMode, language);
      const std::string normal = GetPageInstructionText(page, kApplicationMode, language);
      EXPECT_TRUE(Contains(dfu, title) && Contains(dfu, notice)) << dfu;
      EXPECT_TRUE(Contains(normal, title) && !Contains(normal, notice)) << normal;
      EXPECT_FALSE(Contains(dfu, "%") || Contains(normal, "%")) << language;
    }
  }
}

TEST(PageInstruction, OtherPagesIgnoreTheMode) {
  for (int language = 0; language < kLanguageCount; ++language) {
    for (int page : {1, 2, 5, 6, 7}) {
      EXPECT_EQ(GetPageInstructionText(page, kDfuMode, language),
                GetPageInstructionText(page, 0, language))
          << page;
    }
    EXPECT_EQ(GetPageInstructionText(6, 0, language), GetPageInstructionText(5, 0, language));
  }
  EXPECT_EQ(GetPageInstructionText(2, kDfuMode, 0), "Ready for DEVICE RECOGNITION");
  EXPECT_EQ(GetPageInstructionText(5, kDfuMode, 0), "Ready for DEVICE SETTING");
}

TEST(PageInstruction, SelectionPageNamesTheNextButton) {
  EXPECT_EQ(GetPageInstructionText(1, 0, 0), "Press NEXT to proceed.");
  EXPECT_EQ(GetPageInstructionText(1, kDfuMode, kFrench), "Appuyez sur [SUIVANT] pour continuer.");
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string text = GetPageInstructionText(1, 0, language);
    EXPECT_TRUE(Contains(text, GetNextText(language))) << text;
    EXPECT_FALSE(Contains(text, GetPageTitleText(1, language))) << text;
    EXPECT_FALSE(Contains(text, "%")) << text;
  }
  EXPECT_EQ(GetPageInstructionText(1, 0, kKorean), "다음 버튼을 눌러 계속 진행하십시오.");
}

TEST(PageInstruction, PagesOutsideTheWizardGiveNothing) {
  for (int page : {-1, 0, 8, 1000}) {
    EXPECT_EQ(GetPageInstructionText(page, 0, 0), "");
    EXPECT_EQ(GetPageInstructionText(page, kDfuMode, kGerman), "");
  }
}

TEST(PageSuccess, SelectionFormatPlacesItsArgumentsPerLanguage) {
  const char* expected[kLanguageCount] = {
      "A selected. B", "A choisi. B",   "A gewählt. B",          "A selezionato. B",
      "Aを選択. B",    "A 선택. B",     "A elegido. B",          "A B geselecteerd.",
      "A Выбрано устройство B.",        "A 已选择 B。",          "A valittu. B"};
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(Format(GetPageSuccessText(1, 0, language), "A", "B"), expected[language]) << language;
  }
}

TEST(PageSuccess, RecognitionEndsWithTheNextInstruction) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string headline = GetPageSuccessText(2, kDfuMode, language);
    const std::string ending = language == kChinese ? "。%s" : " %s";
    ASSERT_GE(headline.size(), ending.size());
    EXPECT_EQ(headline.substr(headline.size() - ending.size()), ending) << headline;
  }
  EXPECT_EQ(Format(GetPageSuccessText(2, 0, 0), GetPageInstructionText(3, 0, 0)),
            "Device recognized successfully. Ready for FIRMWARE UPDATE");
}

TEST(PageHeadlines, DoNotDependOnTheMode) {
  for (int language = 0; language < kLanguageCount; ++language) {
    for (int page = -1; page <= 8; ++page) {
      for (int usbStatus : {kApplicationMode, kDfuMode, -1, 0x8000}) {
        EXPECT_EQ(GetPageProgressText(page, usbStatus, language),
                  GetPageProgressText(page, 0, language));
        EXPECT_EQ(GetPageSuccessText(page, usbStatus, language),
                  GetPageSuccessText(page, 0, language));
        EXPECT_EQ(GetPageFailureText(page, usbStatus, language),
                  GetPageFailureText(page, 0, language));
      }
    }
    for (int page : {6, 7}) {
      EXPECT_EQ(GetPageProgressText(page, 0, language), GetPageProgressText(5, 0, language));
      EXPECT_EQ(GetPageSuccessText(page, 0, language), GetPageSuccessText(5, 0, language));
      EXPECT_EQ(GetPageFailureText(page, 0, language), GetPageFailureText(5, 0, language));
    }
  }
}

TEST(FirmwareNotSupported, NamesTheModelTwiceExceptInKorean) {
  const std::string nbsp = "\u00A0";
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string text = GetFirmwareNotSupportedText(language);
    const std::string model = language == kGerman ? "P7E" + nbsp + "ULKA" : "P7E ULKA";
    const size_t expected = language == kKorean ? 0 : 2;
    EXPECT_EQ(testing_text::CountOf(text, model), expected) << language << ": " << text;
    if (language == kKorean) {
      EXPECT_FALSE(Contains(text, "P7E")) << text;
    }
  }
}

}  // namespace
