// RESTORE on page 4 against the simulated headset and update server, with the real recognition:
// the image download on the page's thread, the flash through the update's dispatcher, and the
// archived settings written back and read back by recognition.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <thread>

#include "SimBlueCoreHeadset.h"
#include "SimDfuImage.h"
#include "app/MainWindowFixture.h"
#include "device/ModelNames.h"
#include "device/PsKeys.h"
#include "device/SpeedDialText.h"
#include "firmware/formats/SettingsArchive.h"
#include "firmware/restore/DialogFirmwareRestore.h"
#include "io/AtomicFile.h"
#include "io/ScopedUmask.h"
#include "localization/FirmwareTexts.h"
#include "localization/ServerFailureTexts.h"
#include "localization/StatusTexts.h"
#include "localization/WriteBackTexts.h"
#include "platform/Clock.h"
#include "platform/dfu/BccmdPdu.h"

namespace testing_app {
namespace {

constexpr int kModel = 0x4D21;
constexpr const char* kRevisions = "VKT_TQG27N: v1.0 : old.img\n";

std::vector<uint8_t> SpeedDialKey(const std::string& number) {
  device::SpeedDialWords words{};
  device::PackTextWords(words, number);
  std::vector<uint8_t> bytes;
  for (uint16_t word : words) {
    bytes.push_back(static_cast<uint8_t>(word & 0xFF));
    bytes.push_back(static_cast<uint8_t>(word >> 8));
  }
  return bytes;
}

sim::SimImageSpec ImageSpec(uint8_t version) {
  sim::SimImageSpec spec;
  spec.description = "VKT_TQG27N#4D21";
  spec.version = {version, 0, 0, 0};
  return spec;
}

class RestoreRunTest : public MainWindowTest {
 protected:
  // The headset at 1.0 with sidetone and two speed dials, recognised by hand: page 3.
  app::CUpdaterDlg& OpenRecognised() {
    sim::HeadsetProfile profile;
    profile.settings[PSKEY_FEATURE_FLAGS] = kArchivedFeatures;
    profile.settings[PSKEY_SPEED_DIAL_1] = SpeedDialKey("5551234");
    profile.settings[PSKEY_SPEED_DIAL_2] = SpeedDialKey("0800");
    headset_ = std::make_shared<sim::SimBlueCoreHeadset>(profile);
    usb_.Remove("1-2");
    usb_.Attach("1-2", headset_);
    app::CUpdaterDlg& w = Start();
    w.m_nDeviceTarget = device::EDITION_PRODUCT;
    w.GoToRecognitionPage(true, nullptr, 0);
    Press(w, app::IDC_NEXT);
    EXPECT_EQ(w.m_nCurrentPage, 3);
    EXPECT_EQ(w.m_nDeviceTarget, kModel);
    w.m_dlgFirmwareUpdate.FireTimer(firmware::TIMER_FIRMWARE_LIST);
    EXPECT_TRUE(AwaitServer(w.m_dlgFirmwareUpdate));
    return w;
  }

  // Updates the headset to 1.1 from a local image (its settings archived first); the new
  // firmware then starts with settings of its own.
  void UpdateToNewerFirmware(app::CUpdaterDlg& w) {
    const std::string image = folder_ + "/update.img";
    ASSERT_TRUE(sim::WriteFile(image, sim::MakeDfuFile(ImageSpec(11))));
    w.m_dlgFirmwareUpdate.m_editImagePath.SetWindowText(image);
    Press(w, app::IDC_ACTION);
    ASSERT_TRUE(RunJob(w));
    ASSERT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, kModel, 0));
    ASSERT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
    // Page 3 entered again reads the server's list before it takes commands.
    w.m_dlgFirmwareUpdate.FireTimer(firmware::TIMER_FIRMWARE_LIST);
    ASSERT_TRUE(AwaitServer(w.m_dlgFirmwareUpdate));
    headset_->SetKey(PSKEY_FEATURE_FLAGS, {0, 0, 0, 0});
    headset_->SetKey(PSKEY_SPEED_DIAL_1, SpeedDialKey(""));
    headset_->SetKey(PSKEY_SPEED_DIAL_2, SpeedDialKey(""));
  }

  // The archive an update of the headset as it is would have written.
  void ArchiveAsIs(app::CUpdaterDlg& w) {
    const std::string path = ImageFolder() + "/VKT_TQG27N." + firmware::kSettingsArchiveExtension;
    ASSERT_TRUE(io::WriteFileAtomically(path, firmware::FormatSettingsArchive(w.m_deviceSettings, std::time(nullptr))));
  }

  // Page 4 entered and its lookup run against a server that has the archived image.
  void EnterRestorePage(app::CUpdaterDlg& w) {
    server_.Serve(firmware::kRevisionsListName, kRevisions);
    const std::vector<uint8_t> image = sim::MakeDfuFile(ImageSpec(10));
    server_.Serve("old.img", std::string(image.begin(), image.end()));
    Press(w, app::IDC_NAV_FIRMWARE_RESTORE);
    ASSERT_EQ(w.m_nCurrentPage, 4);
    w.m_dlgFirmwareRestore.FireTimer(firmware::TIMER_RESTORE_LOOKUP);
    ASSERT_TRUE(AwaitServer(w.m_dlgFirmwareRestore));
    ASSERT_TRUE(w.m_dlgFirmwareRestore.m_job.m_bFound);
    ASSERT_TRUE(w.m_btnAction.IsWindowEnabled());
  }

  // RESTORE, then what the page does once the image has come. False when it never came.
  bool PressRestoreAndWaitForDownload(app::CUpdaterDlg& w) {
    Press(w, app::IDC_ACTION);
    EXPECT_TRUE(w.m_bBusy);
    EXPECT_EQ(w.GetStatusMessage(), text::GetPageProgressText(4, kModel, 0) + " " +
                                        text::GetAboutToDownloadBackupText(0));
    return AwaitServer(w.m_dlgFirmwareRestore);
  }

  // Runs the job as the window would: the library's reports, timer 205 while armed and timer 203
  // every few rounds, until the progress timer is no longer armed. `beforeTick` sees the job
  // before each progress tick.
  bool RunJob(app::CUpdaterDlg& w, const std::function<void(firmware::CFirmwareJob&)>& beforeTick = nullptr) {
    firmware::CDialogFirmwareUpdate& update = w.m_dlgFirmwareUpdate;
    for (int round = 0; round < 4000 && update.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS); ++round) {
      fw::Application::ProcessPendingMessages();
      update.FireTimer(firmware::TIMER_UPDATE_STEP);
      update.FireTimer(firmware::TIMER_DEVICE_BACK);
      if (round % 4 == 0) {
        if (beforeTick) beforeTick(update.ActiveJob());
        update.FireTimer(firmware::TIMER_UPDATE_PROGRESS);
        statuses_.push_back(w.GetStatusMessage());
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    fw::Application::ProcessPendingMessages();
    return !update.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS);
  }

  static void Press(app::CUpdaterDlg& w, int id) {
    w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(id, fw::BN_CLICKED), 0);
  }

  bool EverSaid(const std::string& text) const {
    return std::find(statuses_.begin(), statuses_.end(), text) != statuses_.end();
  }

  // Back on page 4 after a restore: the page's lookup runs again; what the status said stays.
  void ExpectBackOnRestorePage(app::CUpdaterDlg& w, const std::string& status, bool error) {
    EXPECT_EQ(w.m_nCurrentPage, 4);
    w.m_dlgFirmwareRestore.FireTimer(firmware::TIMER_RESTORE_LOOKUP);
    EXPECT_TRUE(AwaitServer(w.m_dlgFirmwareRestore));
    EXPECT_FALSE(w.m_bBusy);
    EXPECT_EQ(w.GetStatusMessage(), status);
    EXPECT_EQ(w.m_staticStatusText.GetWindowText(), status);
    EXPECT_EQ(!w.m_bStatusNormal, error);
  }

  const std::vector<uint8_t> kArchivedFeatures = {0x00, 0x01, 0x00, 0x00};  // sidetone on
  platform::ManualClock clock_;
  platform::Clock::Scoped useClock_{clock_};
  std::shared_ptr<sim::SimBlueCoreHeadset> headset_;
  std::vector<std::string> statuses_;
};

// The archive and the downloaded image are new files, as private as the user's umask makes them.
TEST_F(RestoreRunTest, UpdateThenRestorePutsBackTheArchivedFirmwareAndSettings) {
  testing_io::ScopedUmask mask(077);
  app::CUpdaterDlg& w = OpenRecognised();
  UpdateToNewerFirmware(w);
  const std::string archive = ImageFolder() + "/" + device::GetModelName(kModel, true) + "." +
                              firmware::kSettingsArchiveExtension;
  EXPECT_EQ(testing_io::ModeOf(archive), 0600u);
  EnterRestorePage(w);
  ASSERT_TRUE(PressRestoreAndWaitForDownload(w));
  EXPECT_FALSE(w.m_dlgFirmwareRestore.m_serverFetch.IsPending());
  EXPECT_EQ(w.m_dlgFirmwareRestore.m_job.m_strImagePath, ImageFolder() + "/VKT_TQG27N.img");
  EXPECT_EQ(testing_io::ModeOf(ImageFolder() + "/VKT_TQG27N.img"), 0600u);
  // From the image's arrival to the end of the flash the window stays busy: BACK, NEXT and the
  // close are refused in the middle of it.
  EXPECT_TRUE(w.m_bBusy);
  int ticks = 0;
  ASSERT_TRUE(RunJob(w, [&](firmware::CFirmwareJob& job) {
    if (job.m_bFinished) return;
    ++ticks;
    ASSERT_TRUE(w.m_bBusy) << "tick " << ticks << ", state " << job.m_nState.load();
    for (int id : {app::IDC_BACK, app::IDC_NEXT}) Press(w, id);
    w.SendMessage(fw::WM_CLOSE, 0, 0);
    ASSERT_EQ(w.m_nCurrentPage, 4);
    ASSERT_FALSE(w.HasEnded());
  }));
  EXPECT_GE(ticks, 1);

  EXPECT_TRUE(EverSaid(text::GetPageProgressText(4, kModel, 0)));
  EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{10, 0, 0, 0}));
  EXPECT_EQ(headset_->Key(PSKEY_FEATURE_FLAGS), kArchivedFeatures);
  EXPECT_EQ(headset_->Key(PSKEY_SPEED_DIAL_1), SpeedDialKey("5551234"));
  EXPECT_EQ(headset_->Key(PSKEY_SPEED_DIAL_2), SpeedDialKey("0800"));
  EXPECT_EQ(w.m_deviceSettings.m_nVersionMajor, 1);
  EXPECT_EQ(w.m_deviceSettings.m_nVersionMinor, 0);
  EXPECT_EQ(w.m_deviceSettings.m_astrSpeedDial[0], "5551234");
  EXPECT_EQ(w.m_dlgDeviceRecognition.m_eWriteBack, headset::WriteBack::kWritten);
  ExpectBackOnRestorePage(w, text::GetPageSuccessText(4, kModel, 0), false);
}

TEST_F(RestoreRunTest, AFailedDownloadSaysWhyAndOffersRestoreAgainWithNothingFlashed) {
  struct Case {
    const char* what;
    std::function<void()> fault;
    std::string (*reason)(int);
  };
  const Case cases[] = {
      {"the server cannot be reached", [this] { server_.SetReachable(false); }, text::GetCannotConnectToServerText},
      {"the server has no such image", [this] { server_.Remove("old.img"); }, text::GetCannotConnectToServerText},
      {"the IMG folder cannot be written",
       [this] {
         // A file where the folder was: nothing can be made in it, whoever runs the test.
         std::system(("rm -rf '" + ImageFolder() + "'").c_str());
         ASSERT_TRUE(io::WriteFileAtomically(ImageFolder(), "not a folder"));
       },
       text::GetCannotOpenFileText},
      {"the program's folder is unknown",
       [this] {
         scopedPaths_.reset();
         paths_.emplace("");
         scopedPaths_.emplace(*paths_);
       },
       text::GetCannotOpenFileText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    server_.Clear();
    SetUp();
    app::CUpdaterDlg& w = OpenRecognised();
    ArchiveAsIs(w);
    EnterRestorePage(w);
    c.fault();
    const auto requestsBefore = headset_->DfuRequests().size();
    ASSERT_TRUE(PressRestoreAndWaitForDownload(w));
    firmware::CDialogFirmwareRestore& page = w.m_dlgFirmwareRestore;
    EXPECT_FALSE(page.m_serverFetch.IsPending());
    EXPECT_EQ(w.GetStatusMessage(), text::GetDownloadFailedText(0) + ". " + c.reason(0));
    EXPECT_FALSE(w.m_bStatusNormal) << "the error colour";
    EXPECT_FALSE(w.m_bBusy);
    EXPECT_TRUE(w.m_btnAction.IsWindowEnabled()) << "RESTORE again";
    EXPECT_TRUE(page.m_job.m_bFound);
    EXPECT_EQ(w.m_nCurrentPage, 4);
    EXPECT_FALSE(w.m_dlgFirmwareUpdate.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS));
    EXPECT_EQ(headset_->DfuRequests().size(), requestsBefore) << "nothing flashed";
    EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{10, 0, 0, 0}));
  }
  // The root was never written to.
  EXPECT_FALSE(io::ReadWholeFile("/VKT_TQG27N.img").has_value());
}

// Page 4 entered again while the image is held: the download is dropped at once, its answer
// starts no flash, and RESTORE after the new lookup restores the headset.
TEST_F(RestoreRunTest, ADownloadDroppedByEnteringThePageAgainStartsNoFlash) {
  app::CUpdaterDlg& w = OpenRecognised();
  UpdateToNewerFirmware(w);
  EnterRestorePage(w);
  firmware::CDialogFirmwareRestore& page = w.m_dlgFirmwareRestore;
  server_.Hold("old.img");
  Press(w, app::IDC_ACTION);
  ASSERT_TRUE(page.m_serverFetch.IsPending());
  const auto requestsBefore = headset_->DfuRequests().size();

  const auto start = std::chrono::steady_clock::now();
  w.GoToFirmwareRestorePage(true);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(sim::SimUpdateServer::kHoldLimitMs / 2000));
  EXPECT_FALSE(page.m_serverFetch.IsPending());
  server_.Release("old.img");
  page.FireTimer(firmware::TIMER_RESTORE_LOOKUP);
  ASSERT_TRUE(AwaitServer(page));
  EXPECT_FALSE(w.m_dlgFirmwareUpdate.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS));
  EXPECT_EQ(headset_->DfuRequests().size(), requestsBefore);
  EXPECT_FALSE(w.m_bBusy);

  ASSERT_TRUE(PressRestoreAndWaitForDownload(w));
  ASSERT_TRUE(RunJob(w));
  EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{10, 0, 0, 0}));
}

TEST_F(RestoreRunTest, AHeadsetUnpluggedDuringTheFlashIsNeverReportedRestored) {
  app::CUpdaterDlg& w = OpenRecognised();
  ArchiveAsIs(w);
  EnterRestorePage(w);
  headset_->UnplugAfterBlocks(2);
  ASSERT_TRUE(PressRestoreAndWaitForDownload(w));
  ASSERT_TRUE(RunJob(w));
  for (int language = 0; language < text::kLanguageCount; ++language) {
    EXPECT_NE(w.m_strStatus[size_t(language)], text::GetPageSuccessText(4, kModel, language));
  }
  EXPECT_FALSE(EverSaid(text::GetPageSuccessText(4, kModel, 0)));
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageFailureText(4, kModel, 0) + ". " + text::GetCannotUpdateFirmwareText(0));
  EXPECT_FALSE(w.m_bStatusNormal);
  EXPECT_FALSE(w.m_bBusy);
  EXPECT_EQ(w.m_nCurrentPage, 4);
}

// The headset is not there when recognition looks for it after the flash: the silent run and
// its interactive retry find nothing. Once it is back, NEXT recognises it and still writes the
// archived settings, and the wizard returns to page 4.
TEST_F(RestoreRunTest, AHeadsetThatComesBackLateStillGetsItsSettings) {
  app::CUpdaterDlg& w = OpenRecognised();
  UpdateToNewerFirmware(w);
  EnterRestorePage(w);
  ASSERT_TRUE(PressRestoreAndWaitForDownload(w));
  bool unplugged = false;
  ASSERT_TRUE(RunJob(w, [&](firmware::CFirmwareJob& job) {
    if (job.m_bFinished && !unplugged) {
      headset_->Unplug();
      unplugged = true;
    }
  }));
  ASSERT_TRUE(unplugged);
  fw::Application::ProcessPendingMessages();  // the interactive retry
  EXPECT_EQ(w.m_nCurrentPage, 2);
  EXPECT_EQ(w.GetStatusMessage(),
            text::GetPageFailureText(2, w.m_nUsbStatus, 0) + ". " + text::GetSettingsNotWrittenText(0));
  EXPECT_FALSE(w.m_bStatusNormal);
  EXPECT_EQ(headset_->Key(PSKEY_FEATURE_FLAGS), (std::vector<uint8_t>{0, 0, 0, 0}));

  headset_->PlugIn();
  Press(w, app::IDC_NEXT);
  EXPECT_EQ(headset_->Key(PSKEY_FEATURE_FLAGS), kArchivedFeatures);
  EXPECT_EQ(headset_->Key(PSKEY_SPEED_DIAL_1), SpeedDialKey("5551234"));
  ExpectBackOnRestorePage(w, text::GetPageSuccessText(4, kModel, 0), false);
}

// Back, but its store does not take the settings (or does not keep them): the firmware is
// restored, and the status says the settings are not, in the error colour, in every language.
TEST_F(RestoreRunTest, SettingsTheHeadsetDoesNotTakeAreReportedNotRestored) {
  struct Case {
    const char* what;
    std::function<void(sim::SimBlueCoreHeadset&)> fault;
    std::string (*reason)(int);
  };
  const Case cases[] = {
      {"refused", [](auto& h) { h.FailKeyWrite(PSKEY_SPEED_DIAL_2, dfu::bccmd::kStatusError); },
       text::GetSettingsNotWrittenText},
      {"taken but not kept", [](auto& h) { h.DropKeyWrite(PSKEY_FEATURE_FLAGS); }, text::GetSettingsDifferText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    server_.Clear();
    SetUp();
    statuses_.clear();
    app::CUpdaterDlg& w = OpenRecognised();
    ArchiveAsIs(w);
    EnterRestorePage(w);
    ASSERT_TRUE(PressRestoreAndWaitForDownload(w));
    // What the headset holds before the restore is not what was archived.
    headset_->SetKey(PSKEY_FEATURE_FLAGS, {0, 0, 0, 0});
    headset_->SetKey(PSKEY_SPEED_DIAL_2, SpeedDialKey(""));
    c.fault(*headset_);
    ASSERT_TRUE(RunJob(w));
    w.m_nLanguage = 3;
    ExpectBackOnRestorePage(w, text::GetPageSuccessText(4, kModel, 3) + ". " + c.reason(3), true);
  }
}

TEST_F(RestoreRunTest, ClosingTheWindowDuringTheDownloadStopsAndJoinsIt) {
  app::CUpdaterDlg& w = OpenRecognised();
  ArchiveAsIs(w);
  EnterRestorePage(w);
  server_.Hold("old.img");
  Press(w, app::IDC_ACTION);
  ASSERT_TRUE(w.m_dlgFirmwareRestore.m_serverFetch.IsPending());
  const auto start = std::chrono::steady_clock::now();
  window_.reset();
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took, std::chrono::seconds(sim::SimUpdateServer::kHoldLimitMs / 2000)) << "cancelled, not waited out";
  fw::Application::ProcessPendingMessages();  // a result posted on the way out reaches nobody
  EXPECT_EQ(headset_->DfuRequests().size(), 0u);
}

}  // namespace
}  // namespace testing_app
