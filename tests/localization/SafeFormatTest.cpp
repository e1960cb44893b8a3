#include "localization/SafeFormat.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "localization/CommaLocale.h"

namespace {

struct Case {
  const char* format;
  std::string expected;
};

TEST(SafeFormat, FillsConversionsWidthsAndFlags) {
  EXPECT_EQ(text::Format("%s. %s", "Device", "Retry"), "Device. Retry");
  EXPECT_EQ(text::Format("%d%%", 42), "42%");
  EXPECT_EQ(text::Format("%04X", 0x4D1), "04D1");
  EXPECT_EQ(text::Format("%02x:%02X", 10, 255), "0a:FF");
  EXPECT_EQ(text::Format("[%5d][%-5d]", -42, 7), "[  -42][7    ]");
  EXPECT_EQ(text::Format("%05d", -42), "-0042");
  EXPECT_EQ(text::Format("[%05s]", "ab"), "[   ab]") << "text is padded with blanks, never zeros";
  EXPECT_EQ(text::Format("%u", -1), "4294967295");
  EXPECT_EQ(text::Format("%ld %lu", 3, 4), "3 4");
  EXPECT_EQ(text::Format("v%d.%d", 4, 10), "v4.10");
}

TEST(SafeFormat, NeverReadsArgumentsItWasNotGiven) {
  const Case cases[] = {
      {"%s and %s", "1 and "},
      {"%d %d %d", "1  "},
      {"%", "%"},
      {"100%", "100%"},
      {"%q%s", "%q1"},
      {"%999999999999d", "                                                               1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::Format(c.format, 1), c.expected) << c.format;
  }
  EXPECT_EQ(text::Format("%s %s"), " ");
}

TEST(SafeFormat, MixedKindsPrintSensibly) {
  EXPECT_EQ(text::Format("%s", 12), "12");
  EXPECT_EQ(text::Format("%d", "x"), "x");
  EXPECT_EQ(text::Format("%s", std::string("\xE6\x97\xA5\xE6\x9C\xAC")), "\xE6\x97\xA5\xE6\x9C\xAC");
}

TEST(SafeFormat, FixedPointRoundsToItsPrecision) {
  const struct {
    const char* format;
    double value;
    std::string expected;
  } cases[] = {
      {"%0.1f MHz", 87.5, "87.5 MHz"}, {"%0.1f", 76.0, "76.0"},   {"%0.1f", 107.9, "107.9"},
      {"%.2f", -0.125, "-0.12"},       {"%6.1f|", 9.96, "  10.0|"}, {"%f", 1.5, "1.500000"},
      {"%.0f", 2.5, "2"},
  };
  for (const auto& c : cases) EXPECT_EQ(text::Format(c.format, c.value), c.expected) << c.format;
  EXPECT_EQ(text::Format("%0.1f", 95), "95.0") << "an integer argument is printed as a real number";
  EXPECT_EQ(text::Format("%d", 95.7), "95") << "and a real one as an integer is cut";
}

TEST(SafeFormat, FixedPointWritesADotUnderADecimalCommaLocale) {
  testing_text::CommaLocale comma;
  if (!comma.Active()) GTEST_SKIP() << "no decimal-comma locale available";
  char printed[16];
  std::snprintf(printed, sizeof printed, "%0.1f", 95.0);
  ASSERT_STREQ(printed, "95,0") << "the locale is in force";
  EXPECT_EQ(text::Format("%0.1f MHz and %0.1f MHz", 76.0, 95.0), "76.0 MHz and 95.0 MHz");
}

}  // namespace
