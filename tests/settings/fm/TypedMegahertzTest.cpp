#include "settings/fm/TypedMegahertz.h"

#include <gtest/gtest.h>

#include "localization/CommaLocale.h"

namespace {

using settings::fm::kOutsideEveryBand;
using settings::fm::ParseTypedMegahertz;

TEST(TypedMegahertz, OrdinaryTextRoundsToTheTenthAndJunkLiesOutsideEveryBand) {
  struct Case {
    const char* text;
    int value;
  };
  const Case cases[] = {
      {"95.04", 9500}, {"95.06", 9510}, {"88.25", 8830}, {"99.95", 9990}, {" 87.5 ", 8750}, {"108", 10800},
      {"+99.5", 9950},
      {"1e30", kOutsideEveryBand}, {"abc", kOutsideEveryBand}, {"99999999999", kOutsideEveryBand},
      {"inf", kOutsideEveryBand}, {"nan", kOutsideEveryBand}, {"", kOutsideEveryBand},
      {"95,0", kOutsideEveryBand}, {"95.0x", kOutsideEveryBand},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseTypedMegahertz(c.text), c.value) << c.text;
}

TEST(TypedMegahertz, ADecimalCommaLocaleChangesNothing) {
  testing_text::CommaLocale comma;
  if (!comma.Active()) GTEST_SKIP() << "no decimal-comma locale available";
  EXPECT_EQ(ParseTypedMegahertz("88.25"), 8830);
  EXPECT_EQ(ParseTypedMegahertz("88,25"), kOutsideEveryBand);
}

}  // namespace
