#include "localization/SelectionPageTexts.h"

#include <gtest/gtest.h>

#include <string>

#include "TextChecks.h"
#include "localization/SharedTexts.h"
#include "localization/TextRow.h"

namespace {

using namespace text;

bool Contains(const std::string& haystack, const std::string& needle) {
  return haystack.find(needle) != std::string::npos;
}

TEST(NewerProgram, OffersTheVersionWithItsBuildAndKeepsTheRunningOne) {
  struct Case {
    int major, minor, build;
    const char* offered;
  };
  const Case cases[] = {
      {1, 0, 3, "v1.0.3"}, {1, 1, 0, "v1.1"}, {2, 0, 0, "v2.0"}, {1, 0, -4, "v1.0"},
      {0, 12, 7, "v0.12.7"},
  };
  for (const Case& c : cases) {
    const std::string english = GetNewerProgramText(c.major, c.minor, c.build, 0);
    EXPECT_TRUE(Contains(english, std::string(" to ") + c.offered + "?\n\n")) << english;
    EXPECT_TRUE(Contains(english, " v1.0 without updating.")) << english;
    for (int language = 0; language < kLanguageCount; ++language) {
      const std::string prompt = GetNewerProgramText(c.major, c.minor, c.build, language);
      EXPECT_TRUE(Contains(prompt, c.offered)) << prompt;
      EXPECT_TRUE(Contains(prompt, "[" + GetYesText(language) + "]")) << prompt;
      EXPECT_TRUE(Contains(prompt, "[" + GetNoText(language) + "]")) << prompt;
      EXPECT_TRUE(Contains(prompt, GetProductNameText(language) + " v1.0")) << prompt;
      EXPECT_EQ(testing_text::CountOf(prompt, GetProductNameText(language)), 3u) << prompt;
      EXPECT_FALSE(Contains(prompt, "%")) << prompt;
    }
  }
}

TEST(UpdateFileFilter, IsTheSameInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(GetUpdateFileFilterText(language), "Manager Update Files(*.exe)|");
  }
}

}  // namespace
