// The HID branch of recognition against simulated HID interfaces: identity and versions of the
// families, the defaults a silent device leaves, and the variant fix of the known batches.
#include <gtest/gtest.h>

#include "device/ModelNames.h"
#include "headset/RecognitionRig.h"
#include "headset/RecognitionStates.h"
#include "headset/hid/HidRecognition.h"
#include "headset/hid/SimHidHeadset.h"

namespace {

using namespace headset;
using namespace headset::hid;
using recogtest::SimHidHeadset;

class HidRecognitionTest : public ::testing::Test {
 protected:
  void Run(int target, const device::CDeviceSettings* toWrite = nullptr) {
    deviceTarget = target;
    OpenHidInterfacesFor(target, first, second);
    RecognizeOverHidChannel(Slots(), {first.get(), second.get()}, toWrite);
  }

  RecognitionSlots Slots() {
    return {deviceTarget, usbStatus, recognized, record, pageCount, pages, pageSel};
  }

  recogtest::Rig rig;
  std::unique_ptr<platform::HidDevice> first;
  std::unique_ptr<platform::HidDevice> second;
  int deviceTarget = 0;
  int usbStatus = 0x1234;
  bool recognized = false;
  device::CDeviceSettings record;
  int pageCount = 0;
  std::array<int, 3> pages{};
  int pageSel = 0;
};

TEST_F(HidRecognitionTest, DualInterfaceDeviceReadsBothInterfacesAndKeepsTheOlderVersion) {
  SimHidHeadset one;
  SimHidHeadset two;
  one.version = {1, 6, 0, 3, 4};
  two.version = {1, 5, 0, 2, 9};
  one.address = {0x00, 0x01, 0xEC, 0x12, 0x34, 0x56};
  two.address = {0x00, 0x01, 0xEC, 0xAB, 0xCD, 0xEF};
  two.params[io::HID_PARAM_DEVICE_NAME] = SimHidHeadset::Text("ABC");
  one.params[io::HID_PARAM_HW_VERSION] = {2, 1};
  one.AttachTo(rig.hid, 0x4310);
  two.AttachTo(rig.hid, 0x4310);

  Run(0x4310);

  EXPECT_EQ(record.m_strDeviceName, "ABC");
  EXPECT_EQ(record.m_anHidVersion1, (std::array<int, 5>{1, 6, 0, 3, 4}));
  EXPECT_EQ(record.m_anHidVersion2, (std::array<int, 5>{1, 5, 0, 2, 9}));
  EXPECT_EQ(record.m_nVersionMajor, 1);
  EXPECT_EQ(record.m_nVersionMinor, 5);
  EXPECT_EQ(record.m_nSecondaryVersion, 2);
  EXPECT_EQ(record.m_nVersionExtra, 9);
  EXPECT_EQ(record.m_strAddressHex, "0001EC123456");
  EXPECT_EQ(record.m_strAddress, "0001EC[123456] _ 0001EC[ABCDEF]");
  EXPECT_EQ(record.m_strHardwareVersion, "   |   H/W v2.1");
  EXPECT_EQ(record.m_nHardwareMajor, 2);
  EXPECT_EQ(record.m_nHardwareMinor, 1);
  EXPECT_EQ(record.m_nProductId, 0x4310);
  EXPECT_EQ(record.m_nManagerVersionMajor, 1);
  EXPECT_TRUE(recognized);
  EXPECT_EQ(usbStatus, 0x4310);
  EXPECT_EQ(deviceTarget, 0x4310);
  EXPECT_EQ(one.Count(io::HID_CMD_READ_PARAM, io::HID_PARAM_DEVICE_NAME), 0) << "the name comes from the second";
}

// The pair's modules answer the version in their own layout (major, minor, secondary, extra); the
// record carries the older of the two.
TEST_F(HidRecognitionTest, PairReadsBothModulesInThePairLayoutAndKeepsTheOlderVersion) {
  const struct {
    std::array<uint8_t, 5> first, second;
    std::array<int, 5> older;
  } cases[] = {
      {{1, 5, 7, 3, 0}, {1, 5, 8, 2, 0}, {1, 5, 2, 7, 3}},
      {{1, 5, 8, 2, 0}, {1, 5, 7, 3, 0}, {1, 5, 2, 7, 3}},
  };
  for (const auto& c : cases) {
    rig.hid.Clear();
    first.reset();
    second.reset();
    SimHidHeadset one;
    SimHidHeadset two;
    one.version = c.first;
    two.version = c.second;
    one.AttachTo(rig.hid, 0x5345);
    two.AttachTo(rig.hid, 0x5346);
    Run(0x5345);
    const auto pairLayout = [](const std::array<uint8_t, 5>& v) { return std::array<int, 5>{v[0], v[1], 2, v[2], v[3]}; };
    EXPECT_EQ(record.m_anHidVersion1, pairLayout(c.first));
    EXPECT_EQ(record.m_anHidVersion2, pairLayout(c.second));
    EXPECT_EQ((std::array<int, 5>{record.m_nVersionMajor, record.m_nVersionMinor, record.m_nSecondaryVersionType,
                                  record.m_nSecondaryVersion, record.m_nVersionExtra}),
              c.older);
  }
}

TEST_F(HidRecognitionTest, NameRepliesWithoutCharactersGiveTheDisplayName) {
  const std::string bad = "\xEF\xBF\xBD";  // U+FFFD
  const std::vector<std::vector<uint16_t>> replies = {
      {}, {0}, {0, 0x41, 0x42, 0x43}, {0, 0xC3, 0xA9, 0x74, 0xE9}, {0, 0x41, 0, 0x42},
      // Overlong forms of '/' in three and four bytes, and a surrogate: each byte is replaced.
      {0, 0xE0, 0x80, 0xAF, 0x41}, {0, 0xF0, 0x80, 0x80, 0xAF}, {0, 0xED, 0xA0, 0x80}};
  const std::vector<std::string> expected = {device::GetModelName(0x5520, false),
                                             device::GetModelName(0x5520, false), "ABC",
                                             "\xC3\xA9t" + bad, "A", bad + bad + bad + "A",
                                             bad + bad + bad + bad, bad + bad + bad};
  for (size_t i = 0; i < replies.size(); ++i) {
    rig.hid.Clear();
    first.reset();
    SimHidHeadset headset;
    headset.params[io::HID_PARAM_DEVICE_NAME] = replies[i];
    headset.AttachTo(rig.hid, 0x5520);
    Run(0x5520);
    EXPECT_EQ(record.m_strDeviceName, expected[i]) << i;
  }
}

TEST_F(HidRecognitionTest, TargetOutsideTheListWithNoInterfaceRecognisesDefaults) {
  record.m_strAddressHex = "kept";
  Run(0x4D10);
  EXPECT_TRUE(recognized);
  EXPECT_EQ(usbStatus, 0x1234);
  EXPECT_EQ(record.m_nProductId, 0x4D10);
  EXPECT_EQ(record.m_strDeviceName, "");
  EXPECT_EQ(record.m_nVersionMajor, 1);
  EXPECT_EQ(record.m_nVersionMinor, 0);
  EXPECT_EQ(record.m_nSecondaryVersionType, 0);
  EXPECT_EQ(record.m_strAddress, "");
  EXPECT_EQ(record.m_strAddressHex, "kept");
}

TEST_F(HidRecognitionTest, FailedAddressOfTheDualFamilyLeavesOnlyTheSecond) {
  SimHidHeadset one;
  SimHidHeadset two;
  one.answersAddress = false;
  two.address = {1, 2, 3, 4, 5, 6};
  one.AttachTo(rig.hid, 0x4510);
  two.AttachTo(rig.hid, 0x4510);
  Run(0x4510);
  EXPECT_EQ(record.m_strAddress, " _ 010203[040506]");
  EXPECT_EQ(record.m_nHardwareMajor, 1);
  EXPECT_EQ(record.m_nHardwareMinor, 0);
}

TEST_F(HidRecognitionTest, VariantCodeOfAKnownBatchIsCorrectedOnBothInterfaces) {
  for (const uint16_t variant : {uint16_t{0}, uint16_t{11}}) {
    rig.hid.Clear();
    first.reset();
    second.reset();
    SimHidHeadset one;
    SimHidHeadset two;
    one.address = {0x00, 0x01, 0xEC, 0x33, 0x40, 0x00};
    one.params[io::HID_PARAM_HW_VARIANT] = {variant};
    one.AttachTo(rig.hid, 0x4210);
    two.AttachTo(rig.hid, 0x4210);
    Run(0x4210);
    const int writes = variant == 11 ? 0 : 1;
    EXPECT_EQ(one.Count(io::HID_CMD_WRITE_PARAM, io::HID_PARAM_HW_VARIANT), writes) << variant;
    EXPECT_EQ(two.Count(io::HID_CMD_WRITE_PARAM, io::HID_PARAM_HW_VARIANT), writes) << variant;
    if (writes) {
      EXPECT_EQ(two.params[io::HID_PARAM_HW_VARIANT], (std::vector<uint16_t>{11}));
    }
  }
}

TEST_F(HidRecognitionTest, ModuleProductReadsTheModuleItSwitchedOn) {
  SimHidHeadset main;
  SimHidHeadset module;
  main.version = {2, 1, 0, 0, 0};
  main.address = {0, 1, 2, 3, 4, 5};
  module.version = {3, 4, 5, 6, 7};
  module.address = {6, 7, 8, 9, 10, 11};
  main.AttachTo(rig.hid, 0x3110);
  module.AttachTo(rig.hid, 0x3120);
  Run(0x3110);
  EXPECT_EQ(main.Count(io::HID_CMD_MODULE_ON, 0), 1);
  EXPECT_EQ(record.m_anHidVersion1, (std::array<int, 5>{2, 1, 0, 0, 0}));
  EXPECT_EQ(record.m_anHidVersion2, (std::array<int, 5>{3, 4, 5, 6, 7}));
  EXPECT_EQ(record.m_nVersionMajor, 2) << "module products keep the first interface's version";
  EXPECT_EQ(record.m_strAddress, "000102[030405] _ 060708[090A0B]");
}

TEST_F(HidRecognitionTest, AbsentModuleIsWaitedForABoundedTime) {
  SimHidHeadset main;
  main.AttachTo(rig.hid, 0x3112);
  const auto before = rig.clock.TickCount();
  Run(0x3112);
  EXPECT_EQ(rig.clock.TickCount() - before, 6000u + 2 * 20 * 1000u);
  EXPECT_EQ(record.m_anHidVersion2, (std::array<int, 5>{1, 0, 0, 0, 0}));
  EXPECT_EQ(record.m_strAddress, "000000[000000] _ ");
}

}  // namespace
