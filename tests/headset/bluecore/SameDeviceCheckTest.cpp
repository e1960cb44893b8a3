#include "headset/bluecore/SameDeviceCheck.h"

#include <gtest/gtest.h>

#include "device/PsKeys.h"
#include "headset/RecognitionRig.h"

namespace {

using headset::bluecore::SameDevice;

// The record recognition left for the default simulated headset: model 0x4D21, firmware 1.0.
device::CDeviceSettings Recognised(int model = 0x4D21, int major = 1, int minor = 0) {
  device::CDeviceSettings record;
  record.m_nProductId = model;
  record.m_nVersionMajor = major;
  record.m_nVersionMinor = minor;
  return record;
}

TEST(SameDeviceCheck, ComparesAttachedDeviceModelAndVersion) {
  struct Case {
    const char* what;
    std::optional<sim::HeadsetProfile> attached;
    SameDevice expected;
    bool held = false;  // listed on the bus, but another program holds it
  };
  sim::HeadsetProfile otherModel;
  otherModel.modelId = 0x4D20;
  sim::HeadsetProfile newerFirmware;
  newerFirmware.firmwareVersion = {11, 0, 0, 0};
  // Key order: byte 0 the version, byte 2 the secondary number, byte 3 its type.
  sim::HeadsetProfile otherType;
  otherType.firmwareVersion = {10, 0, 0, 1};
  sim::HeadsetProfile otherSecondary;
  otherSecondary.firmwareVersion = {10, 0, 1, 0};
  sim::HeadsetProfile emptyVersionKey;
  emptyVersionKey.firmwareVersion = {0, 0, 0, 0};  // reads as the model's default 1.0
  const Case cases[] = {
      {"the recognised headset", sim::HeadsetProfile{}, SameDevice::kPass},
      {"no headset", std::nullopt, SameDevice::kOtherAttached},
      {"another model", otherModel, SameDevice::kOtherModel},
      {"other firmware", newerFirmware, SameDevice::kOtherVersion},
      {"the same version of another type", otherType, SameDevice::kOtherVersion},
      {"the same version with another secondary number", otherSecondary, SameDevice::kOtherVersion},
      {"empty version key", emptyVersionKey, SameDevice::kPass},
      // Its store cannot be asked: nothing says it is the recognised one.
      {"a headset nobody can connect to", sim::HeadsetProfile{}, SameDevice::kOtherModel, true},
  };
  for (const Case& c : cases) {
    recogtest::Rig rig;
    if (c.attached) rig.Attach(*c.attached);
    if (c.held) rig.bus.SetAccess("1-2", platform::DeviceAccess::kBusy);
    EXPECT_EQ(headset::bluecore::CheckSameDevice(0x4D21, 0x4D21, Recognised()), c.expected) << c.what;
  }
  EXPECT_STREQ(headset::bluecore::SameDeviceTag(SameDevice::kOtherVersion), "[9][4]");
}

// Each version byte decodes into major and minor, and both take part in the comparison: every
// pair of 1.1, 2.0 and 2.1 differs in one of them, or in both in opposite directions.
TEST(SameDeviceCheck, AVersionPassesOnlyForItself) {
  struct Version {
    uint8_t stored;  // byte 0 of the version key
    int major, minor;
  };
  const Version versions[] = {{11, 1, 1}, {20, 2, 0}, {21, 2, 1}};
  for (const Version& attached : versions) {
    for (const Version& recognised : versions) {
      recogtest::Rig rig;
      sim::HeadsetProfile profile;
      profile.firmwareVersion = {attached.stored, 0, 0, 0};
      rig.Attach(profile);
      const SameDevice expected = &attached == &recognised ? SameDevice::kPass : SameDevice::kOtherVersion;
      EXPECT_EQ(headset::bluecore::CheckSameDevice(0x4D21, 0x4D21,
                                                   Recognised(0x4D21, recognised.major, recognised.minor)),
                expected)
          << "attached " << int{attached.stored} << ", recognised " << recognised.major << "." << recognised.minor;
    }
  }
}

TEST(SameDeviceCheck, InDfuModeOnlyTheUsbIdentityCounts) {
  recogtest::Rig rig;
  sim::HeadsetProfile profile;
  profile.startInDfuMode = true;
  auto headset = rig.Attach(profile);
  EXPECT_EQ(headset::bluecore::CheckSameDevice(0x4D21, 0xCD21, Recognised(0x4D21, 9, 9)), SameDevice::kPass);
  EXPECT_TRUE(headset->Sequences().empty()) << "the persistent store was not asked";
  // Recognised in application mode, now in DFU mode: not the device that was recognised.
  EXPECT_EQ(headset::bluecore::CheckSameDevice(0x4D21, 0x4D21, Recognised()), SameDevice::kOtherAttached);
}

TEST(SameDeviceCheck, VersionFromKeysAndModelDefaults) {
  using headset::bluecore::VersionFromKeys;
  struct Case {
    int model;
    bool read;
    std::array<uint8_t, 4> key;
    bool legacyRead;
    uint8_t legacy;
    int major, minor, type, sub;
  };
  const Case cases[] = {
      {0x4D21, true, {12, 0, 3, 1}, false, 0, 1, 2, 1, 3},
      {0x4D21, true, {0, 0, 3, 1}, false, 0, 1, 0, 0, 0},
      {0x5061, false, {}, false, 0, 5, 2, 0, 0},
      {0x4D10, false, {}, true, 35, 3, 5, 0, 0},
      {0x4D40, false, {}, false, 0, 4, 3, 0, 0},
      {0x3020, true, {4, 3, 2, 1}, false, 0, 1, 2, 3, 4},
      {0x3020, false, {}, false, 0, 1, 0, 1, 0},
      {0x7777, false, {}, false, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const auto v = VersionFromKeys(c.model, c.read, c.key, c.legacyRead, c.legacy);
    EXPECT_EQ((std::array<int, 4>{v.major, v.minor, v.type, v.sub}), (std::array<int, 4>{c.major, c.minor, c.type, c.sub}))
        << std::hex << c.model;
  }
}

TEST(SameDeviceCheck, OldFirmwareKeysClearedOnlyForTheirTargetsAndChecked) {
  for (const auto& [major, minor, versionCleared] : {std::tuple{3, 2, true}, std::tuple{3, 3, false}}) {
    recogtest::Rig rig;
    auto headset = rig.Attach();
    headset->SetKey(PSKEY_VOX_INTERCOM, {1, 0});
    headset->SetKey(PSKEY_VOX_PHONE, {1, 0});
    ASSERT_TRUE(headset::bluecore::ClearOldFirmwareKeys(0x5010, Recognised(0x5010, major, minor)));
    EXPECT_EQ(headset->Key(PSKEY_VOX_INTERCOM), (std::vector<uint8_t>{0, 0}));
    EXPECT_EQ(headset->Key(PSKEY_VOX_PHONE), (std::vector<uint8_t>{0, 0}));
    EXPECT_EQ(headset->Key(PSKEY_FIRMWARE_VERSION) == (std::vector<uint8_t>{0, 0, 0, 0}), versionCleared);
  }
  recogtest::Rig rig;
  auto headset = rig.Attach();
  headset->SetKey(PSKEY_VOX_PHONE, {1, 0});
  EXPECT_TRUE(headset::bluecore::ClearOldFirmwareKeys(0x4D21, Recognised()));
  EXPECT_EQ(headset->Key(PSKEY_VOX_PHONE), (std::vector<uint8_t>{1, 0})) << "not a target that clears";
}

TEST(SameDeviceCheck, AnyRefusedClearingWriteFailsTheClearing) {
  for (const uint16_t key : {PSKEY_FIRMWARE_VERSION, PSKEY_VOX_INTERCOM, PSKEY_VOX_PHONE}) {
    recogtest::Rig rig;
    auto headset = rig.Attach();
    headset->FailKeyWrite(key, 1);
    EXPECT_FALSE(headset::bluecore::ClearOldFirmwareKeys(0x5010, Recognised(0x5010, 3, 2))) << std::hex << key;
  }
}

}  // namespace
