#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "headset/RadioBatches.h"
#include "headset/bluecore/DfuPathWalk.h"
#include "headset/bluecore/PsKeyPort.h"
#include "platform/Drives.h"

namespace {

using namespace headset;
using namespace headset::bluecore;

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
  EXPECT_EQ(BatchValue("123456789"), 0x123456);
  EXPECT_EQ(BatchValue("12G456"), 0x12);
  EXPECT_EQ(BatchValue("  12"), 0x12);
  EXPECT_EQ(BatchValue(std::string("12\0" "456", 6)), 0x12);
  EXPECT_EQ(BatchValue(""), 0);
}

TEST(RadioBatches, AlternateModelBatchOnlyForItsTargetAndRange) {
  EXPECT_TRUE(IsAlternateModelBatch(0x5060, "3323F1"));
  EXPECT_TRUE(IsAlternateModelBatch(0x5060, "333584"));
  EXPECT_TRUE(IsAlternateModelBatch(0x5060, "333000"));
  EXPECT_FALSE(IsAlternateModelBatch(0x5060, "3323F0"));
  EXPECT_FALSE(IsAlternateModelBatch(0x5060, "333585"));
  EXPECT_FALSE(IsAlternateModelBatch(0x5061, "3323F1"));
  EXPECT_FALSE(IsAlternateModelBatch(0x5060, ""));
}

TEST(RadioBatches, VariantCodeFixOnlyFor4210InItsTwoRanges) {
  EXPECT_TRUE(NeedsVariantCodeFix(0x4210, "2E9057"));
  EXPECT_TRUE(NeedsVariantCodeFix(0x4210, "2E90BA"));
  EXPECT_TRUE(NeedsVariantCodeFix(0x4210, "334000"));
  EXPECT_TRUE(NeedsVariantCodeFix(0x4210, "333D55"));
  EXPECT_FALSE(NeedsVariantCodeFix(0x4210, "2E90BB"));
  EXPECT_FALSE(NeedsVariantCodeFix(0x4210, "334B7E"));
  EXPECT_FALSE(NeedsVariantCodeFix(0x4211, "334000"));
}

TEST(PsKeyFormats, AddressTextsFromTheKeyWords) {
  const std::array<uint8_t, 8> key = {0x12, 0x00, 0x56, 0x34, 0x9A, 0x00, 0xBC, 0x78};
  const AddressTexts texts = FormatAddressTexts(key);
  EXPECT_EQ(texts.display, "78BC9A[123456]");
  EXPECT_EQ(texts.lower, "123456");
  const std::array<uint8_t, 8> low = {0x01, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(FormatAddressTexts(low).display, "000000[01000A]");
}

TEST(PsKeyFormats, DeviceNameEndsAtItsFirstZeroOrAtTheKeyEnd) {
  std::vector<uint8_t> key(256, 'A');
  EXPECT_EQ(DecodeDeviceName(key), std::string(256, 'A'));
  key[5] = 0;
  key[6] = 'B';
  EXPECT_EQ(DecodeDeviceName(key), "AAAAA");
  // 8-bit characters come back as UTF-8.
  const std::vector<uint8_t> latin = {'C', 0xE9, 0xFF, 0};
  EXPECT_EQ(DecodeDeviceName(latin), "C\xC3\xA9\xC3\xBF");
  EXPECT_EQ(DecodeDeviceName({}), "");
}

TEST(DevicePaths, VendorAndProductReadWithinThePath) {
  struct Case {
    const char* path;
    uint16_t vendor;
    uint16_t product;
  };
  const Case cases[] = {
      {"USB#VID_092B&PID_4D21#1-2", 0x092B, 0x4D21},
      {"USB#VID_092B&PID_CD21#3-1.4", 0x092B, 0xCD21},
      {"VID_092B&PID_4D21", 0x0000, 0x4D21},     // a field must not start the path
      {"USB#VID_092B", 0x092B, 0x0000},          // no product
      {"USB#VID_09", 0x0009, 0x0000},            // digits run out with the path
      {"USB#VID_", 0x0000, 0x0000},
      {"USB#PID_4D21&VID_092B", 0x092B, 0x0000},  // the product must follow the vendor
      {"USB#VID_0X2B&PID_12G4", 0x0000, 0x0012},  // reading stops at a non-digit
      {"usb#vid_092b&pid_4d21", 0x0000, 0x0000},  // callers upper-case first
      {"", 0x0000, 0x0000},
  };
  for (const Case& c : cases) {
    const UsbIds ids = ParseDevicePathIds(c.path);
    EXPECT_EQ(ids.vendorId, c.vendor) << c.path;
    EXPECT_EQ(ids.productId, c.product) << c.path;
  }
}

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
