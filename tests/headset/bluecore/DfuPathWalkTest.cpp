#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/SettingsPages.h"
#include "device/UsbIdentities.h"
#include "headset/RecognitionRig.h"
#include "headset/RecognitionStates.h"
#include "headset/bluecore/DfuPathWalk.h"
#include "platform/dfu/BccmdPdu.h"

namespace {


using namespace headset;
using namespace headset::bluecore;
using device::ScopedAcceptedUsbIdentities;
using recogtest::PlainUsbDevice;
using recogtest::RelabelledDevice;
using recogtest::Words;

constexpr uint16_t kVendor = 0x092B;

sim::HeadsetProfile Profile(uint16_t productId, uint16_t modelId) {
  sim::HeadsetProfile profile;
  profile.productId = productId;
  profile.modelId = modelId;
  return profile;
}

// One run with the transport's init and deinit counted.
struct WalkRun {
  int state;
  int inits;
  int deinits;
};

WalkRun RunWalk(recogtest::DeviceState& device, const device::CDeviceSettings* toWrite = nullptr) {
  const int inits = dfu::DFUTransportUSB::InitCount();
  const int deinits = dfu::DFUTransportUSB::DeinitCount();
  const int state = RecognizeOverDfu(device.Slots(), toWrite);
  return {state, dfu::DFUTransportUSB::InitCount() - inits, dfu::DFUTransportUSB::DeinitCount() - deinits};
}

struct StateCase {
  const char* what;
  std::vector<device::UsbIdentity> identities;  // empty: the shipped ones
  std::function<void(recogtest::Rig&)> attach;
  int state;
  int target;  // afterwards; the run starts with 0x4D10
  int usbStatus;
  bool recognized;
};

TEST(DfuPathWalk, EveryReachableStateFromTheSimulatedBus) {
  const std::vector<device::UsbIdentity> unprovisioned = {{kVendor, 0x0001}};
  const std::vector<device::UsbIdentity> twoUnits = {{kVendor, 0x5310}, {kVendor, 0xD310}};
  const StateCase cases[] = {
      {"application mode", {}, [](recogtest::Rig& rig) { rig.Attach(); }, RECOGNIZE_OK, 0x4D21, 0x4D21, true},
      {"DFU mode", {}, [](recogtest::Rig& rig) {
         auto profile = Profile(0x4D21, 0x4D21);
         profile.startInDfuMode = true;
         rig.Attach(profile);
       },
       RECOGNIZE_DFU_MODE, 0x4D21, 0xCD21, true},
      {"nothing attached", {}, [](recogtest::Rig&) {}, RECOGNIZE_NO_DEVICE, 0x4D10, 0, false},
      {"counted by the scan, not listed by the library", {},
       [](recogtest::Rig& rig) { rig.bus.Attach("1-3", std::make_shared<PlainUsbDevice>(kVendor, 0x4D21)); },
       RECOGNIZE_NO_DEVICE, 0, 0, false},
      {"another model", {}, [](recogtest::Rig& rig) { rig.Attach(Profile(0x4D21, 0x4D10)); }, RECOGNIZE_OTHER_MODEL,
       0x4D21, 0, false},
      {"unprovisioned identity", unprovisioned, [](recogtest::Rig& rig) { rig.Attach(Profile(0x0001, 0x4D21)); },
       RECOGNIZE_PROVISIONED, 0x4D21, 0, false},
      {"one unit of a two-unit product", twoUnits, [](recogtest::Rig& rig) { rig.Attach(Profile(0x5310, 0x5310)); },
       RECOGNIZE_FEWER_INTERFACES_OBTAINED, 0x5310, 0x5310, true},
      {"a second accepted device the library does not list", {},
       [](recogtest::Rig& rig) {
         rig.Attach();
         rig.bus.Attach("1-3", std::make_shared<PlainUsbDevice>(kVendor, 0x4D21));
       },
       RECOGNIZE_MORE_INTERFACES_OBTAINED, 0x4D21, 0x4D21, true},
      {"two units, the library lists one", twoUnits,
       [](recogtest::Rig& rig) {
         rig.Attach(Profile(0x5310, 0x5310));
         rig.bus.Attach("1-3", std::make_shared<PlainUsbDevice>(kVendor, 0x5310));
       },
       RECOGNIZE_FEWER_INTERFACES_FOUND, 0x5310, 0x5310, true},
      {"two headsets for a one-unit target", {},
       [](recogtest::Rig& rig) {
         rig.Attach({}, "1-2");
         rig.Attach({}, "1-3");
       },
       RECOGNIZE_MORE_INTERFACES_FOUND, 0x4D21, 0x4D21, true},
      {"listed in DFU mode but connects", {},
       [](recogtest::Rig& rig) {
         auto headset = std::make_shared<sim::SimBlueCoreHeadset>();
         rig.bus.Attach("1-2", std::make_shared<RelabelledDevice>(headset, 0xCD21));
       },
       RECOGNIZE_INTERFACE_PROBLEM, 0x4D21, 0xCD21, true},
      {"camera without its card file", {}, [](recogtest::Rig& rig) { rig.Attach(Profile(0x4D21, 0x3020)); },
       RECOGNIZE_CARD_FILE_MISSING, 0x4D21, 0, false},
      {"camera with its card file is then another model", {},
       [](recogtest::Rig& rig) {
         rig.Attach(Profile(0x4D21, 0x3020));
         rig.drives.AddRoot("/media/a");
         rig.drives.AddRoot("/media/b");
         rig.drives.AddFile("/media/b", "thessik.bin");
       },
       RECOGNIZE_OTHER_MODEL, 0x4D21, 0, false},
  };
  for (const StateCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<ScopedAcceptedUsbIdentities> identities;
    if (!c.identities.empty()) identities.emplace(c.identities);
    recogtest::Rig rig;
    c.attach(rig);
    recogtest::DeviceState device;
    device.target = 0x4D10;
    const WalkRun run = RunWalk(device);
    EXPECT_EQ(run.state, c.state);
    EXPECT_EQ(run.inits, 1);
    EXPECT_EQ(run.deinits, 1);
    EXPECT_EQ(device.target, c.target);
    EXPECT_EQ(device.usbStatus, c.usbStatus);
    EXPECT_EQ(device.recognized, c.recognized);
  }
}

TEST(DfuPathWalk, RecordReadFromTheSeededHeadset) {
  recogtest::Rig rig;
  sim::HeadsetProfile profile;
  profile.name = "Rider \xE9";
  profile.firmwareVersion = {0x2A, 0, 3, 1};
  profile.settings = {{PSKEY_FEATURE_FLAGS, Words({0x01FF, 0})},
                      {PSKEY_SPEED_DIAL_2, {'9', 0, '1', 0, '1', 0}}};
  rig.Attach(profile);
  recogtest::DeviceState device;
  device.record.m_strAddressHex = "kept";
  device.record.m_anBasicSetting[0] = 7;
  ASSERT_EQ(RunWalk(device).state, RECOGNIZE_OK);

  const device::CDeviceSettings& r = device.record;
  EXPECT_EQ(r.m_nManagerVersionMajor, 1);
  EXPECT_EQ(r.m_nManagerVersionMinor, 0);
  EXPECT_EQ(r.m_nProductId, 0x4D21);
  EXPECT_EQ(r.m_strAddress, "78BC9A[123456]");
  EXPECT_EQ(r.m_strDeviceName, "Rider \xC3\xA9");
  EXPECT_EQ(r.m_nVersionMajor, 4);
  EXPECT_EQ(r.m_nVersionMinor, 2);
  EXPECT_EQ(r.m_nSecondaryVersionType, 1);
  EXPECT_EQ(r.m_nSecondaryVersion, 3);
  // Model 0x4D21 reads bit 8 of its feature word only.
  EXPECT_TRUE(r.m_bSidetone);
  EXPECT_FALSE(r.m_bHandsfreeVox);
  EXPECT_FALSE(r.m_bPlc);
  EXPECT_EQ(r.m_astrSpeedDial, (std::array<std::string, 3>{"", "911", ""}));
  // What the persistent store does not hold stays as it was.
  EXPECT_EQ(r.m_strAddressHex, "kept");
  EXPECT_EQ(r.m_anBasicSetting[0], 7);

  int count = 0, selected = 0;
  std::array<int, 3> pages{};
  device::GetSettingsPages(0x4D21, 4, 2, count, pages, selected);
  EXPECT_EQ(device.pageCount, count);
  EXPECT_EQ(device.pages, pages);
  EXPECT_EQ(device.pageSel, selected);
}

TEST(DfuPathWalk, WriteBackChangesOnlyTheTargetsKeysAndIsReadBack) {
  recogtest::Rig rig;
  auto headset = rig.Attach();
  const auto before = recogtest::StoredKeys(*headset);
  device::CDeviceSettings toWrite;
  toWrite.m_nVersionMajor = 1;
  toWrite.m_bSidetone = false;
  toWrite.m_astrSpeedDial = {"1", "22", "333"};
  recogtest::DeviceState device;
  ASSERT_EQ(RunWalk(device, &toWrite).state, RECOGNIZE_OK);
  EXPECT_EQ(recogtest::ChangedKeys(before, recogtest::StoredKeys(*headset)),
            (std::vector<uint16_t>{PSKEY_FEATURE_FLAGS, PSKEY_SPEED_DIAL_1, PSKEY_SPEED_DIAL_2, PSKEY_SPEED_DIAL_3}));
  EXPECT_FALSE(device.record.m_bSidetone);
  EXPECT_EQ(device.record.m_astrSpeedDial, toWrite.m_astrSpeedDial);
}

TEST(DfuPathWalk, AWriteBackIsWrittenOnlyWhenTheDeviceTookItAndReadsItBack) {
  device::CDeviceSettings toWrite;
  toWrite.m_nVersionMajor = 1;
  toWrite.m_astrSpeedDial = {"1", "22", "333"};
  struct Case {
    const char* what;
    std::function<void(sim::SimBlueCoreHeadset&)> fault;
    WriteBack result;
  };
  const Case cases[] = {
      {"taken and read back", nullptr, WriteBack::kWritten},
      {"the feature word refused",
       [](auto& headset) { headset.FailKeyWrite(PSKEY_FEATURE_FLAGS, dfu::bccmd::kStatusError); },
       WriteBack::kNotWritten},
      {"a speed dial refused",
       [](auto& headset) { headset.FailKeyWrite(PSKEY_SPEED_DIAL_3, dfu::bccmd::kStatusError); },
       WriteBack::kNotWritten},
      {"a speed dial taken but not kept", [](auto& headset) { headset.DropKeyWrite(PSKEY_SPEED_DIAL_2); },
       WriteBack::kDiffers},
      {"a speed dial taken but not readable",
       [](auto& headset) { headset.FailKeyRead(PSKEY_SPEED_DIAL_1, dfu::bccmd::kStatusError); },
       WriteBack::kDiffers},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    recogtest::Rig rig;
    auto headset = rig.Attach();
    if (c.fault) c.fault(*headset);
    recogtest::DeviceState device;
    WriteBack result = WriteBack::kNone;
    EXPECT_EQ(RecognizeOverDfu(device.Slots(), &toWrite, &result), RECOGNIZE_OK);
    EXPECT_EQ(result, c.result);
  }
  // Without settings to write nothing is owed; without a device in application mode they were
  // not written.
  recogtest::Rig rig;
  recogtest::DeviceState device;
  WriteBack result = WriteBack::kWritten;
  RecognizeOverDfu(device.Slots(), nullptr, &result);
  EXPECT_EQ(result, WriteBack::kNone);
  RecognizeOverDfu(device.Slots(), &toWrite, &result);
  EXPECT_EQ(result, WriteBack::kNotWritten);
  sim::HeadsetProfile inDfuMode;
  inDfuMode.startInDfuMode = true;
  rig.Attach(inDfuMode);
  EXPECT_EQ(RecognizeOverDfu(device.Slots(), &toWrite, &result), RECOGNIZE_DFU_MODE);
  EXPECT_EQ(result, WriteBack::kNotWritten);
}

TEST(DfuPathWalk, RadioPatchOnlyForADeviceWhoseAddressWasRead) {
  ScopedAcceptedUsbIdentities identities({{kVendor, 0x4D10}});
  for (const bool addressReadable : {true, false}) {
    SCOPED_TRACE(addressReadable);
    recogtest::Rig rig;
    auto profile = Profile(0x4D10, 0x4D10);
    profile.lap = 0x2C9BD2;
    auto headset = rig.Attach(profile);
    if (!addressReadable) headset->FailKeyRead(PSKEY_BDADDR, 3);
    recogtest::DeviceState device;
    EXPECT_EQ(RunWalk(device).state, RECOGNIZE_OK);
    EXPECT_EQ(headset->Key(PSKEY_RF_PATCH_FLAG).has_value(), addressReadable);
    EXPECT_EQ(headset->Key(PSKEY_RF_POWER_TABLE).has_value(), addressReadable);
    EXPECT_EQ(device.record.m_strAddress, addressReadable ? "78BC9A[2C9BD2]" : "");
  }
}

TEST(DfuPathWalk, FirmwareVersionFromTheVersionAndLegacyKeys) {
  struct Case {
    const char* what;
    uint16_t model;
    std::optional<std::array<uint8_t, 4>> version;  // nullopt: the read fails
    std::optional<uint8_t> legacy;
    int major, minor, type, sub;
    bool versionCleared;
  };
  const Case cases[] = {
      {"value, type and sub", 0x4D21, std::array<uint8_t, 4>{0x2A, 0, 3, 1}, std::nullopt, 4, 2, 1, 3, false},
      {"no value: the model's first release", 0x4D21, std::array<uint8_t, 4>{0, 0, 3, 1}, std::nullopt, 1, 0, 0, 0,
       false},
      {"unreadable: the model's first release", 0x5061, std::nullopt, std::nullopt, 5, 2, 0, 0, false},
      {"unknown model without value", 0x1234, std::nullopt, std::nullopt, 0, 0, 0, 0, false},
      {"a legacy value replaces the value", 0x4D10, std::array<uint8_t, 4>{0x2A, 0, 3, 1}, 0x1E, 3, 0, 0, 0, true},
      {"3.2 stays whatever the legacy key", 0x4D10, std::array<uint8_t, 4>{0x20, 0, 3, 1}, 0x1E, 3, 2, 0, 0, false},
      {"legacy 3 keeps the value", 0x4D30, std::array<uint8_t, 4>{0x2B, 0, 3, 1}, 3, 4, 3, 0, 0, false},
      {"legacy out of range keeps the value", 0x4D40, std::array<uint8_t, 4>{0x2B, 0, 3, 1}, 0x20, 4, 3, 0, 0,
       false},
      {"unreadable legacy keeps type and sub", 0x4D40, std::array<uint8_t, 4>{0x2B, 0, 3, 1}, std::nullopt, 4, 3, 1,
       3, false},
      {"legacy alone", 0x4D10, std::nullopt, 0x1F, 3, 1, 0, 0, true},
      {"legacy alone, out of range", 0x4D10, std::nullopt, 0x40, 6, 4, 0, 0, false},
      {"neither key", 0x4D30, std::nullopt, std::nullopt, 4, 2, 0, 0, false},
      {"neither key, the other legacy model", 0x4D40, std::nullopt, std::nullopt, 4, 3, 0, 0, false},
      {"neither key, the first model", 0x4D10, std::nullopt, std::nullopt, 3, 0, 0, 0, false},
      {"four-number version", 0x3020, std::array<uint8_t, 4>{4, 3, 2, 1}, std::nullopt, 1, 2, 3, 4, false},
      {"four-number version unreadable", 0x3020, std::nullopt, std::nullopt, 1, 0, 1, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedAcceptedUsbIdentities identities({{kVendor, c.model}});
    recogtest::Rig rig;
    rig.drives.AddRoot("/card");
    rig.drives.AddFile("/card", "thessik.bin");
    auto profile = Profile(c.model, c.model);
    if (c.version) profile.firmwareVersion = *c.version;
    if (c.legacy) profile.settings[PSKEY_LEGACY_VERSION] = {*c.legacy, 0, 0, 0};
    auto headset = rig.Attach(profile);
    if (!c.version) headset->FailKeyRead(PSKEY_FIRMWARE_VERSION, 3);
    recogtest::DeviceState device;
    ASSERT_EQ(RunWalk(device).state, RECOGNIZE_OK);
    EXPECT_EQ(device.record.m_nVersionMajor, c.major);
    EXPECT_EQ(device.record.m_nVersionMinor, c.minor);
    EXPECT_EQ(device.record.m_nSecondaryVersionType, c.type);
    EXPECT_EQ(device.record.m_nSecondaryVersion, c.sub);
    const auto key = headset->Key(PSKEY_FIRMWARE_VERSION);
    EXPECT_EQ(key == Words({0, 0}), c.versionCleared);
  }
}

TEST(DfuPathWalk, IdentityFromTheNameWhenTheModelKeyIsUnreadable) {
  struct Case {
    const char* name;
    bool nameReadable;
    int state;
  };
  // Under target 0x4D21 both fallback models are other models.
  const Case cases[] = {
      {"TQG27 rider", true, RECOGNIZE_OTHER_MODEL},
      {"my VRK38", true, RECOGNIZE_OTHER_MODEL},
      {"whatever", false, RECOGNIZE_OTHER_MODEL},
  };
  for (const Case& c : cases) {
    recogtest::Rig rig;
    sim::HeadsetProfile profile;
    profile.name = c.name;
    auto headset = rig.Attach(profile);
    headset->FailKeyRead(PSKEY_PRODUCT_ID, 3);
    if (!c.nameReadable) headset->FailKeyRead(PSKEY_DEVICE_NAME, 3);
    recogtest::DeviceState device;
    EXPECT_EQ(RunWalk(device).state, c.state) << c.name;
  }
  // An unprovisioned identity takes the model the name tells; an unknown identity is not
  // provisioned.
  ScopedAcceptedUsbIdentities identities({{kVendor, 0x0001}});
  for (const bool named : {true, false}) {
    recogtest::Rig rig;
    sim::HeadsetProfile profile = Profile(0x0001, 0x4D21);
    profile.name = named ? "VRK38" : "plain";
    auto headset = rig.Attach(profile);
    headset->FailKeyRead(PSKEY_PRODUCT_ID, 3);
    recogtest::DeviceState device;
    const WalkRun run = RunWalk(device);
    // The target became the stand-in of the unreadable model (0x4D10); the name may make the
    // model 0x5010, which that target does not accept, but without it nothing is provisioned.
    EXPECT_EQ(device.target, 0x4D10);
    EXPECT_EQ(run.state, named ? RECOGNIZE_OTHER_MODEL : RECOGNIZE_OK);
  }
}

TEST(DfuPathWalk, ProvisioningWritesTheUsbIdentityOfTheModel) {
  ScopedAcceptedUsbIdentities identities({{kVendor, 0x0001}});
  recogtest::Rig rig;
  auto headset = rig.Attach(Profile(0x0001, 0x4D21));
  recogtest::DeviceState device;
  ASSERT_EQ(RunWalk(device).state, RECOGNIZE_PROVISIONED);
  EXPECT_EQ(headset->Key(PSKEY_USB_VENDOR_ID), Words({0x092B}));
  EXPECT_EQ(headset->Key(PSKEY_USB_PRODUCT_ID), Words({0x4D21}));
  EXPECT_EQ(headset->Key(PSKEY_USB_DFU_PRODUCT_ID), Words({0xCD21}));
  for (uint16_t key : {PSKEY_USB_DEVICE_CLASS_CODES, PSKEY_USB_BT_IF_CLASS_CODES, PSKEY_USB_BT_SCO_IF_CLASS_CODES}) {
    EXPECT_EQ(headset->Key(key), Words({0x00FF, 0x0001, 0x0001})) << key;
  }
}

TEST(DfuPathWalk, ADeviceThatRefusesItsNewIdentityIsNotReportedProvisioned) {
  ScopedAcceptedUsbIdentities identities({{kVendor, 0x0001}});
  recogtest::Rig rig;
  auto headset = rig.Attach(Profile(0x0001, 0x4D21));
  headset->FailKeyWrite(PSKEY_USB_DFU_PRODUCT_ID, dfu::bccmd::kStatusError);
  recogtest::DeviceState device;
  EXPECT_EQ(RunWalk(device).state, RECOGNIZE_INTERFACE_PROBLEM);
}

TEST(DfuPathWalk, UnprovisionedDfuIdentityIsNotConnected) {
  ScopedAcceptedUsbIdentities identities({{kVendor, 0xFFFF}});
  recogtest::Rig rig;
  auto headset = std::make_shared<sim::SimBlueCoreHeadset>();
  rig.bus.Attach("1-2", std::make_shared<RelabelledDevice>(headset, 0xFFFF));
  recogtest::DeviceState device;
  EXPECT_EQ(RunWalk(device).state, RECOGNIZE_DFU_MODE);
  EXPECT_TRUE(headset->Sequences().empty());
  EXPECT_EQ(device.usbStatus, 0xFFFF);
}

}  // namespace
