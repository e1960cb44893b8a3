// Settings moved over the vendor HID channel during recognition: what a write-back sends, what
// the read gets back, the commit products' loads and commits, and the defaults of failed reads.
#include <gtest/gtest.h>

#include <algorithm>

#include "headset/RecognitionRig.h"
#include "headset/hid/HidSettingsExchange.h"
#include "headset/hid/SimHidHeadset.h"

namespace {

using namespace headset;
using namespace headset::hid;
using recogtest::SimHidHeadset;

class HidSettingsExchangeTest : public ::testing::Test {
 protected:
  HidHandles Open(SimHidHeadset& one, SimHidHeadset* two = nullptr) {
    first = rig.hid.Open(one.AttachTo(rig.hid, 0x0001));
    if (two) second = rig.hid.Open(two->AttachTo(rig.hid, 0x0002));
    return {first.get(), second.get()};
  }

  recogtest::Rig rig;
  std::unique_ptr<platform::HidDevice> first;
  std::unique_ptr<platform::HidDevice> second;
};

TEST_F(HidSettingsExchangeTest, WrittenSettingsOfAFeatureWordProductReadBackTheSame) {
  device::CDeviceSettings written;
  written.m_nProductId = 0x5520;
  written.m_bHandsfreeVox = true;
  written.m_bVoicePromptOff = true;
  written.m_bNoiseControlOff = true;
  written.m_nAudioSourcePriority = 1;
  written.SetWord(14, 4);
  written.m_nFmCurrentFrequency = 9870;
  written.m_anFmPreset[9] = 10110;
  written.m_bFmRds = 1;
  written.m_nFmRegion = 3;
  written.m_astrSpeedDial = {"0123456", "", "+44 20"};
  SimHidHeadset device;
  const HidHandles handles = Open(device);

  WriteHidSettings(0x5520, handles, written);
  EXPECT_EQ(device.params[io::HID_PARAM_FEATURES], (std::vector<uint16_t>{written.PackFeatureWord(), 0}));
  EXPECT_EQ(device.params[io::HID_PARAM_FM][0], 0x66E9);
  EXPECT_EQ(device.params[io::HID_PARAM_SPEED_DIAL_2], (std::vector<uint16_t>{0})) << "empty number as one word";

  device::CDeviceSettings read;
  read.m_nProductId = 0x5520;
  ReadHidSettings(0x5520, handles, read);
  EXPECT_TRUE(read.m_bHandsfreeVox);
  EXPECT_FALSE(read.m_bIntercomVox);
  EXPECT_TRUE(read.m_bVoicePromptOff);
  EXPECT_TRUE(read.m_bNoiseControlOff);
  EXPECT_EQ(read.m_nAudioSourcePriority, 1);
  EXPECT_EQ(read.Word(14), 4);
  EXPECT_EQ(read.m_nFmMagicCode, 0x66E9);
  EXPECT_EQ(read.m_nFmCurrentFrequency, 9870);
  EXPECT_EQ(read.m_anFmPreset[9], 10110);
  EXPECT_EQ(read.m_bFmRds, 1);
  EXPECT_EQ(read.m_nFmRegion, 3);
  EXPECT_EQ(read.m_astrSpeedDial, written.m_astrSpeedDial);
}

TEST_F(HidSettingsExchangeTest, CommitProductLoadsBeforeReadingAndCommitsAfterWriting) {
  device::CDeviceSettings written;
  written.m_nProductId = 0x6010;
  written.SetWord(2, 0x1234);
  SimHidHeadset device;
  const HidHandles handles = Open(device);
  WriteHidSettings(0x6010, handles, written);
  const std::vector<std::pair<uint8_t, uint8_t>> writes(device.log.begin(), device.log.begin() + 6);
  EXPECT_EQ(writes, (std::vector<std::pair<uint8_t, uint8_t>>{{io::HID_CMD_WRITE_PARAM, io::HID_PARAM_FEATURES},
                                                               {io::HID_CMD_COMMIT_PARAM, io::HID_PARAM_FEATURES},
                                                               {io::HID_CMD_WRITE_PARAM, io::HID_PARAM_VOX_SENSITIVITY},
                                                               {io::HID_CMD_COMMIT_PARAM, io::HID_PARAM_VOX_SENSITIVITY},
                                                               {io::HID_CMD_WRITE_PARAM, io::HID_PARAM_FM},
                                                               {io::HID_CMD_COMMIT_PARAM, io::HID_PARAM_FM}}));
  EXPECT_EQ(device.params[io::HID_PARAM_FM].size(), 11u);
  EXPECT_EQ(device.Count(io::HID_CMD_COMMIT_PARAM, io::HID_PARAM_SPEED_DIAL_1), 0);

  device.log.clear();
  device::CDeviceSettings read;
  ReadHidSettings(0x6010, handles, read);
  EXPECT_EQ(device.log.front(), std::make_pair(uint8_t{io::HID_CMD_LOAD_PARAM}, uint8_t{io::HID_PARAM_FEATURES}));
  EXPECT_EQ(read.Word(2), 0x1234);
  EXPECT_EQ(device.Count(io::HID_CMD_LOAD_PARAM, io::HID_PARAM_SPEED_DIAL_3), 1);
}

TEST_F(HidSettingsExchangeTest, SilentCommitProductGetsItsDefaults) {
  SimHidHeadset device;
  const HidHandles handles = Open(device);
  device::CDeviceSettings read;
  read.m_anFmPreset[8] = 777;
  ReadHidSettings(0x6012, handles, read);
  EXPECT_EQ(read.Word(2), 0x68);
  EXPECT_EQ(read.Word(14), 2);
  EXPECT_EQ(device.Count(io::HID_CMD_READ_PARAM, io::HID_PARAM_VOX_SENSITIVITY), 0) << "skipped after a failed read";
  EXPECT_EQ(read.m_nFmMagicCode, 0x56E9);
  EXPECT_EQ(read.m_bFmRds, 1);
  EXPECT_EQ(read.m_anFmPreset[8], 777) << "the short block leaves presets 7 to 10 alone";
  EXPECT_TRUE(read.m_bHandsfreeVox);
  EXPECT_TRUE(read.m_bAudioBoostOff);
  EXPECT_EQ(read.m_bSmartNaviSystem, 0);
}

TEST_F(HidSettingsExchangeTest, DualInterfaceDefaultsFollowTheFirmware) {
  struct Case {
    int major, minor;
    int word2, word3, word4, region;
  };
  const Case cases[] = {{1, 0, 0xEC00, 99, 99, 0}, {1, 1, 0xEC00, 3, 99, 1}, {1, 4, 0xED80, 3, 0, 1},
                        {1, 5, 0xEDA0, 3, 0, 1},   {1, 6, 0xED20, 2, 0, 1}};
  for (const Case& c : cases) {
    SimHidHeadset one;
    SimHidHeadset two;
    const HidHandles handles = Open(one, &two);
    device::CDeviceSettings read;
    read.m_nProductId = 0x4210;
    read.m_nVersionMajor = c.major;
    read.m_nVersionMinor = c.minor;
    read.SetWord(3, 99);
    read.SetWord(4, 99);
    ReadHidSettings(0x4210, handles, read);
    EXPECT_EQ(read.Word(0), 5) << c.minor;
    EXPECT_EQ(read.Word(2), c.word2) << c.minor;
    EXPECT_EQ(read.Word(3), c.word3) << c.minor;
    EXPECT_EQ(read.Word(4), c.word4) << c.minor;
    EXPECT_EQ(read.m_nFmRegion, c.region) << c.minor;
    EXPECT_EQ(read.m_nFmMagicCode, 0x56E9);
    EXPECT_FALSE(read.m_bHandsfreeVox) << "no feature word on this family";
    rig.hid.Clear();
  }
}

TEST_F(HidSettingsExchangeTest, OnlyTheProductsFeatureBitsAreRead) {
  SimHidHeadset device;
  device.params[io::HID_PARAM_FEATURES] = {0xFFFF};
  const HidHandles handles = Open(device);
  device::CDeviceSettings read;
  ReadHidSettings(0x3050, handles, read);
  EXPECT_TRUE(read.m_bVoicePromptOff);
  EXPECT_TRUE(read.m_bNoiseControlOff);
  EXPECT_EQ(read.m_bFmStationGuide, 1);
  EXPECT_FALSE(read.m_bHandsfreeVox);
  EXPECT_EQ(read.m_bAudioBoostOff, 0);
  EXPECT_EQ(read.m_bHdVoice, 0);
}

}  // namespace
