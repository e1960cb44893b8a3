// Saving the basic settings over the vendor HID channel: the identity check before it, the
// requests on the wire, and a failed exchange reported as a failure.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "headset/RecognitionRig.h"
#include "headset/hid/HidSettingsSave.h"
#include "headset/hid/SimHidHeadset.h"

namespace {

using namespace headset::hid;
using recogtest::SimHidHeadset;
using Request = std::pair<uint8_t, uint8_t>;

class HidSettingsSaveTest : public ::testing::Test {
 protected:
  HidHandles Open(SimHidHeadset& one, SimHidHeadset* two = nullptr) {
    first = rig.hid.Open(one.AttachTo(rig.hid, 0x0001));
    if (two) second = rig.hid.Open(two->AttachTo(rig.hid, 0x0002));
    return {first.get(), second.get()};
  }

  static device::CDeviceSettings Record(int product) {
    device::CDeviceSettings record;
    record.m_nProductId = product;
    record.SetDefaults(product, 1, 0);
    record.m_nVersionMajor = 1;
    record.m_nVersionMinor = 0;
    return record;
  }

  recogtest::Rig rig;
  std::unique_ptr<platform::HidDevice> first;
  std::unique_ptr<platform::HidDevice> second;
};

TEST_F(HidSettingsSaveTest, CommitProductWritesThenCommitsEachParameter) {
  SimHidHeadset device;
  const HidHandles handles = Open(device);
  const device::CDeviceSettings record = Record(0x6010);
  device::CDeviceSettings edited = record;
  edited.m_bSidetone = !record.m_bSidetone;
  ASSERT_TRUE(IsRecognisedHidDevice(0x6010, handles, record));
  device.log.clear();
  ASSERT_TRUE(WriteHidBasicSettings(0x6010, handles, edited, record));
  const std::vector<Request> expected = {{io::HID_CMD_WRITE_PARAM, 0x04},
                                         {io::HID_CMD_COMMIT_PARAM, 0x04},
                                         {io::HID_CMD_WRITE_PARAM, 0x14},
                                         {io::HID_CMD_COMMIT_PARAM, 0x14}};
  EXPECT_EQ(device.log, expected);
  EXPECT_EQ(device.params[0x04], (std::vector<uint16_t>{edited.PackFeatureWord(), 0,
                                                         static_cast<uint16_t>(edited.Word(2)), 0}));
}

TEST_F(HidSettingsSaveTest, AnotherVersionOrAMissingInterfaceFails) {
  {
    SimHidHeadset device;
    device.version = {1, 2, 0, 0, 0};
    EXPECT_FALSE(IsRecognisedHidDevice(0x6010, Open(device), Record(0x6010)));
  }
  {
    SimHidHeadset device;
    device.answersVersion = false;  // read as 1.0.0.0
    EXPECT_TRUE(IsRecognisedHidDevice(0x6010, Open(device), Record(0x6010)));
  }
  {
    // The dual-interface family writes on its second interface, which is gone.
    SimHidHeadset device;
    const HidHandles handles = Open(device);
    const device::CDeviceSettings record = Record(0x4310);
    EXPECT_FALSE(WriteHidBasicSettings(0x4310, {handles.first, nullptr}, record, record));
  }
}

// A write the device took but whose commit it refused is a failed save, and nothing after it is sent.
TEST_F(HidSettingsSaveTest, ARefusedCommitFailsTheSave) {
  struct Case {
    int product;
    bool fm;  // the FM page's block, else the basic settings
    uint8_t refused;
    uint8_t neverWritten;  // the parameter that would have followed, 0 when none
  };
  const Case cases[] = {
      {0x6010, false, io::HID_PARAM_FEATURES, io::HID_PARAM_VOX_SENSITIVITY},
      {0x5410, false, io::HID_PARAM_VOX_SENSITIVITY, io::HID_PARAM_SMART_VOLUME},
      {0x5412, true, io::HID_PARAM_FM, 0},
      {0x6010, true, io::HID_PARAM_FM, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.product << (c.fm ? " FM" : " basic"));
    SimHidHeadset device;
    device.refusedCommits = {c.refused};
    const HidHandles handles = Open(device);
    const device::CDeviceSettings record = Record(c.product);
    EXPECT_FALSE(c.fm ? WriteHidFmBlock(c.product, handles, record)
                      : WriteHidBasicSettings(c.product, handles, record, record));
    EXPECT_EQ(device.Count(io::HID_CMD_COMMIT_PARAM, c.refused), 1);
    if (c.neverWritten) {
      EXPECT_EQ(device.Count(io::HID_CMD_WRITE_PARAM, c.neverWritten), 0);
    }
    rig.hid.Clear();
  }
}

// The dual-interface family keeps its settings and FM block behind the second interface and its
// speed dials behind the first.
TEST_F(HidSettingsSaveTest, DualInterfaceFamilyWritesEachBlockToItsInterface) {
  struct Case {
    const char* what;
    bool (*write)(HidHandles, const device::CDeviceSettings&);
    uint8_t param;
    bool second;
  };
  const Case cases[] = {
      {"basic settings",
       [](HidHandles h, const device::CDeviceSettings& s) { return WriteHidBasicSettings(0x4310, h, s, s); },
       io::HID_PARAM_FEATURES, true},
      {"FM block", [](HidHandles h, const device::CDeviceSettings& s) { return WriteHidFmBlock(0x4310, h, s); },
       io::HID_PARAM_FM, true},
      {"speed dials", [](HidHandles h, const device::CDeviceSettings& s) { return WriteHidSpeedDials(0x4310, h, s); },
       io::HID_PARAM_SPEED_DIAL_1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SimHidHeadset one, two;
    const HidHandles handles = Open(one, &two);
    device::CDeviceSettings record = Record(0x4310);
    record.m_nFmRegion = 4;
    ASSERT_TRUE(c.write(handles, record));
    SimHidHeadset& taker = c.second ? two : one;
    SimHidHeadset& other = c.second ? one : two;
    EXPECT_EQ(taker.Count(io::HID_CMD_WRITE_PARAM, c.param), 1);
    EXPECT_TRUE(other.log.empty());
    if (c.param == io::HID_PARAM_FM) {
      const std::vector<uint16_t>& words = taker.params[io::HID_PARAM_FM];
      ASSERT_EQ(words.size(), 15u);
      EXPECT_EQ(words[0], 0x66E9);
      EXPECT_EQ(words[14], 4) << "region last";
      EXPECT_EQ(taker.Count(io::HID_CMD_COMMIT_PARAM, io::HID_PARAM_FM), 0);
    }
    rig.hid.Clear();
  }
}

// A firmware band starts at its version: a device at exactly 1.1, 2.0 or 2.1 gets the newer form.
TEST_F(HidSettingsSaveTest, EachFirmwareBandWritesItsOwnForm) {
  using Writes = std::vector<std::pair<uint8_t, size_t>>;  // parameter, word count
  constexpr uint8_t kFeatures = io::HID_PARAM_FEATURES, kSmartVolume = io::HID_PARAM_SMART_VOLUME,
                    kVox = io::HID_PARAM_VOX_SENSITIVITY, kCamera = io::HID_PARAM_CAMERA,
                    kCameraExtra = io::HID_PARAM_CAMERA_EXTRA;
  struct Case {
    int product;
    int major, minor;
    Writes writes;
  };
  const Case cases[] = {
      {0x5622, 1, 0, {{kFeatures, 2}, {kSmartVolume, 1}}},
      {0x5622, 1, 1, {{kFeatures, 2}, {kSmartVolume, 1}, {kVox, 1}}},
      {0x5623, 1, 0, {{kFeatures, 2}}},
      {0x5623, 1, 1, {{kFeatures, 2}, {kVox, 1}}},
      {0x5510, 1, 9, {{kFeatures, 2}, {kCamera, 2}}},
      {0x5510, 2, 0, {{kFeatures, 2}, {kCamera, 2}, {kCameraExtra, 2}}},
      {0x3110, 2, 0, {{kFeatures, 2}}},
      {0x3110, 2, 1, {{kFeatures, 4}}},
      {0x4210, 1, 0, {{kFeatures, 3}}},
      {0x4210, 1, 1, {{kFeatures, 4}}},
      {0x4210, 1, 2, {{kFeatures, 10}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.product << std::dec << " at " << c.major << '.' << c.minor);
    SimHidHeadset one, two;
    const HidHandles handles = Open(one, &two);
    device::CDeviceSettings record = Record(c.product);
    record.m_nVersionMajor = c.major;
    record.m_nVersionMinor = c.minor;
    ASSERT_TRUE(WriteHidBasicSettings(c.product, handles, record, record));
    // The dual-interface family writes behind its second interface.
    const SimHidHeadset& taker = c.product == 0x4210 ? two : one;
    Writes writes;
    for (const auto& [command, param] : taker.log) {
      if (command == io::HID_CMD_WRITE_PARAM) writes.emplace_back(param, taker.params.at(param).size());
    }
    EXPECT_EQ(writes, c.writes);
    rig.hid.Clear();
  }
}

TEST_F(HidSettingsSaveTest, ShortFmBlockCarriesSixPresetsAndIsCommitted) {
  SimHidHeadset device;
  const HidHandles handles = Open(device);
  device::CDeviceSettings record = Record(0x6010);
  for (int i = 0; i < device::CDeviceSettings::kFmPresetCount; ++i) record.m_anFmPreset[static_cast<size_t>(i)] = 8750 + i;
  record.m_nFmRegion = 2;
  ASSERT_TRUE(HasHidFmPayload(0x6010));
  ASSERT_TRUE(WriteHidFmBlock(0x6010, handles, record));
  const std::vector<uint16_t>& words = device.params[io::HID_PARAM_FM];
  ASSERT_EQ(words.size(), 11u);
  EXPECT_EQ(words[0], 0x56E9);
  EXPECT_EQ(words[3], 8750);
  EXPECT_EQ(words[8], 8755);
  EXPECT_EQ(words[10], 2);
  EXPECT_EQ(device.Count(io::HID_CMD_COMMIT_PARAM, io::HID_PARAM_FM), 1);
}

TEST_F(HidSettingsSaveTest, EmptySpeedDialIsOneZeroWordExceptOnTheDualInterfaceFamily) {
  struct Case {
    int product;
    size_t emptyWords;
  };
  for (const Case c : {Case{0x6010, 1}, Case{0x4310, 0}}) {
    SCOPED_TRACE(c.product);
    SimHidHeadset device;
    const HidHandles handles = Open(device);
    device::CDeviceSettings record = Record(c.product);
    record.m_astrSpeedDial = {"12", "", "+3"};
    ASSERT_TRUE(WriteHidSpeedDials(c.product, handles, record));
    EXPECT_EQ(device.params[0x5A], (std::vector<uint16_t>{'1', '2'}));
    EXPECT_EQ(device.params[0x5B], std::vector<uint16_t>(c.emptyWords, 0));
    EXPECT_EQ(device.params[0x5C], (std::vector<uint16_t>{'+', '3'}));
    rig.hid.Clear();
  }
}

}  // namespace
