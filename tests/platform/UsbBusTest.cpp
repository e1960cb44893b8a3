#include <gtest/gtest.h>

#include "platform/HidBus.h"
#include "platform/UsbBus.h"
#include "platform/usb/UsbDescriptors.h"

namespace {

TEST(LibUsbBus, ListsThisMachinesDevicesWithoutError) {
  // The machine may have no USB at all; whatever it has is listed with a path.
  for (const auto& device : platform::UsbBus::Real().ListDevices()) {
    EXPECT_FALSE(device.path.empty());
    EXPECT_NE(device.productId == 0x4D21 && device.vendorId == 0x092B, true) << "a headset is plugged in";
  }
  EXPECT_EQ(platform::UsbBus::Real().Open({0x092B, 0x4D21, 0, "9-9.9"}), nullptr);
  EXPECT_EQ(platform::UsbBus::Real().Access({0x092B, 0x4D21, 0, "9-9.9"}), platform::DeviceAccess::kGone);
  EXPECT_EQ(platform::HidBus::Real().Access("/dev/hidraw-none"), platform::DeviceAccess::kGone);
}

// Configuration 1: interface 0 (Bluetooth HCI, interrupt IN 0x81 of 16 bytes), interface 1 (DFU
// runtime with its functional descriptor).
const std::vector<uint8_t> kConfig = {
    9, 2, 43, 0, 2, 1, 0, 0x80, 50,              //
    9, 4, 0, 0, 1, 0xE0, 1, 1, 0,                //
    7, 5, 0x81, 3, 16, 0, 1,                     //
    9, 4, 1, 0, 0, 0xFE, 1, 1, 0,                //
    9, 0x21, 0x03, 0x88, 0x13, 0xFF, 0x03, 0x00, 0x01,
};

TEST(UsbDescriptors, ReadsInterfacesEndpointsAndTheDfuFunctionalDescriptor) {
  const auto config = platform::ParseConfigDescriptor(kConfig);
  ASSERT_TRUE(config);
  ASSERT_EQ(config->interfaces.size(), 2u);
  const auto* hci = config->Find(0xE0, 1, 1);
  ASSERT_TRUE(hci);
  ASSERT_EQ(hci->endpoints.size(), 1u);
  EXPECT_EQ(hci->endpoints[0].address, 0x81);
  EXPECT_EQ(hci->endpoints[0].maxPacketSize, 16);
  const auto* runtime = config->Find(0xFE, 1);
  ASSERT_TRUE(runtime);
  EXPECT_EQ(runtime->number, 1);
  ASSERT_TRUE(runtime->dfu);
  EXPECT_EQ(runtime->dfu->attributes, 0x03);
  EXPECT_EQ(runtime->dfu->detachTimeoutMs, 5000);
  EXPECT_EQ(runtime->dfu->transferSize, 1023);
  EXPECT_EQ(runtime->dfu->dfuVersion, 0x0100);
  EXPECT_EQ(config->Find(0xFE, 1, 2), nullptr);
}

TEST(UsbDescriptors, DamagedDescriptorsEndTheWalkWithoutReadingPastThem) {
  auto zeroLength = kConfig;
  zeroLength[18] = 0;  // the endpoint descriptor claims length 0
  auto overrun = kConfig;
  overrun[25] = 40;  // the DFU interface descriptor runs past the end
  auto totalTooLong = kConfig;
  totalTooLong[2] = 200;  // wTotalLength larger than what was read
  auto cut = kConfig;
  cut.resize(34);  // the functional descriptor is missing

  EXPECT_EQ(platform::ParseConfigDescriptor(zeroLength)->interfaces.size(), 1u);
  EXPECT_EQ(platform::ParseConfigDescriptor(overrun)->interfaces.size(), 1u);
  EXPECT_TRUE(platform::ParseConfigDescriptor(totalTooLong)->Find(0xFE, 1));
  ASSERT_EQ(platform::ParseConfigDescriptor(cut)->interfaces.size(), 2u);
  EXPECT_FALSE(platform::ParseConfigDescriptor(cut)->interfaces[1].dfu);
  EXPECT_FALSE(platform::ParseConfigDescriptor(std::vector<uint8_t>{9, 4, 0}));
  EXPECT_FALSE(platform::ParseConfigDescriptor(std::vector<uint8_t>{}));
}

}  // namespace
