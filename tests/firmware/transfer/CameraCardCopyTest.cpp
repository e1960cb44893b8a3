#include "firmware/transfer/CameraCardCopy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stop_token>

#include "TransferRig.h"
#include "firmware/transfer/UpdateThreadHidCamera.h"
#include "platform/Clock.h"
#include "platform/Drives.h"

namespace {

namespace fs = std::filesystem;
using transfertest::Bytes;
using transfertest::TransferRig;

struct CameraNames {
  int product;
  const char* versionFile;
  const char* temporaryName;
  const char* finalName;
};

const CameraNames kCameras[] = {
    {0x5510, "K4V.VER", "__k4v_firmware__.bin", "FWCARCAM.bin"},
    {0x5580, "k4vpro.bin", "__k4v_pro_firmware__.bin", "SD_K4VPRO.bin"},
    {0x5570, "MISC/version.conf", "__k4v_ulka_firmware__.bin", "AmbaSysFW_K4VULKA.bin"},
    {0x3060, "MISC/version.conf", "__tj6_pro_firmware__.bin", "AmbaSysFW_TJ6Pro.bin"},
};

void WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A camera whose storage status follows what it was told: presenting the card sets it, taking the
// card back clears it. Taking back a card that holds the final file, it applies the file by
// writing its new version into the version file.
struct SimCamera {
  transfertest::SimFlashInterface hid;  // logs every command, refuses on request
  fs::path card;
  CameraNames names{};
  std::string versionAfterApplying;  // empty: the camera applies nothing
  bool keepsCardWhileApplying = false;
  bool losesVersionFile = false;  // the card no longer shows the camera's version file
  int statusesBeforePresenting = 0;  // answered status queries that read 0 whatever the flag
  std::vector<uint8_t> taken;        // the final file as the camera found it
  uint8_t flag = 0;
  bool applying = false;
  int statuses = 0;
  // The storage commands as they arrived, each after the time since the one before: "+2000 on".
  std::string storageTimeline;
  uint32_t lastStorageCommandAt = 0;

  std::vector<uint8_t> Answer(const std::vector<uint8_t>& request) {
    NoteStorageCommand(request[1]);
    std::vector<uint8_t> reply = hid.Answer(request);
    if (reply.empty() || reply[io::HID_REPLY_STATUS] != io::HID_STATUS_OK) return reply;
    switch (request[1]) {
      case io::HID_CMD_STORAGE_MODE_ON:
        flag = applying ? 0 : 1;
        applying = false;
        break;
      case io::HID_CMD_STORAGE_MODE_OFF:
        flag = 0;
        TakeCard();
        break;
      case io::HID_CMD_STORAGE_STATUS:
        reply[io::HID_REPLY_DATA] = ++statuses > statusesBeforePresenting ? flag : 0;
        break;
      default:
        break;
    }
    return reply;
  }

  void NoteStorageCommand(uint8_t command) {
    const char* name = command == io::HID_CMD_STORAGE_MODE_ON    ? "on"
                       : command == io::HID_CMD_STORAGE_MODE_OFF ? "off"
                       : command == io::HID_CMD_STORAGE_STATUS   ? "status"
                                                                 : nullptr;
    if (!name) return;
    const uint32_t now = platform::Clock::Get().TickCount();
    if (!storageTimeline.empty()) storageTimeline += " ";
    if (!storageTimeline.empty() && now != lastStorageCommandAt) {
      storageTimeline += "+" + std::to_string(now - lastStorageCommandAt) + " ";
    }
    storageTimeline += name;
    lastStorageCommandAt = now;
  }

  void TakeCard() {
    const fs::path final = card / names.finalName;
    if (!fs::exists(final) || !taken.empty()) return;
    taken = ReadBytes(final);
    if (!versionAfterApplying.empty()) WriteText(card / names.versionFile, versionAfterApplying);
    if (losesVersionFile) fs::remove(card / names.versionFile);
    applying = keepsCardWhileApplying;
  }
};

const std::vector<uint8_t> kCameraFirmware = Bytes(3000, 7);

// The image's camera firmware is version 2.1.
sim::SimContainerSpec CameraImage(int product, bool withCameraSection = true) {
  sim::SimContainerSpec spec;
  spec.productId = uint32_t(product);
  spec.sections = {{0, 1, Bytes(1020)}, {2, 2, Bytes(4)}};
  if (withCameraSection) spec.sections.push_back({3, 3, kCameraFirmware, 2, 1});
  return spec;
}

// The transfer rig with a camera on the first interface and temporary folders as drives: an
// empty one listed first, then the camera's card.
struct CameraRig {
  TransferRig rig;
  SimCamera camera;
  platform::FakeDrives drives;
  platform::Drives::Scoped drivesScope{drives};
  fs::path otherDrive;
  fs::path laterCard;

  explicit CameraRig(const CameraNames& names, const std::string& cardVersion = "1.9") {
    camera.names = names;
    camera.card = rig.dir / "card";
    otherDrive = rig.dir / "stick";
    fs::create_directories(camera.card);
    fs::create_directories(otherDrive);
    drives.AddRoot(otherDrive.string());
    drives.AddRoot(camera.card.string());
    if (!cardVersion.empty()) WriteText(camera.card / names.versionFile, cardVersion);
    camera.versionAfterApplying = "2.1";
    camera.keepsCardWhileApplying = names.product == 0x5580;
    rig.first = rig.bus.Open(rig.bus.Add(io::HID_VENDOR_ID, uint16_t(names.product), 0xFF00, 1,
                                         [this](const std::vector<uint8_t>& r) { return camera.Answer(r); }));
    rig.WriteImage(CameraImage(names.product));
  }

  void Run(std::stop_token stop = {}) { firmware::UpdateThreadHidCamera(rig.Context(3, camera.names.product), stop); }

  bool OnCard(const char* name) const { return fs::exists(camera.card / name); }
  int Count(uint8_t command) const { return camera.hid.Count(command); }

  // Another camera's card, listed after this one.
  void AddLaterCard() {
    laterCard = rig.dir / "later";
    WriteText(laterCard / camera.names.versionFile, "1.0");
    drives.AddRoot(laterCard.string());
  }

  // Only the first drive holding the version file is ever written.
  void ExpectOtherDrivesUntouched() {
    EXPECT_TRUE(fs::is_empty(otherDrive));
    if (laterCard.empty()) return;
    int laterFiles = 0;
    for (const auto& entry : fs::recursive_directory_iterator(laterCard)) laterFiles += entry.is_regular_file();
    EXPECT_EQ(laterFiles, 1);
  }

  void ExpectWentAhead() {
    EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_NONE) << rig.EnglishMessage();
    EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
    EXPECT_FALSE(rig.job.m_bFinished);
    // Only the first two sections travel over HID.
    EXPECT_EQ(camera.hid.ChunkCounts(), (std::vector<uint16_t>{1019, 1, 4}));
    EXPECT_EQ(rig.secondSide.Count(io::HID_CMD_BEGIN_SECTION), 0);
  }
};

TEST(CameraCardCopy, TheSameVersionCopiesNothingAndGoesAhead) {
  for (const CameraNames& names : kCameras) {
    SCOPED_TRACE(testing::Message() << std::hex << names.product);
    CameraRig c(names, "2.\n1\n");
    WriteText(c.camera.card / names.temporaryName, "left over");
    c.Run();
    c.ExpectWentAhead();
    EXPECT_FALSE(c.OnCard(names.temporaryName));
    EXPECT_FALSE(c.OnCard(names.finalName));
    EXPECT_EQ(c.Count(io::HID_CMD_STORAGE_MODE_ON), 1);
    EXPECT_EQ(c.Count(io::HID_CMD_STORAGE_MODE_OFF), 1);
  }
}

TEST(CameraCardCopy, ANewVersionIsCopiedUnderItsFinalNameAndAppliedBeforeTheHidSections) {
  // A newer camera version than the image's is replaced too.
  for (const char* cardVersion : {"1.9", "3.0"}) {
    for (const CameraNames& names : kCameras) {
      SCOPED_TRACE(testing::Message() << std::hex << names.product << " from " << cardVersion);
      CameraRig c(names, cardVersion);
      c.AddLaterCard();
      c.Run();
      c.ExpectWentAhead();
      EXPECT_EQ(c.camera.taken, kCameraFirmware);
      EXPECT_EQ(ReadBytes(c.camera.card / names.finalName), kCameraFirmware);
      EXPECT_FALSE(c.OnCard(names.temporaryName));
      c.ExpectOtherDrivesUntouched();
      // 0x5580 takes its card back and presents it once more after applying; the others do not.
      const int cycles = names.product == 0x5580 ? 3 : 2;
      EXPECT_EQ(c.Count(io::HID_CMD_STORAGE_MODE_ON), cycles);
      EXPECT_EQ(c.Count(io::HID_CMD_STORAGE_MODE_OFF), cycles);
    }
  }
}

TEST(CameraCardCopy, TheCameraGetsItsPausesBetweenTheStorageCommands) {
  // From the camera's switch-on: the card goes to the PC, the file is copied and the card goes
  // back; the camera takes the card to apply the file and presents it again (0x5580 cycles it
  // once more); the version is read 2 s after the card shows up, 3 s before the card goes back
  // for good, and that poll waits 3 s of its own.
  struct Case {
    const CameraNames& names;
    std::string timeline;
  };
  const Case cases[] = {
      {kCameras[0], "on status +13000 status off +2000 status on +23000 status off +1000 status"},
      {kCameras[1],
       "on status +13000 status off +2000 status on +45000 status off +10000 status +5000 on +18000 status off "
       "+1000 status"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << k.names.product);
    CameraRig c(k.names);
    c.Run();
    c.ExpectWentAhead();
    EXPECT_EQ(c.camera.storageTimeline, k.timeline);
  }
}

TEST(CameraCardCopy, AFailedStatusExchangeIsAnotherAttemptNeverTheAnswer) {
  // The sixth status exchange fails while the camera has not presented its card yet.
  struct Case {
    int statusesBeforePresenting;
    bool wentAhead;
  };
  for (const Case& k : {Case{8, true}, Case{1000, false}}) {
    SCOPED_TRACE(k.statusesBeforePresenting);
    CameraRig c(kCameras[0]);
    c.camera.hid.refuseAt[io::HID_CMD_STORAGE_STATUS] = 6;
    c.camera.statusesBeforePresenting = k.statusesBeforePresenting;
    c.Run();
    if (k.wentAhead) {
      c.ExpectWentAhead();
      EXPECT_EQ(c.camera.taken, kCameraFirmware);
    } else {
      EXPECT_EQ(c.rig.EnglishMessage(), "Failed to update firmware. Cannot get status [4][1]. Try again.");
      EXPECT_EQ(c.Count(io::HID_CMD_STORAGE_STATUS), 30);
      EXPECT_FALSE(c.OnCard(kCameras[0].finalName));
    }
  }
}

TEST(CameraCardCopy, FailuresTellWhereAndLeaveNoFirmwareFileBehind) {
  const CameraNames& names = kCameras[2];  // its version file lies in a folder
  struct Case {
    const char* what;
    std::function<void(CameraRig&)> arrange;
    std::string message;
    bool finalLeft = false;  // the camera took the file and failed on its own
    bool archived = true;
  };
  const std::string headline = "Failed to update firmware. ";
  const Case cases[] = {
      {"storage mode refused", [](CameraRig& c) { c.camera.hid.refuseAt[io::HID_CMD_STORAGE_MODE_ON] = 1; },
       headline + "Cannot get status [1][0]. Try again."},
      {"no card holds the version file", [&](CameraRig& c) { fs::remove(c.camera.card / names.versionFile); },
       headline + "Check your SD Card."},
      {"a final file already on the card",
       [&](CameraRig& c) { WriteText(c.camera.card / names.finalName, "an earlier copy"); },
       headline + "Camera firmware update failed [2][1]. Try again."},
      // Without a copy the camera keeps its version: the failure its check would end in, at once.
      {"the temporary file cannot be created",
       [&](CameraRig& c) { WriteText(c.camera.card / names.temporaryName / "blocker", ""); },
       headline + "Camera firmware update failed [2][2]. Try again."},
      {"the card is gone when the copy starts",
       [&](CameraRig& c) {
         // Poll A's pause has passed: the first scan has read the version file.
         c.rig.clock.onSleep = [&c, &names] {
           if (c.rig.clock.slept > 10000) fs::remove(c.camera.card / names.versionFile);
         };
       },
       headline + "Camera firmware update failed [2][2]. Try again."},
      {"the card fills up", [](CameraRig& c) { c.drives.SetCardFaults({.room = 1000}); },
       headline + "Cannot get status [2][0]. Try again."},
      {"the card fails its flush", [](CameraRig& c) { c.drives.SetCardFaults({.syncFails = true}); },
       headline + "Cannot get status [2][0]. Try again."},
      {"the card gives back other bytes", [](CameraRig& c) { c.drives.SetCardFaults({.altersBytes = true}); },
       headline + "Cannot get status [2][10]. Try again."},
      // The file may be whole: the camera may still take it, so it stays.
      {"the copy cannot be opened to read it back",
       [](CameraRig& c) { c.drives.SetCardFaults({.openToReadFails = true}); },
       headline + "Cannot get status [2][9]. Try again.", true},
      {"the camera does not take its card back",
       [](CameraRig& c) { c.camera.hid.refuseAt[io::HID_CMD_STORAGE_MODE_OFF] = 1; },
       headline + "Cannot get status [0][0]. Try again."},
      {"the camera keeps its old version", [](CameraRig& c) { c.camera.versionAfterApplying.clear(); },
       headline + "Camera firmware update failed [2][2]. Try again.", true},
      {"the camera reports a newer version than the image's",
       [](CameraRig& c) { c.camera.versionAfterApplying = "3.0"; },
       headline + "Camera firmware update failed [2][2]. Try again.", true},
      {"the card never shows the version file again", [&](CameraRig& c) { c.camera.losesVersionFile = true; },
       headline + "Camera firmware update failed [2][3]. Try again.", true},
      {"an image without the camera firmware",
       [](CameraRig& c) { c.rig.WriteImage(CameraImage(names.product, /*withCameraSection=*/false)); },
       headline + "Firmware corrupted", false, /*archived=*/false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    CameraRig c(names);
    k.arrange(c);
    c.Run();
    EXPECT_EQ(c.rig.EnglishMessage(), k.message);
    EXPECT_EQ(c.rig.job.m_nError, firmware::JOB_ERROR_FAILED);
    EXPECT_TRUE(c.rig.job.m_bFinished);
    EXPECT_EQ(c.rig.armCalls, 0);
    EXPECT_EQ(c.Count(io::HID_CMD_BEGIN_SECTION), 0);
    EXPECT_EQ(c.rig.archiveCalls, k.archived ? 1 : 0);
    if (!k.archived) {
      EXPECT_TRUE(c.camera.hid.log.empty());
    }
    EXPECT_EQ(c.OnCard(names.finalName), k.finalLeft);
    EXPECT_FALSE(c.OnCard(names.temporaryName) && fs::is_regular_file(c.camera.card / names.temporaryName));
    c.ExpectOtherDrivesUntouched();
  }
}

TEST(CameraCardCopy, AStopRequestEndsTheWaitsAtOnce) {
  CameraRig c(kCameras[1]);
  c.camera.statusesBeforePresenting = 1000;
  std::stop_source stop;
  c.rig.clock.onSleep = [&] { stop.request_stop(); };
  c.Run(stop.get_token());
  EXPECT_TRUE(c.rig.job.m_bFinished);
  EXPECT_EQ(c.rig.job.m_nError, firmware::JOB_ERROR_FAILED);
  EXPECT_LE(c.Count(io::HID_CMD_STORAGE_STATUS), 2);
}

}  // namespace
