#include "headset/RadioBatches.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace headset;

TEST(RadioBatches, PatchFromTheBatchAfterEachThreshold) {
  struct Case {
    int target;
    const char* address;
    bool patch;
  };
  const Case cases[] = {
      {0x4D10, "2C9BD1", false},  // the threshold itself
      {0x4D10, "2C9BD2", true},
      {0x4D40, "2C9BD2", true},
      {0x4D20, "2CAF59", false},
      {0x4D50, "2CAF5A", true},
      {0x4D05, "2DD49F", true},
      {0x5050, "2DE43E", false},
      {0x4D85, "2E037F", true},
      {0x6110, "34FD7E", true},
      {0x6120, "358E08", false},
      {0x4D10, "2c9bd2", true},    // hex digits in either case
      {0x4D10, " 2C9BD2", false},  // a blank counts among the six characters: 2C9BD
      {0x4D10, "FFFFFF[00]", true},
      {0x4D21, "FFFFFF", false},   // no threshold: never, whatever the address
      {0x5061, "FFFFFF", false},
      {0x4D10, "", false},         // no address read
      {0x4D10, "XYZ123", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NeedsRadioPatch(c.target, c.address), c.patch) << std::hex << c.target << " " << c.address;
  }
}

TEST(RadioBatches, BatchValueReadsAtMostSixCharactersLikeStrtol) {
  const struct {
    std::string address;
    long value;
  } cases[] = {
      {"123456789", 0x123456},
      {"12G456", 0x12},
      {"  12", 0x12},
      {std::string("12\0" "456", 6), 0x12},
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(BatchValue(c.address), c.value) << c.address;
}

// Which targets and addresses fall in the batches that a rule singles out.
struct BatchCase {
  int target;
  const char* address;
  bool inBatch;
};

TEST(RadioBatches, AlternateModelBatchOnlyForItsTargetAndRange) {
  const BatchCase cases[] = {
      {0x5060, "3323F1", true},  {0x5060, "333584", true},  {0x5060, "333000", true},
      {0x5060, "3323F0", false}, {0x5060, "333585", false}, {0x5061, "3323F1", false},
      {0x5060, "", false},
  };
  for (const BatchCase& c : cases) {
    EXPECT_EQ(IsAlternateModelBatch(c.target, c.address), c.inBatch) << std::hex << c.target << " " << c.address;
  }
}

TEST(RadioBatches, VariantCodeFixOnlyFor4210InItsTwoRanges) {
  const BatchCase cases[] = {
      {0x4210, "2E9057", true},  {0x4210, "2E90BA", true},  {0x4210, "334000", true},
      {0x4210, "333D55", true},  {0x4210, "2E90BB", false}, {0x4210, "334B7E", false},
      {0x4211, "334000", false},
  };
  for (const BatchCase& c : cases) {
    EXPECT_EQ(NeedsVariantCodeFix(c.target, c.address), c.inBatch) << std::hex << c.target << " " << c.address;
  }
}

}  // namespace
