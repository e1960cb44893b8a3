#include "localization/RecognitionPageTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextChecks.h"
#include "localization/MainWindowTexts.h"
#include "localization/SharedTexts.h"
#include "localization/TextRow.h"

namespace {

using namespace text;

constexpr int kFrench = 1, kGerman = 2, kRussian = 8, kChinese = 9;

bool Contains(const std::string& haystack, const std::string& needle) {
  return haystack.find(needle) != std::string::npos;
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> pieces;
  size_t from = 0;
  for (size_t at = text.find(separator); at != std::string::npos;
       at = text.find(separator, from)) {
    pieces.push_back(text.substr(from, at - from));
    from = at + separator.size();
  }
  pieces.push_back(text.substr(from));
  return pieces;
}

// What each line of the preparation list is: S a numbered step, E empty, B a product bullet,
// C its continuation, * a camera bullet, A an address (or a camera bullet's second line).
char LineKind(const std::string& line) {
  if (line.empty()) return 'E';
  if (line.rfind("        ", 0) == 0) return 'A';
  if (line.rfind("      * ", 0) == 0) return '*';
  if (line.rfind("      ", 0) == 0) return 'C';
  if (line.rfind("   - ", 0) == 0) return 'B';
  if (line.size() > 2 && line[0] >= '1' && line[0] <= '3' && line.compare(1, 2, ". ") == 0) return 'S';
  return '?';
}

TEST(PreparationList, EveryLanguageKeepsTheLineStructureAndTheAddresses) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string list = GetPreparationListText(language);
    EXPECT_EQ(testing_text::CountOf(list, "\n"), testing_text::CountOf(list, "\r\n")) << language;
    const std::vector<std::string> lines = Split(list, "\r\n");
    ASSERT_EQ(lines.size(), 30u) << language;
    std::string kinds;
    for (const std::string& line : lines) kinds += LineKind(line);
    EXPECT_EQ(kinds, "SESBCBCBBCBCBCBEBC*A*A*AA*AEES") << language;
    EXPECT_EQ(lines[0].rfind("1. ", 0), 0u) << language;
    EXPECT_EQ(lines[2].rfind("2. ", 0), 0u) << language;
    for (size_t i = 0; i < 27; ++i) {
      EXPECT_EQ(lines[i].empty(), i == 1 || i == 15) << language << " line " << i + 1;
    }
    EXPECT_EQ(lines[19], "        www.zelto.com/product/ostrel-pro/downloads");
    EXPECT_EQ(lines[21], "        www.zelto.com/product/ostrel-zuv-pro/downloads");
    EXPECT_EQ(lines[24], language == kFrench
                             ? "        www.zelto.com/fr/product/thessik-tube/#thessik-tube-downloads"
                             : "        www.zelto.com/product/thessik-tube/#thessik-tube-downloads");
    EXPECT_EQ(lines[26], "        www.zelto.com/category/firmware/thessik-tube-wifi/");
    EXPECT_EQ(lines[27], "");
    EXPECT_EQ(lines[28], "");
    EXPECT_EQ(lines[29], GetPressNextStepText(3, language));
    EXPECT_EQ(testing_text::CountOf(list, "www."), 4u) << language;
  }
}

TEST(OemProducts, FiveLinesEachEndingInALineFeed) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string list = GetOemProductsText(language);
    EXPECT_EQ(testing_text::CountOf(list, "\n"), 5u) << language;
    EXPECT_TRUE(EndsWith(list, "\n")) << language;
    EXPECT_FALSE(Contains(list, "\r")) << language;
    EXPECT_EQ(list.front(), '[') << language;
  }
}

TEST(ConnectSteps, NameTheFamilyAndEndWithTheNextButtonStep) {
  EXPECT_TRUE(EndsWith(GetConnectStepsText(kFrench), "3. Appuyez sur le bouton [SUIVANT >]."));
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string steps = GetConnectStepsText(language);
    EXPECT_EQ(steps.rfind("1. ", 0), 0u) << steps;
    EXPECT_EQ(testing_text::CountOf(steps, "Corvale"), 1u) << steps;
    EXPECT_TRUE(EndsWith(steps, "\n\n\n" + GetPressNextStepText(3, language))) << steps;
    EXPECT_TRUE(Contains(GetPressNextStepText(3, language), "[" + GetNextText(language) + " >]"));
    EXPECT_FALSE(Contains(steps, "%")) << steps;
  }
}

TEST(ProvisioningSteps, VariantChoosesOnlyTheFirstStep) {
  EXPECT_EQ(GetProvisioningStepsText(kDisconnectBluetoothVariant, 0).substr(0, 48),
            "1. Disconnect all Bluetooth devices from PC.\n\n2.");
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string unplug = GetProvisioningStepsText(kUnplugUsbVariant, language);
    const std::string disconnect = GetProvisioningStepsText(kDisconnectBluetoothVariant, language);
    EXPECT_NE(unplug, disconnect) << language;
    const size_t second = unplug.find("\n\n2. ");
    ASSERT_NE(second, std::string::npos) << unplug;
    ASSERT_NE(disconnect.find("\n\n2. "), std::string::npos) << disconnect;
    EXPECT_EQ(unplug.substr(second), disconnect.substr(disconnect.find("\n\n2. "))) << language;
    EXPECT_EQ(testing_text::CountOf(unplug, "Corvale"), 2u) << unplug;
    EXPECT_TRUE(EndsWith(unplug, "\n\n\n" + GetPressNextStepText(4, language))) << unplug;
    for (int otherVariant : {-1, 2, 7}) {
      EXPECT_EQ(GetProvisioningStepsText(otherVariant, language), disconnect) << otherVariant;
    }
  }
}

TEST(InterfaceCounts, LessForTheFewerStatesAndMoreForTheOthers) {
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(GetUsbInterfaceCountText(7, language), GetUsbInterfaceCountText(5, language));
    EXPECT_EQ(GetUsbInterfaceCountText(8, language), GetUsbInterfaceCountText(6, language));
    EXPECT_NE(GetUsbInterfaceCountText(5, language), GetUsbInterfaceCountText(6, language));
    for (bool obtained : {true, false}) {
      EXPECT_EQ(GetInterfaceCountErrorText(obtained, 7, language),
                GetInterfaceCountErrorText(obtained, 5, language));
      EXPECT_EQ(GetInterfaceCountErrorText(obtained, 8, language),
                GetInterfaceCountErrorText(obtained, 6, language));
    }
  }
  EXPECT_EQ(GetUsbInterfaceCountText(6, 0), "more USB interface(s)");
  EXPECT_EQ(GetUsbInterfaceCountText(7, 0), "less USB interface(s)");
}

TEST(InterfaceCounts, ErrorWordsFollowEachLanguagesOrder) {
  struct Case {
    bool obtained;
    int state;
    int language;
    const char* headline;
  };
  const Case cases[] = {
      {false, 8, 0, "USB interface(s) more than expected is(are) found."},
      {true, 5, 0, "USB interface(s) less than expected is(are) obtained."},
      {false, 8, kGerman, "Es wurden mehr USB-Schnittstellen als erwartet gefunden."},
      {true, 7, kGerman, "Es wurden weniger USB-Schnittstellen als erwartet ermittelt."},
      // Russian and Chinese name how the interfaces were counted first.
      {false, 8, kRussian, "Обнаружено больше USB-интерфейсов, чем ожидалось."},
      {true, 5, kRussian, "Получено меньше USB-интерфейсов, чем ожидалось."},
      {false, 6, kChinese, "检测到的 USB 接口多于预期。"},
      {true, 7, kChinese, "获取的 USB 接口少于预期。"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetInterfaceCountErrorText(c.obtained, c.state, c.language),
              std::string(c.headline) + "\n" + GetSendDiagnosticLogText(c.language));
  }
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_NE(GetInterfaceCountErrorText(true, 6, language),
              GetInterfaceCountErrorText(false, 6, language));
  }
}

TEST(DiagnosticAdvice, NamesTheSupportAddressAndTheMenuInEveryMessage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string advice = GetSendDiagnosticLogText(language);
    EXPECT_TRUE(Contains(advice, "(support@zelto.com)") || Contains(advice, "（support@zelto.com）"))
        << advice;
    EXPECT_TRUE(Contains(advice, "[" + GetDiagnosticLogText(language) + "]")) << advice;
    EXPECT_TRUE(EndsWith(advice, "\n")) << advice;
    EXPECT_TRUE(EndsWith(GetUsbInterfaceProblemText(language), "\n" + advice)) << language;
    EXPECT_TRUE(EndsWith(GetOtherDeviceText(language), "\n")) << language;
    EXPECT_TRUE(EndsWith(GetProvisionedText(language), "\n\n%s")) << language;
  }
}

}  // namespace
