#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SimHidBus.h"
#include "io/HidInterfaceLookup.h"
#include "io/HidReports.h"

namespace {

using Paths = std::vector<std::string>;

class HidPairTest : public ::testing::Test {
 protected:
  std::string Add(uint16_t product, uint16_t usagePage = 0xFF00) {
    return bus.Add(io::HID_VENDOR_ID, product, usagePage, 1);
  }
  sim::SimHidBus bus;
  platform::HidBus::Scoped useBus{bus};
  std::unique_ptr<platform::HidDevice> first, second;
};

TEST_F(HidPairTest, PathsInEnumerationOrderUpToMax) {
  const std::string dfu = Add(0xD340);
  Add(0x5345, 0x000C);  // not the vendor collection
  const std::string mcu = Add(0x5346);
  const std::string bt = Add(0x5345);
  Add(0x4210);

  EXPECT_EQ(io::FindHidPairPaths(2), (Paths{mcu, bt}));
  EXPECT_EQ(io::FindHidPairPaths(1), (Paths{mcu}));
  EXPECT_EQ(io::FindHidPairOrDfuPaths(2), (Paths{dfu, mcu}));
  EXPECT_EQ(io::FindHidPairOrDfuPaths(5), (Paths{dfu, mcu, bt}));
  EXPECT_TRUE(io::FindHidPairOrDfuPaths(0).empty());
  EXPECT_TRUE(io::FindHidPairPaths(-1).empty());
  EXPECT_EQ(bus.OpenCount(), 0) << "finding opens nothing";
}

TEST_F(HidPairTest, OpenBothOrReportWhichIsMissing) {
  Add(0xD340);
  const std::string bt = Add(0x5345);
  EXPECT_FALSE(io::OpenHidPair(first, second, 2)) << "the DFU interface does not count";
  EXPECT_FALSE(first);
  EXPECT_FALSE(second);
  EXPECT_TRUE(io::OpenHidPairOrDfu(first, second, 2));
  EXPECT_TRUE(first && second);
  EXPECT_TRUE(io::OpenHidPair(first, second, 1));
  EXPECT_TRUE(first);
  EXPECT_FALSE(second) << "reset before the lookup";

  const std::string mcu = Add(0x5346);
  bus.SetOpenFails(mcu, true);
  EXPECT_FALSE(io::OpenHidPair(first, second, 2));
  EXPECT_TRUE(first) << "the one that opened is still the caller's";
  EXPECT_FALSE(second);

  bus.SetOpenFails(mcu, false);
  for (int count : {0, 3}) {
    EXPECT_FALSE(io::OpenHidPair(first, second, count)) << count;
    EXPECT_FALSE(first || second);
  }
  EXPECT_TRUE(io::OpenHidPair(first, second, 2));
}

}  // namespace
