// Saving over the persistent store: which devices are written, and what each key holds.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "headset/RecognitionRig.h"
#include "headset/bluecore/BasicSettingsKeys.h"
#include "headset/bluecore/PsSettingsTransfer.h"
#include "headset/bluecore/PsStoreSave.h"

namespace {

using namespace headset::bluecore;
using KeyWrite = std::pair<uint16_t, std::vector<uint8_t>>;

device::CDeviceSettings RecordOf(int product, int major, int minor) {
  device::CDeviceSettings record;
  record.m_nProductId = product;
  record.SetDefaults(product, major, minor);
  record.m_nVersionMajor = major;
  record.m_nVersionMinor = minor;
  return record;
}

struct SaveRun {
  PsSaveResult result;
  int inits;
  int deinits;
  int writeCalls;
};

SaveRun Save(const device::CDeviceSettings& recognised, int usbStatus = 0x4D21,
             device::DefaultVersionLookup defaultVersion = device::DefaultFirmwareVersion) {
  const int inits = dfu::DFUTransportUSB::InitCount();
  const int deinits = dfu::DFUTransportUSB::DeinitCount();
  int calls = 0;
  const PsSaveResult result = SaveOverPersistentStore({recognised.m_nProductId, usbStatus, &recognised, defaultVersion},
                                                      [&](PsKeyPort&) { return ++calls, true; });
  return {result, dfu::DFUTransportUSB::InitCount() - inits, dfu::DFUTransportUSB::DeinitCount() - deinits,
          calls};
}

TEST(PsStoreSave, OnlyARecognisedDeviceThatConnectedCountsAsWritten) {
  {
    recogtest::Rig rig;
    rig.bus.Attach("1-2", std::make_shared<recogtest::PlainUsbDevice>(0x092B, 0x4D21));
    const SaveRun run = Save(RecordOf(0x4D21, 1, 0));
    EXPECT_EQ(run.result, PsSaveResult::kNotReached) << "nothing connected, nothing written";
    EXPECT_EQ(run.writeCalls, 0);
    EXPECT_EQ(run.inits, 1);
    EXPECT_EQ(run.deinits, 1);
  }
  {
    recogtest::Rig rig;
    EXPECT_EQ(Save(RecordOf(0x4D21, 1, 0)).result, PsSaveResult::kNotPresent);
  }
  {
    recogtest::Rig rig;
    rig.Attach();
    EXPECT_EQ(Save(RecordOf(0x4D21, 1, 0), 0xCD21).result, PsSaveResult::kNotPresent) << "USB id since recognition";
  }
  {
    // A version key of zeros: the model's first release stands in.
    recogtest::Rig rig;
    sim::HeadsetProfile profile;
    profile.firmwareVersion = {0, 0, 0, 0};
    rig.Attach(profile);
    const SaveRun run = Save(RecordOf(0x4D21, 1, 0));
    EXPECT_EQ(run.result, PsSaveResult::kWritten);
    EXPECT_EQ(run.writeCalls, 1);
    EXPECT_EQ(run.deinits, 1);
  }
  {
    recogtest::Rig rig;
    rig.Attach();
    rig.Attach({}, "1-3");
    const SaveRun run = Save(RecordOf(0x4D21, 1, 0));
    EXPECT_EQ(run.writeCalls, 1) << "only the first of two headsets";
  }
}

TEST(PsStoreSave, AListedDeviceThatDoesNotConnectIsNotReached) {
  // In DFU mode the library lists it, but it has no command channel to connect to.
  recogtest::Rig rig;
  sim::HeadsetProfile profile;
  profile.startInDfuMode = true;
  rig.Attach(profile);
  const SaveRun run = Save(RecordOf(0x4D21, 1, 0), 0xCD21);
  EXPECT_EQ(run.result, PsSaveResult::kNotReached);
  EXPECT_EQ(run.writeCalls, 0);
  EXPECT_EQ(run.deinits, 1);
}

// The version key holds the release as major * 10 + minor in byte 0, the sub-number in byte 2
// and the type in byte 3; the four-number model keeps major, minor, type and sub-number in bytes
// 3 down to 0.
TEST(PsStoreSave, TheVersionKeysSecondaryBytesAreMatchedInTheirOrder) {
  struct Case {
    int model;
    std::array<uint8_t, 4> key;
    int major, minor, type, secondary;
    PsSaveResult result;
  };
  const Case cases[] = {
      {0x4D21, {12, 0, 5, 2}, 1, 2, 2, 5, PsSaveResult::kWritten},
      {0x4D21, {12, 0, 5, 2}, 1, 2, 5, 2, PsSaveResult::kOtherDevice},
      {0x3020, {7, 3, 2, 1}, 1, 2, 3, 7, PsSaveResult::kWritten},
      {0x3020, {7, 3, 2, 1}, 2, 1, 7, 3, PsSaveResult::kOtherDevice},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.model << std::dec << " " << c.major << "." << c.minor << "."
                                    << c.type << "." << c.secondary);
    recogtest::Rig rig;
    sim::HeadsetProfile profile;
    profile.modelId = static_cast<uint16_t>(c.model);
    profile.firmwareVersion = c.key;
    rig.Attach(profile);
    device::CDeviceSettings record = RecordOf(c.model, c.major, c.minor);
    record.m_nSecondaryVersionType = c.type;
    record.m_nSecondaryVersion = c.secondary;
    EXPECT_EQ(Save(record).result, c.result);
  }
}

TEST(PsStoreSave, TheTwoUnitProductNeedsBothUnitsUnderTheRecognisedUsbId) {
  struct Case {
    const char* what;
    bool secondInDfuMode;
    bool secondAttached;
    PsSaveResult result;
    int writeCalls;
  };
  const Case cases[] = {
      {"both units as recognised", false, true, PsSaveResult::kWritten, 2},
      {"the second unit under another USB id", true, true, PsSaveResult::kNotPresent, 0},
      {"one unit", false, false, PsSaveResult::kNotPresent, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    recogtest::Rig rig;
    sim::HeadsetProfile profile;
    profile.modelId = 0x5310;
    rig.Attach(profile, "1-2");
    profile.startInDfuMode = c.secondInDfuMode;
    if (c.secondAttached) rig.Attach(profile, "1-3");
    const SaveRun run = Save(RecordOf(0x5310, 1, 0));
    EXPECT_EQ(run.result, c.result);
    EXPECT_EQ(run.writeCalls, c.writeCalls);
  }
}

TEST(PsStoreSave, AVersionlessFirstSeriesModelCountsAsItsFirstReleaseOnlyForTheSpeedDials) {
  struct Case {
    int minor;
    device::DefaultVersionLookup lookup;
    PsSaveResult result;
  };
  const Case cases[] = {
      {2, device::DefaultFirmwareVersion, PsSaveResult::kWritten},
      {0, device::DefaultFirmwareVersion, PsSaveResult::kOtherDevice},
      {0, device::SpeedDialSaveDefaultFirmwareVersion, PsSaveResult::kWritten},
      {2, device::SpeedDialSaveDefaultFirmwareVersion, PsSaveResult::kOtherDevice},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.minor);
    recogtest::Rig rig;
    sim::HeadsetProfile profile;
    profile.modelId = 0x4D35;
    profile.firmwareVersion = {0, 0, 0, 0};
    rig.Attach(profile);
    EXPECT_EQ(Save(RecordOf(0x4D35, 1, c.minor), 0x4D21, c.lookup).result, c.result);
  }
}

struct KeyCase {
  const char* what;
  int product;
  int major;
  int minor;
  void (*edit)(device::CDeviceSettings&);
  std::vector<KeyWrite> expected;
};

TEST(PsStoreSave, BasicSettingsGoToTheModelsKeys) {
  const KeyCase cases[] = {
      {"early firmware keeps VOX in its own key", 0x4D10, 3, 0,
       [](device::CDeviceSettings& s) { s.m_bHandsfreeVox = !s.m_bHandsfreeVox; }, {}},
      {"time-out in milliseconds", 0x5210, 1, 0, [](device::CDeviceSettings& s) { s.m_nAudioChannelTimeout = 5; },
       {{0x02AA, {0x88, 0x13}}}},
      {"a time-out past one word saturates", 0x5210, 1, 0,
       [](device::CDeviceSettings& s) { s.m_nAudioChannelTimeout = 70; }, {{0x02AA, {0xFF, 0xFF}}}},
      {"EDR off on a model without other keys", 0x3010, 1, 0, [](device::CDeviceSettings& s) { s.m_bEdrOff = true; },
       {{0x00EF, {0xFF, 0xFE, 0x8F, 0xF8, 0x18, 0x1E, 0x59, 0x83}}}},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.what);
    recogtest::Rig rig;
    auto headset = rig.Attach();
    device::CDeviceSettings device = RecordOf(c.product, c.major, c.minor);
    device.m_nAudioChannelTimeout = 10;
    device.m_bEdrOff = false;
    device::CDeviceSettings edited = device;
    c.edit(edited);
    std::vector<KeyWrite> expected = c.expected;
    if (expected.empty()) expected = {{0x0299, {static_cast<uint8_t>(edited.m_bHandsfreeVox ? 1 : 0), 0}}};
    recogtest::ConnectedHeadset connected;
    ASSERT_TRUE(connected.Connected());
    EXPECT_TRUE(WriteBasicSettingsKeys(connected.Port(), edited, device));
    EXPECT_EQ(headset->KeyWrites(), expected);
  }
}

TEST(PsStoreSave, VoxMovesToTheFeatureWordFromFirmwareFour) {
  recogtest::Rig rig;
  auto headset = rig.Attach();
  device::CDeviceSettings device = RecordOf(0x4D10, 4, 0);
  device::CDeviceSettings edited = device;
  edited.m_bHandsfreeVox = !device.m_bHandsfreeVox;
  recogtest::ConnectedHeadset connected;
  ASSERT_TRUE(connected.Connected());
  EXPECT_TRUE(WriteBasicSettingsKeys(connected.Port(), edited, device));
  const auto writes = headset->KeyWrites();
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(writes[0].first, 0x028E);
}

TEST(PsStoreSave, SpeedDialsGoOutAllThreeAndTheFmBlockUnderItsTag) {
  recogtest::Rig rig;
  auto headset = rig.Attach();
  device::CDeviceSettings record = RecordOf(0x4D15, 1, 2);
  record.m_astrSpeedDial = {"1", "", "2"};
  record.m_nFmRegion = 1;
  recogtest::ConnectedHeadset connected;
  ASSERT_TRUE(connected.Connected());
  ASSERT_TRUE(WriteSpeedDialKeys(connected.Port(), record));
  ASSERT_TRUE(WriteFmBlockKey(connected.Port(), record));
  const auto writes = headset->KeyWrites();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0].first, 0x2280);
  EXPECT_EQ(writes[1], (KeyWrite{0x2281, std::vector<uint8_t>(40, 0)}));
  EXPECT_EQ(writes[2].first, 0x2282);
  EXPECT_EQ(writes[3].first, 0x029F);
  ASSERT_EQ(writes[3].second.size(), 30u);
  EXPECT_EQ(writes[3].second[0], 0xE9);
  EXPECT_EQ(writes[3].second[1], 0x66);
  EXPECT_EQ(writes[3].second[28], 1) << "region last";
}

}  // namespace
