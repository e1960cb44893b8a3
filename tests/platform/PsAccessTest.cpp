#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "DfuTestRig.h"
#include "device/PsKeys.h"
#include "platform/dfu/BccmdPdu.h"
#include "platform/dfu/DFUTransport.h"

namespace {

using dfu::CStringListX;
using dfu::DFURequestsUSB;
using dfu::DFUTransportCOM;
using dfu::DFUTransportUSB;

// Opens the transport for a test and closes it again, as every caller does.
class PsAccess : public ::testing::Test {
 protected:
  void SetUp() override { DFUTransportUSB::init(); }
  void TearDown() override { DFUTransportUSB::deinit(); }

  std::string OnlyName() {
    CStringListX names;
    EXPECT_EQ(DFURequestsUSB::EnumerateDevices(names), 1);
    auto position = names.GetHeadPosition();
    return position ? names.GetNext(position) : std::string();
  }

  bool Connect() { return static_cast<bool>(DFURequestsUSB::ConnectDevice(DFUTransportUSB::PathInternal(OnlyName()), transport)); }

  std::vector<uint8_t> Read(uint16_t key, uint16_t bytes, bool* ok = nullptr) {
    std::vector<uint8_t> buffer(bytes, 0xEE);
    uint16_t actual = 0;
    const bool result = static_cast<bool>(transport.BCCMDGetPS(key, buffer.data(), bytes, &actual));
    if (ok) *ok = result;
    return buffer;
  }

  dfutest::HeadsetRig rig;
  DFUTransportCOM transport;
};

std::vector<uint8_t> Pattern(size_t bytes, uint8_t seed) {
  std::vector<uint8_t> value(bytes);
  for (size_t i = 0; i < bytes; ++i) value[i] = static_cast<uint8_t>(seed + i * 13);
  return value;
}

TEST_F(PsAccess, NamesCarryVendorAndProductAfterTheStart) {
  const std::string path = DFUTransportUSB::PathInternal(OnlyName());
  std::string upper = path;
  std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
  const size_t vid = upper.find("VID_");
  ASSERT_NE(vid, std::string::npos);
  EXPECT_GT(vid, 0u);
  EXPECT_EQ(upper.substr(vid + 4, 4), "092B");
  const size_t pid = upper.find("PID_", vid + 4);
  ASSERT_NE(pid, std::string::npos);
  EXPECT_EQ(upper.substr(pid + 4, 4), "4D21");
  // Callers upper-case the path before they connect with it.
  EXPECT_TRUE(DFURequestsUSB::ConnectDevice(upper, transport));
  EXPECT_EQ(dfu::Device::Canonicalise(upper, true), path);
  EXPECT_EQ(dfu::Device::Canonicalise("no path", true), "");
  EXPECT_EQ(DFUTransportUSB::PathInternal("usb#VID_09&PID_4D21#1-2"), "");
}

TEST_F(PsAccess, EveryKeyOfTheTableWritesAndReadsBack) {
  ASSERT_TRUE(Connect());
  EXPECT_EQ(PsKeyTable().size(), 29u);
  uint8_t seed = 1;
  for (const PsKeyInfo& info : PsKeyTable()) {
    // The device name key (256 bytes) is longer than one command carries; it is written shorter.
    const size_t bytes = info.key == PSKEY_DEVICE_NAME ? 40 : info.bytes;
    const auto value = Pattern(bytes, seed++);
    EXPECT_TRUE(transport.BCCMDSetPS(info.key, value.data(), static_cast<uint16_t>(value.size()))) << info.name;
    EXPECT_EQ(rig.headset->Key(info.key), value) << info.name;

    bool ok = false;
    auto read = Read(info.key, info.bytes, &ok);
    EXPECT_TRUE(ok) << info.name;
    auto expected = value;
    expected.resize(info.bytes, 0);
    EXPECT_EQ(read, expected) << info.name;
  }
}

TEST_F(PsAccess, ReadsTheSeededProfileInItsWireLayout) {
  ASSERT_TRUE(Connect());
  EXPECT_EQ(Read(PSKEY_BDADDR, 8), (std::vector<uint8_t>{0x12, 0x00, 0x56, 0x34, 0x9A, 0x00, 0xBC, 0x78}));
  EXPECT_EQ(Read(PSKEY_PRODUCT_ID, 2), (std::vector<uint8_t>{0x21, 0x4D}));
  EXPECT_EQ(Read(PSKEY_FIRMWARE_VERSION, 4), (std::vector<uint8_t>{10, 0, 0, 0}));
  const auto name = Read(PSKEY_DEVICE_NAME, 256);
  EXPECT_STREQ(reinterpret_cast<const char*>(name.data()), "Corvale Headset");
  EXPECT_TRUE(std::all_of(name.begin() + 16, name.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(PsAccess, EveryCommandHasTheNextSequenceNumber) {
  ASSERT_TRUE(Connect());
  Read(PSKEY_PRODUCT_ID, 2);
  Read(PSKEY_FIRMWARE_VERSION, 4);
  const uint8_t zero[2] = {};
  transport.BCCMDSetPS(PSKEY_VOX_PHONE, zero, 2);
  const auto sequences = rig.headset->Sequences();
  ASSERT_EQ(sequences.size(), 5u);  // a size query and a read per key, then the write
  for (size_t i = 1; i < sequences.size(); ++i) EXPECT_EQ(sequences[i], uint16_t(sequences[i - 1] + 1));
}

TEST_F(PsAccess, ForeignEventsAndStaleRepliesArePassedOver) {
  ASSERT_TRUE(Connect());
  // A reply with another sequence number carrying other data, and a non-vendor event.
  std::vector<uint8_t> stale = {0xFF, 19, 0xC2, 1, 0, 9, 0, 0x00, 0x00, 0x03, 0x70, 0, 0,
                                0xA3, 0x02, 1, 0, 0, 0, 0x99, 0x99};
  rig.headset->InjectEventBeforeReply(stale);
  rig.headset->InjectEventBeforeReply({0x0E, 4, 1, 0x00, 0xFC, 0x00});
  bool ok = false;
  EXPECT_EQ(Read(PSKEY_PRODUCT_ID, 2, &ok), (std::vector<uint8_t>{0x21, 0x4D}));
  EXPECT_TRUE(ok);
}

TEST_F(PsAccess, FailedCommandsReportFailureAndChangeNothing) {
  ASSERT_TRUE(Connect());
  rig.headset->FailKeyRead(PSKEY_FIRMWARE_VERSION, dfu::bccmd::kStatusNoAccess);
  bool ok = true;
  Read(PSKEY_FIRMWARE_VERSION, 4, &ok);
  EXPECT_FALSE(ok);
  Read(0x0777, 2, &ok);  // a key the device does not have
  EXPECT_FALSE(ok);

  rig.headset->FailKeyWrite(PSKEY_PRODUCT_ID, dfu::bccmd::kStatusError);
  const uint8_t other[2] = {0x11, 0x50};
  EXPECT_FALSE(transport.BCCMDSetPS(PSKEY_PRODUCT_ID, other, 2));
  EXPECT_EQ(rig.headset->Key(PSKEY_PRODUCT_ID), (std::vector<uint8_t>{0x21, 0x4D}));

  // Longer than one command holds: refused before anything is sent.
  const auto before = rig.headset->Sequences().size();
  const std::vector<uint8_t> name(256, 'a');
  EXPECT_EQ(transport.BCCMDSetPS(PSKEY_DEVICE_NAME, name.data(), 256).GetCode(), dfu::kResultTooLarge);
  EXPECT_EQ(rig.headset->Sequences().size(), before);
}

TEST_F(PsAccess, ATransferFaultAnywhereNeverYieldsWrongData) {
  ASSERT_TRUE(Connect());
  const int clean = [&] {
    const int start = rig.headset->TransferCount();
    Read(PSKEY_BDADDR, 8);
    return rig.headset->TransferCount() - start;
  }();
  const std::vector<uint8_t> address = {0x12, 0x00, 0x56, 0x34, 0x9A, 0x00, 0xBC, 0x78};
  for (int fault : {platform::kUsbStall, platform::kUsbTimeout}) {
    for (int nth = 1; nth <= clean; ++nth) {
      rig.headset->FailTransfer(nth, fault);
      bool ok = false;
      const auto read = Read(PSKEY_BDADDR, 8, &ok);
      if (ok) {
        EXPECT_EQ(read, address) << "fault " << fault << " at transfer " << nth;
      }
      // The channel recovers for the next command.
      EXPECT_EQ(Read(PSKEY_BDADDR, 8, &ok), address);
      EXPECT_TRUE(ok);
    }
  }
}

TEST_F(PsAccess, ConnectFailsForADeviceInDfuModeAndWhileTheTransportIsClosed) {
  const std::string path = DFUTransportUSB::PathInternal(OnlyName());
  DFUTransportUSB::deinit();
  EXPECT_FALSE(DFURequestsUSB::ConnectDevice(path, transport));
  DFUTransportUSB::init();
  ASSERT_TRUE(DFURequestsUSB::ConnectDevice(path, transport));
  DFUTransportUSB::deinit();  // closes the channel under the caller
  EXPECT_FALSE(transport.IsConnected());
  bool ok = true;
  Read(PSKEY_PRODUCT_ID, 2, &ok);
  EXPECT_FALSE(ok);
  DFUTransportUSB::init();

  dfutest::HeadsetRig dfuRig(sim::HeadsetProfile{.startInDfuMode = true});
  const std::string dfuPath = DFUTransportUSB::PathInternal(OnlyName());
  EXPECT_NE(dfuPath.find("PID_CD21"), std::string::npos);
  EXPECT_FALSE(DFURequestsUSB::ConnectDevice(dfuPath, transport));
  EXPECT_FALSE(transport.IsConnected());
}

TEST_F(PsAccess, AGoneDeviceFailsItsCommands) {
  ASSERT_TRUE(Connect());
  rig.headset->Unplug();
  bool ok = true;
  Read(PSKEY_PRODUCT_ID, 2, &ok);
  EXPECT_FALSE(ok);
  EXPECT_FALSE(DFURequestsUSB::ConnectDevice(DFUTransportUSB::PathInternal("usb#VID_092B&PID_4D21#1-2"), transport));
}

}  // namespace
