#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "device/OnOffMembers.h"
#include "headset/RecognitionRig.h"
#include "headset/bluecore/PsSettingsTransfer.h"
#include "localization/SafeFormat.h"
#include "platform/dfu/BccmdPdu.h"

namespace {

using namespace headset;
using namespace headset::bluecore;
using device::CDeviceSettings;
using recogtest::ChangedKeys;
using recogtest::StoredKeys;
using recogtest::Words;
using KeyMap = std::map<uint16_t, std::vector<uint8_t>>;

uint16_t OnOffFlags(const CDeviceSettings& record) {
  uint16_t flags = 0;
  for (const device::OnOffMember& m : device::kOnOffMembers) {
    if (record.*m.member) flags |= m.flag;
  }
  return flags;
}

std::vector<uint8_t> SpeedDialKey(const std::string& digits) {
  std::vector<uint8_t> key(40, 0);
  for (size_t i = 0; i < digits.size(); ++i) key[2 * i] = static_cast<uint8_t>(digits[i]);
  return key;
}

const std::vector<uint8_t> kEdrOnPattern(EDR_ON_FEATURES.begin(), EDR_ON_FEATURES.end());
const std::vector<uint8_t> kEdrOffPattern(EDR_OFF_FEATURES.begin(), EDR_OFF_FEATURES.end());

struct Device {
  explicit Device(KeyMap keys) {
    sim::HeadsetProfile profile;
    profile.settings = std::move(keys);
    headset = rig.Attach(profile);
  }
  recogtest::Rig rig;
  std::shared_ptr<sim::SimBlueCoreHeadset> headset;
};

TEST(PsKeyPort, EveryWriteGivesBackTheDevicesAnswer) {
  Device device({});
  device.headset->FailKeyWrite(PSKEY_FM_SETTINGS, dfu::bccmd::kStatusError);
  recogtest::ConnectedHeadset channel;
  ASSERT_TRUE(channel.Connected());
  EXPECT_TRUE(channel.Port().WriteWords(PSKEY_SPEED_DIAL_1, {0x3135}));
  EXPECT_FALSE(channel.Port().WriteWords(PSKEY_FM_SETTINGS, {kFmTag}));
  EXPECT_FALSE(channel.Port().Write(PSKEY_SPEED_DIAL_1, {})) << "an empty key is not sent";
  EXPECT_EQ(device.headset->Key(PSKEY_SPEED_DIAL_1), Words({0x3135}));
}

TEST(PsSettingsRead, EachModelReadsItsOwnSettingsWithFallbacks) {
  using namespace device;
  const KeyMap speedDials = {{PSKEY_SPEED_DIAL_1, SpeedDialKey("5551234")},
                             {PSKEY_SPEED_DIAL_3, SpeedDialKey("+49 30")}};
  const std::array<std::string, 3> read = {"5551234", "", "+49 30"};
  const std::array<std::string, 3> none = {};
  const auto with = [&](KeyMap keys) {
    keys.insert(speedDials.begin(), speedDials.end());
    return keys;
  };
  struct Case {
    const char* what;
    int model, major, minor;
    KeyMap keys;
    uint16_t onOff;
    std::array<std::string, 3> speedDials;
  };
  const Case cases[] = {
      {"0x4D21 without feature key: sidetone by default", 0x4D21, 1, 0, {}, kSidetone, none},
      {"0x4D21 reads bit 8 only", 0x4D21, 1, 0, with({{PSKEY_FEATURE_FLAGS, Words({0x0001, 0})}}), 0, read},
      {"group V 3.2: VOX keys and EDR off pattern", 0x4D10, 3, 2,
       with({{PSKEY_VOX_INTERCOM, Words({1})}, {PSKEY_LOCAL_SUPPORTED_FEATURES, kEdrOffPattern},
             {PSKEY_FEATURE_FLAGS, Words({0x01FF, 0})}}),
       kIntercomVox | kEdrOff, none},
      {"group V 3.2: EDR on pattern, any nonzero VOX word is on", 0x5010, 3, 2,
       {{PSKEY_VOX_PHONE, Words({5})}, {PSKEY_LOCAL_SUPPORTED_FEATURES, kEdrOnPattern}}, kHandsfreeVox, none},
      {"group V 3.2: nothing readable", 0x5020, 3, 2, {}, 0, none},
      {"group V 4.2: bits 0-6, no speed dials", 0x5010, 4, 2, with({{PSKEY_FEATURE_FLAGS, Words({0x07FF, 0})}}),
       0x7F, none},
      {"group V 4.3: speed dials too", 0x5010, 4, 3, with({{PSKEY_FEATURE_FLAGS, Words({0x0105, 0})}}),
       kHandsfreeVox | kEdrOff, read},
      {"group V 4.10 is above 4.2", 0x4D20, 4, 10, with({}), kHandsfreeVox | kPlc | kBitpoolRate | kMicrophoneBoost,
       read},
      {"group V 5.0: bit 8 as well", 0x5060, 5, 0, with({{PSKEY_FEATURE_FLAGS, Words({0x0140, 0})}}),
       kMicrophoneBoost | kSidetone, read},
      {"group W 1.2: bits 0-5, no speed dials", 0x4D05, 1, 2, with({{PSKEY_FEATURE_FLAGS, Words({0x01FF, 0})}}),
       0x3F, none},
      {"group W 1.3 reads its speed dials", 0x4D05, 1, 3, with({{PSKEY_FEATURE_FLAGS, Words({0x0001, 0})}}),
       kHandsfreeVox, read},
      {"group W 2.0: bit 8 as well", 0x4D05, 2, 0, with({{PSKEY_FEATURE_FLAGS, Words({0x0100, 0})}}), kSidetone,
       read},
      {"0x2020 1.0 ignores bit 9", 0x2020, 1, 0, with({{PSKEY_FEATURE_FLAGS, Words({0x0300, 0})}}), kSidetone, read},
      {"0x2020 1.1 reads bit 9", 0x2020, 1, 1, {{PSKEY_FEATURE_FLAGS, Words({0x0300, 0})}},
       kSidetone | kNoiseControlOff, none},
      {"0x6110 defaults for bits 2-6", 0x6110, 1, 0, {}, kPlc | kBitpoolRate | kMicrophoneBoost, none},
      {"0x4120 bits 8-10", 0x4120, 1, 0, {{PSKEY_FEATURE_FLAGS, Words({0x0700, 0})}},
       kSidetone | kNoiseControlOff | kAutoGainControlOff, none},
      {"0x4040 has no speed dials", 0x4040, 1, 0, with({{PSKEY_FEATURE_FLAGS, Words({0x0200, 0})}}),
       kNoiseControlOff, none},
      {"0x6420 bits 0 and 2", 0x6420, 1, 0, {{PSKEY_FEATURE_FLAGS, Words({0xFFFF, 0})}}, kHandsfreeVox | kEdrOff,
       none},
      {"group L bits 0-5", 0x2010, 1, 0, with({{PSKEY_FEATURE_FLAGS, Words({0xFFFF, 0})}}), 0x3F, none},
      {"0x4021 bit 0", 0x4021, 1, 0, {}, kHandsfreeVox, none},
      {"a model without settings reads nothing", 0x3020, 1, 0, with({{PSKEY_FEATURE_FLAGS, Words({0xFFFF, 0})}}),
       0, none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Device device(c.keys);
    recogtest::ConnectedHeadset channel;
    ASSERT_TRUE(channel.Connected());
    CDeviceSettings values;
    values.m_bAutoGainControlOff = true;  // whatever the values held before is cleared
    values.m_astrSpeedDial = {"old", "old", "old"};
    std::string address = "kept";
    const KeyMap before = StoredKeys(*device.headset);
    ReadSettings(channel.Port(), c.model, c.major, c.minor, c.model, address, values);
    EXPECT_EQ(OnOffFlags(values), c.onOff);
    EXPECT_EQ(values.m_astrSpeedDial, c.speedDials);
    EXPECT_EQ(address, "kept");
    EXPECT_EQ(values.m_nFmMagicCode, 0);
    EXPECT_TRUE(ChangedKeys(before, StoredKeys(*device.headset)).empty());
  }
}

TEST(PsSettingsRead, RadioValuesOfModel5210AreClamped) {
  struct Case {
    std::optional<uint16_t> gain, timeoutMs;
    int expectedGain, expectedSeconds;
  };
  const Case cases[] = {
      {13, 2500, 12, 5},         {14, 3000, 15, 3},          {16, 60999, 15, 60}, {17, 61000, 17, 5},
      {0, 0, 12, 5},             {0xFFFF, 30000, 17, 30},    {std::nullopt, std::nullopt, 15, 5},
  };
  for (const Case& c : cases) {
    KeyMap keys;
    if (c.gain) keys[PSKEY_RADIO_TRANSMIT_GAIN] = Words({*c.gain});
    if (c.timeoutMs) keys[PSKEY_AUDIO_CHANNEL_TIMEOUT] = Words({*c.timeoutMs});
    Device device(keys);
    recogtest::ConnectedHeadset channel;
    ASSERT_TRUE(channel.Connected());
    CDeviceSettings values;
    std::string address;
    ReadSettings(channel.Port(), 0x5210, 1, 0, 0x5210, address, values);
    EXPECT_EQ(values.m_nRadioTransmitGain, c.expectedGain) << c.gain.value_or(0);
    EXPECT_EQ(values.m_nAudioChannelTimeout, c.expectedSeconds) << c.timeoutMs.value_or(0);
  }
}

TEST(PsSettingsRead, FmBlockWithABadTagIsSetUpAfresh) {
  Device device({{PSKEY_FM_SETTINGS, Words({0x1234, 8750, 3, 8800, 9000, 0, 0, 0, 0, 0, 0, 0, 10800, 1, 2})}});
  recogtest::ConnectedHeadset channel;
  ASSERT_TRUE(channel.Connected());
  CDeviceSettings values;
  std::string address;
  ReadSettings(channel.Port(), 0x5040, 4, 2, 0x5040, address, values);
  EXPECT_EQ(values.m_nFmMagicCode, kFmTag);
  for (int word = CDeviceSettings::kWordFmRegion; word <= CDeviceSettings::kWordFmRds; ++word) {
    if (word != CDeviceSettings::kWordFmMagicCode) {
      EXPECT_EQ(values.Word(word), 0) << word;
    }
  }
  EXPECT_EQ(device.headset->Key(PSKEY_FM_SETTINGS), Words({kFmTag, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(PsSettingsRead, ValidFmBlockFillsWords32To46AndStaysAsItIs) {
  const auto block = Words({kFmTagAlternative, 8750, 3, 8800, 9000, 9100, 0, 0, 0, 0, 0, 0, 10800, 1, 4});
  Device device({{PSKEY_FM_SETTINGS, block}});
  recogtest::ConnectedHeadset channel;
  ASSERT_TRUE(channel.Connected());
  CDeviceSettings values;
  std::string address;
  ReadSettings(channel.Port(), 0x4D85, 1, 0, 0x4D85, address, values);
  EXPECT_EQ(values.m_nFmMagicCode, kFmTagAlternative);
  EXPECT_EQ(values.m_nFmCurrentFrequency, 8750);
  EXPECT_EQ(values.m_nFmCurrentPreset, 3);
  EXPECT_EQ(values.m_anFmPreset, (std::array<int, 10>{8800, 9000, 9100, 0, 0, 0, 0, 0, 0, 10800}));
  EXPECT_EQ(values.m_bFmRds, 1);
  EXPECT_EQ(values.m_nFmRegion, 4);
  EXPECT_EQ(device.headset->Key(PSKEY_FM_SETTINGS), block);
}

TEST(PsSettingsRead, UnreadableFmBlockIsTakenAsEmptyWithoutWriting) {
  Device device({});
  recogtest::ConnectedHeadset channel;
  ASSERT_TRUE(channel.Connected());
  CDeviceSettings values;
  std::string address;
  ReadSettings(channel.Port(), 0x4D65, 2, 0, 0x4D65, address, values);
  EXPECT_EQ(values.m_nFmMagicCode, kFmTag);
  EXPECT_FALSE(device.headset->Key(PSKEY_FM_SETTINGS).has_value());
}

TEST(PsSettingsRead, Models4D35And4D55TakePowerTableFOutsideThePatchBatches) {
  struct Case {
    int model;
    uint32_t lap;
    bool readable;
    bool tableF;
  };
  const Case cases[] = {
      {0x4D35, 0x2DD49E, true, true},    // the last unpatched batch of target 0x4D05
      {0x4D55, 0x2DD49F, true, false},   // patched batches keep the patch's table
      {0x4D35, 0x2DD49E, false, false},  // no address, no table
      {0x4D05, 0x100000, true, false},   // other models of the group never read it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    sim::HeadsetProfile profile;
    profile.lap = c.lap;
    recogtest::Rig rig;
    auto headset = rig.Attach(profile);
    if (!c.readable) headset->FailKeyRead(PSKEY_BDADDR, 3);
    recogtest::ConnectedHeadset channel;
    ASSERT_TRUE(channel.Connected());
    CDeviceSettings values;
    std::string address = "first";
    ReadSettings(channel.Port(), c.model, 1, 2, 0x4D05, address, values);
    const auto table = headset->Key(PSKEY_RF_POWER_TABLE);
    EXPECT_EQ(table.has_value(), c.tableF);
    if (c.tableF) {
      ASSERT_EQ(table->size(), 60u);
      EXPECT_EQ((*table)[1], 0x2A);
      EXPECT_EQ((*table)[59], 0x10);
    }
    const bool refreshed = c.readable && (c.model == 0x4D35 || c.model == 0x4D55);
    EXPECT_EQ(address, refreshed ? "78BC9A[" + text::Format("%06X", c.lap) + "]" : "first");
  }
}

TEST(PsSettingsWriteBack, EachTargetWritesExactlyItsKeys) {
  const std::vector<uint16_t> speedDials = {PSKEY_SPEED_DIAL_1, PSKEY_SPEED_DIAL_2, PSKEY_SPEED_DIAL_3};
  const auto plus = [](std::vector<uint16_t> a, const std::vector<uint16_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end());
    return a;
  };
  const std::vector<uint16_t> feature = {PSKEY_FEATURE_FLAGS};
  const std::vector<uint16_t> fm = {PSKEY_FM_SETTINGS};
  const std::vector<uint16_t> vox = {PSKEY_VOX_INTERCOM, PSKEY_VOX_PHONE};
  struct Case {
    int target, major, minor;
    std::vector<uint16_t> keys;
  };
  const Case cases[] = {
      {0x4D21, 1, 0, plus(feature, speedDials)},
      {0x4D10, 3, 2, vox},
      {0x5010, 4, 2, feature},
      {0x5010, 4, 3, plus(feature, speedDials)},
      {0x5040, 3, 9, plus(vox, fm)},
      {0x5050, 4, 3, plus(plus(feature, speedDials), fm)},
      {0x4D05, 1, 3, feature},
      {0x4D35, 1, 4, plus(feature, speedDials)},
      {0x4D45, 1, 3, plus(feature, fm)},
      {0x4D85, 1, 0, plus(plus(feature, speedDials), fm)},
      {0x6121, 1, 0, plus(feature, speedDials)},
      {0x4040, 1, 0, feature},
      {0x2210, 1, 0, feature},
      {0x4021, 1, 0, feature},
      {0x5210, 1, 0, {PSKEY_AUDIO_CHANNEL_TIMEOUT, PSKEY_RADIO_TRANSMIT_GAIN}},
      {0x3020, 1, 0, {}},
      {0x5310, 1, 0, {}},
  };
  CDeviceSettings toWrite;
  toWrite.m_bSidetone = true;
  toWrite.m_astrSpeedDial = {"112", "", "0800"};
  toWrite.m_nFmMagicCode = kFmTag;
  toWrite.m_nRadioTransmitGain = 17;
  toWrite.m_nAudioChannelTimeout = 30;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.target << std::dec << " " << c.major << "." << c.minor);
    Device device({});
    recogtest::ConnectedHeadset channel;
    ASSERT_TRUE(channel.Connected());
    const KeyMap before = StoredKeys(*device.headset);
    toWrite.m_nVersionMajor = c.major;
    toWrite.m_nVersionMinor = c.minor;
    WriteBackSettings(channel.Port(), c.target, toWrite);
    auto expected = c.keys;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ChangedKeys(before, StoredKeys(*device.headset)), expected);
  }
}

TEST(PsSettingsWriteBack, ValuesAsTheDeviceStoresThem) {
  Device device({});
  recogtest::ConnectedHeadset channel;
  ASSERT_TRUE(channel.Connected());
  CDeviceSettings toWrite;
  toWrite.m_nVersionMajor = 1;
  toWrite.m_bSidetone = true;
  toWrite.m_bHandsfreeVox = true;
  toWrite.m_astrSpeedDial = {"12", "", "\xC3\xA9"};  // é is stored as one Latin-1 byte
  WriteBackSettings(channel.Port(), 0x4D21, toWrite);
  EXPECT_EQ(device.headset->Key(PSKEY_FEATURE_FLAGS), Words({toWrite.PackFeatureWord(), 0}));
  EXPECT_EQ(toWrite.PackFeatureWord() & 0x0101, 0x0101);
  EXPECT_EQ(device.headset->Key(PSKEY_SPEED_DIAL_1), SpeedDialKey("12"));
  EXPECT_EQ(device.headset->Key(PSKEY_SPEED_DIAL_2), SpeedDialKey(""));
  EXPECT_EQ(device.headset->Key(PSKEY_SPEED_DIAL_3), SpeedDialKey("\xE9"));

  toWrite.m_nRadioTransmitGain = 12;
  toWrite.m_nAudioChannelTimeout = 100;  // more milliseconds than the key holds
  WriteBackSettings(channel.Port(), 0x5210, toWrite);
  EXPECT_EQ(device.headset->Key(PSKEY_RADIO_TRANSMIT_GAIN), Words({12}));
  EXPECT_EQ(device.headset->Key(PSKEY_AUDIO_CHANNEL_TIMEOUT), Words({0xFFFF}));

  toWrite.m_nVersionMajor = 3;
  toWrite.m_nFmMagicCode = kFmTag;
  toWrite.m_nFmCurrentFrequency = 8750;
  toWrite.m_anFmPreset[9] = 10800;
  toWrite.m_bFmRds = 1;
  toWrite.m_nFmRegion = 5;
  WriteBackSettings(channel.Port(), 0x5040, toWrite);
  EXPECT_EQ(device.headset->Key(PSKEY_VOX_PHONE), Words({1}));
  EXPECT_EQ(device.headset->Key(PSKEY_VOX_INTERCOM), Words({0}));
  EXPECT_EQ(device.headset->Key(PSKEY_FM_SETTINGS),
            Words({kFmTag, 8750, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10800, 1, 5}));
}

TEST(RadioPatch, EachTargetRowWritesItsKeysInOrder) {
  struct Case {
    int target;
    std::map<uint16_t, std::vector<uint8_t>> values;  // power table by size and first distinct byte
    size_t tableBytes;
    uint8_t tableByte1;
  };
  const Case cases[] = {
      {0x5050, {{PSKEY_RF_MAX_TX_POWER, Words({0x10})}, {PSKEY_RF_DEFAULT_TX_POWER, Words({0x08})}}, 30, 0x0B},
      {0x4D85,
       {{PSKEY_RF_MAX_TX_POWER, Words({0x08})}, {PSKEY_RF_DEFAULT_TX_POWER, Words({0x08})},
        {PSKEY_RF_MAX_TX_POWER_NO_RSSI, Words({0x08})}, {PSKEY_RF_FREQ_TRIM, Words({0x27})},
        {PSKEY_RF_PATCH_FLAG, Words({1})}, {PSKEY_RF_PATCH_LEVEL, Words({0})}},
       30, 0x0B},
      {0x4D30,
       {{PSKEY_RF_MAX_TX_POWER, Words({0x10})}, {PSKEY_RF_DEFAULT_TX_POWER, Words({0x0C})},
        {PSKEY_RF_MAX_TX_POWER_NO_RSSI, Words({0x10})}, {PSKEY_RF_FREQ_TRIM, Words({0x27})},
        {PSKEY_RF_PATCH_FLAG, Words({1})}, {PSKEY_RF_PATCH_LEVEL, Words({0})}},
       60, 0x16},
      {0x6110,
       {{PSKEY_RF_MAX_TX_POWER, Words({0x0A})}, {PSKEY_RF_DEFAULT_TX_POWER, Words({0x0A})},
        {PSKEY_RF_MAX_TX_POWER_NO_RSSI, Words({0x10})}, {PSKEY_RF_FREQ_TRIM, Words({0x27})},
        {PSKEY_RF_PATCH_FLAG, Words({1})}, {PSKEY_RF_PATCH_LEVEL, Words({0})}},
       50, 0x05},
      {0x6120,
       {{PSKEY_RF_MAX_TX_POWER, Words({0x0A})}, {PSKEY_RF_DEFAULT_TX_POWER, Words({0x0A})},
        {PSKEY_RF_MAX_TX_POWER_NO_RSSI, Words({0x0A})}, {PSKEY_RF_FREQ_TRIM, Words({0x27})},
        {PSKEY_RF_PATCH_FLAG, Words({1})}, {PSKEY_RF_PATCH_LEVEL, Words({0})}},
       38, 0x0F},
      {0x4D21, {}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    Device device({});
    recogtest::ConnectedHeadset channel;
    ASSERT_TRUE(channel.Connected());
    const KeyMap before = StoredKeys(*device.headset);
    ApplyRadioPatch(channel.Port(), c.target);
    KeyMap changed;
    const KeyMap after = StoredKeys(*device.headset);
    for (uint16_t key : ChangedKeys(before, after)) changed[key] = after.at(key);
    if (c.tableBytes == 0) {
      EXPECT_TRUE(changed.empty());
      continue;
    }
    ASSERT_EQ(changed.count(PSKEY_RF_POWER_TABLE), 1u);
    EXPECT_EQ(changed[PSKEY_RF_POWER_TABLE].size(), c.tableBytes);
    EXPECT_EQ(changed[PSKEY_RF_POWER_TABLE][1], c.tableByte1);
    changed.erase(PSKEY_RF_POWER_TABLE);
    EXPECT_EQ(changed, c.values);
  }
}

}  // namespace
