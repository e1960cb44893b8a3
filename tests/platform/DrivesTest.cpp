#include "platform/Drives.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Drives, RemovableMountPointsFromTheMountTable) {
  const std::string table =
      "/dev/sda2 / ext4 rw,relatime 0 0\n"
      "/dev/sdb1 /media/user/CARD vfat rw 0 0\n"
      "proc /proc proc rw 0 0\n"
      "/dev/sdc1 /media/user/MY\\040DISK exfat rw 0 0\n"
      "/dev/sdd1 /media/odd\\04 vfat rw 0 0\n"
      "broken-line-without-fields\n"
      " /leading-space vfat\n"
      "/dev/sde1";
  const auto removable = [](const std::string& device) { return device != "/dev/sda2" && device != "proc"; };
  EXPECT_EQ(platform::RemovableMountPoints(table, removable),
            (std::vector<std::string>{"/media/user/CARD", "/media/user/MY DISK", "/media/odd\\04"}));
  EXPECT_TRUE(platform::RemovableMountPoints("", removable).empty());
}

}  // namespace
