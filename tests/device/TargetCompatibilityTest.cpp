#include <gtest/gtest.h>

#include "device/TargetCompatibility.h"

namespace {

TEST(TargetCompatibility, ATargetAcceptsItselfAndItsVariantsOneWay) {
  EXPECT_TRUE(device::IsTargetCompatible(0x4D21, 0x4D21));
  EXPECT_TRUE(device::IsTargetCompatible(0x4D10, 0x4D40));
  EXPECT_FALSE(device::IsTargetCompatible(0x4D40, 0x4D10));
  EXPECT_TRUE(device::IsTargetCompatible(0x5010, 0x5061));
  EXPECT_FALSE(device::IsTargetCompatible(0x4D21, 0x4D10));
  EXPECT_FALSE(device::IsTargetCompatible(0x4D10, -0x4000));
  EXPECT_FALSE(device::IsTargetCompatible(0x4D10, 0x4D40 + 0x10000));
}

}  // namespace
