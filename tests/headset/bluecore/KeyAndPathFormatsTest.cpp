#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "headset/bluecore/DfuPathWalk.h"
#include "headset/bluecore/PsKeyPort.h"

namespace {

using namespace headset::bluecore;

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

}  // namespace
