// A firmware update over DFU from page 3 (and a restore's hand-over) against the simulated
// headset: the checks, the settings archive, the library's reports, the progress and the ending.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>

#include "SimBlueCoreHeadset.h"
#include "SimDfuImage.h"
#include "SimFirmwareImage.h"
#include "app/MainWindowFixture.h"
#include "device/FirmwareUpdateSets.h"
#include "device/ModelNames.h"
#include "firmware/transfer/TransferRig.h"
#include "firmware/update/UpdateStepWaits.h"
#include "device/PsKeys.h"
#include "firmware/formats/SettingsArchive.h"
#include "controls/DialogMessageBox.h"
#include "framework/TestSeams.h"
#include "localization/FirmwareTexts.h"
#include "localization/MainWindowTexts.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "platform/Clock.h"
#include "platform/Drives.h"
#include "platform/ReadGuard.h"
#include "localization/SafeFormat.h"

namespace testing_app {
namespace {

using firmware::CFirmwareJob;

constexpr const char* kArchiveName = "VKT_TQG27N.kelnuarch";

using KeyWrites = std::vector<std::pair<uint16_t, std::vector<uint8_t>>>;

class DfuUpdateTest : public MainWindowTest {
 protected:
  // Attaches the headset, opens the window with recognition that the test counts, and leaves the
  // window as recognition of that headset leaves it, on page 3 with the list read.
  app::CUpdaterDlg& OpenOnUpdatePage(sim::HeadsetProfile profile = {}) {
    headset_ = std::make_shared<sim::SimBlueCoreHeadset>(profile);
    usb_.Remove("1-2");
    usb_.Attach("1-2", headset_);
    auto recognition = std::make_unique<FakeRecognition>();
    recognition_ = recognition.get();
    app::CUpdaterDlg::Pages pages;
    pages.recognition = std::move(recognition);
    app::CUpdaterDlg& w = Start(std::move(pages));
    w.m_nDeviceTarget = 0x4D21;
    w.m_nUsbStatus = profile.startInDfuMode ? 0xCD21 : 0x4D21;
    w.m_bDeviceRecognized = true;
    w.m_deviceSettings.m_nProductId = 0x4D21;
    w.m_deviceSettings.m_nVersionMajor = 1;
    w.m_deviceSettings.m_strDeviceName = profile.name;
    w.GoToFirmwareUpdatePage(false);
    w.m_dlgFirmwareUpdate.FireTimer(firmware::TIMER_FIRMWARE_LIST);
    EXPECT_TRUE(AwaitServer(w.m_dlgFirmwareUpdate));
    return w;
  }

  // The window as recognition of `model` at firmware major.minor leaves it, with a headset of that
  // model and version attached.
  app::CUpdaterDlg& OpenOnUpdatePageAs(int model, int major, int minor, sim::HeadsetProfile profile = {}) {
    profile.modelId = static_cast<uint16_t>(model);
    profile.firmwareVersion = {static_cast<uint8_t>(major * 10 + minor), 0, 0, 0};
    app::CUpdaterDlg& w = OpenOnUpdatePage(profile);
    w.m_nDeviceTarget = model;
    w.m_deviceSettings.m_nProductId = model;
    w.m_deviceSettings.m_nVersionMajor = major;
    w.m_deviceSettings.m_nVersionMinor = minor;
    return w;
  }

  // An image tagged for `model`.
  std::string ImageFor(int model) {
    sim::SimImageSpec spec = Spec();
    spec.description = text::Format("%s#%04X", device::GetModelName(model, true), model);
    return Image(spec);
  }

  // Updates with an image for `fileModel` while the headset refuses to write `refused` (0: none).
  // Unless a write is refused, the dispatcher has written `writes` by the time it returns. Then the
  // job runs to its end: the update succeeded, or it failed with `reason` before anything reached
  // the device's DFU interface.
  void ExpectUpdate(app::CUpdaterDlg& w, int fileModel, uint16_t refused, const KeyWrites& writes,
                    const std::string& reason) {
    if (refused) headset_->FailKeyWrite(refused, 1);
    PressUpdate(w, ImageFor(fileModel));
    ASSERT_TRUE(AwaitArchive(w));
    if (!refused) {
      EXPECT_EQ(headset_->KeyWrites(), writes) << "written before the dispatcher hands over";
    }
    const int usbStatus = w.m_nUsbStatus;
    // A success may show the model's closing box and, back on page 3, an offer of newer firmware.
    fw::ModalScript script;
    script.Press(fw::IDOK).Press(fw::IDCANCEL);
    ASSERT_TRUE(RunJob(w));
    if (reason.empty()) {
      EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, usbStatus, 0));
      EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
    } else {
      EXPECT_EQ(w.GetStatusMessage(), text::GetPageFailureText(3, usbStatus, 0) + ". " + reason);
      EXPECT_TRUE(headset_->DfuRequests().empty());
    }
  }

  std::string Image(sim::SimImageSpec spec = Spec()) {
    const std::string path = folder_ + "/update.img";
    EXPECT_TRUE(sim::WriteFile(path, sim::MakeDfuFile(spec)));
    return path;
  }
  static sim::SimImageSpec Spec() {
    sim::SimImageSpec spec;
    spec.description = "VKT_TQG27N#4D21";
    spec.version = {11, 0, 0, 0};
    return spec;
  }

  void PressUpdate(app::CUpdaterDlg& w, const std::string& image) {
    w.m_dlgFirmwareUpdate.m_editImagePath.SetWindowText(image);
    w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_ACTION, fw::BN_CLICKED), 0);
  }

  // Runs the job as the window would: the library's reports as they arrive, timer 205 while it is
  // armed, timer 203 every few rounds, until the window is no longer busy. `onTick` sees the job
  // at each progress tick. False when the job has not ended in time.
  bool RunJob(app::CUpdaterDlg& w, const std::function<void(CFirmwareJob&)>& onTick = nullptr) {
    firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
    int engineAtTick = page.m_nActiveEngine;
    for (int round = 0; round < 4000 && page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS); ++round) {
      fw::Application::ProcessPendingMessages();
      page.FireTimer(firmware::TIMER_UPDATE_STEP);
      page.FireTimer(firmware::TIMER_DEVICE_BACK);
      // A tick also follows the start of the second engine at once: the simulated unit can take
      // its whole image before the next regular tick, and the window must have shown it started.
      if (round % 4 == 0 || page.m_nActiveEngine != engineAtTick) {
        engineAtTick = page.m_nActiveEngine;
        if (onTick) onTick(page.ActiveJob());
        const int state = page.ActiveJob().m_nState;
        // An open prompt holds the estimate where it stood, whichever state the job has reached.
        const bool held = page.ActiveJob().m_pPopup != nullptr;
        if (page.FireTimer(firmware::TIMER_UPDATE_PROGRESS) && page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS)) {
          progress_.push_back(w.m_nProgress);
          if (!held) bands_.push_back({state, w.m_nProgress});
        }
        statuses_.push_back(w.GetStatusMessage());
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    fw::Application::ProcessPendingMessages();
    const bool ended = !page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS);
    // A success enters page 3 again, which reads the server's list before it is ready.
    if (w.m_nCurrentPage == 3) {
      page.FireTimer(firmware::TIMER_FIRMWARE_LIST);
      EXPECT_TRUE(AwaitServer(page));
    }
    return ended;
  }

  bool StatusSeen(const std::string& text) const {
    return std::find(statuses_.begin(), statuses_.end(), text) != statuses_.end();
  }
  std::string ArchivePath() const { return ImageFolder() + "/" + kArchiveName; }

  transfertest::HookedClock clock_;
  platform::Clock::Scoped useClock_{clock_};
  std::shared_ptr<sim::SimBlueCoreHeadset> headset_;
  FakeRecognition* recognition_ = nullptr;
  std::vector<int> progress_;
  std::vector<std::pair<int, int>> bands_;  // job state at a tick without a prompt, progress after it
  std::vector<std::string> statuses_;
};

// "keyDateArchived=MM/DD/YYYY HH:MM:SS" on a line of its own.
bool HasEnglishDate(const std::string& archive) {
  const std::string key = "\r\nkeyDateArchived=";
  const size_t at = archive.find(key);
  if (at == std::string::npos) return false;
  const std::string value = archive.substr(at + key.size(), 21);
  const std::string form = "00/00/0000 00:00:00\r\n";
  if (value.size() != form.size()) return false;
  for (size_t i = 0; i < form.size(); ++i) {
    if (form[i] == '0' ? !std::isdigit(static_cast<unsigned char>(value[i])) : value[i] != form[i]) return false;
  }
  return true;
}

std::map<uint16_t, std::vector<uint8_t>> Keys(sim::SimBlueCoreHeadset& headset) {
  std::map<uint16_t, std::vector<uint8_t>> keys;
  for (const PsKeyInfo& info : PsKeyTable()) {
    if (auto value = headset.Key(info.key)) keys[info.key] = *value;
  }
  return keys;
}

TEST_F(DfuUpdateTest, UpdatesTheHeadsetAfterArchivingItsSettings) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  w.m_nLanguage = 2;  // the archive's date keeps its English pattern in any language
  PressUpdate(w, Image());
  // The archive is written on the page's worker: until the window has its word, nothing reaches
  // the device, and once it has, the archive is complete.
  EXPECT_TRUE(headset_->KeyWrites().empty());
  ASSERT_TRUE(AwaitArchive(w));
  EXPECT_TRUE(headset_->DfuRequests().empty());
  const auto archive = io::ReadWholeFile(ArchivePath());
  ASSERT_TRUE(archive.has_value());
  EXPECT_EQ(std::count(archive->begin(), archive->end(), '\n'), 57);
  EXPECT_NE(archive->find("keyDeviceRecognized=19745\r\n"), std::string::npos);
  EXPECT_TRUE(HasEnglishDate(*archive));
  device::CDeviceSettings archived;
  ASSERT_TRUE(firmware::ReadSettingsArchiveText(*archive, archived).hasDate);
  EXPECT_EQ(w.m_deviceSettings.m_timeArchived, archived.m_timeArchived) << "the record knows its archive";

  ASSERT_TRUE(RunJob(w));
  EXPECT_TRUE(StatusSeen(text::GetPageProgressText(3, 0x4D21, 2)));
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, 0x4D21, 2));
  EXPECT_TRUE(w.m_bStatusNormal);
  ASSERT_FALSE(progress_.empty());
  EXPECT_TRUE(std::is_sorted(progress_.begin(), progress_.end())) << "progress never goes back";
  for (const auto& [state, percent] : bands_) {
    const auto [low, high] = state == firmware::JOB_RECONFIGURING  ? std::pair{5, 15}
                             : state == firmware::JOB_TRANSFERRING ? std::pair{15, 90}
                             : state == firmware::JOB_WAITING_RESTART ? std::pair{90, 98}
                                                                       : std::pair{0, 100};
    EXPECT_TRUE(percent >= low && percent <= high) << "state " << state << ": " << percent;
  }
  EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
  EXPECT_EQ(recognition_->silentRuns, 1) << "recognition runs again";
  EXPECT_FALSE(w.m_dlgFirmwareUpdate.m_job.m_pPopup);
  EXPECT_EQ(w.m_dlgFirmwareUpdate.TimerArmings(firmware::TIMER_DEVICE_BACK), 1u) << "one poll for the device";
}

// The start waits for the device between its steps on the window's timer, never by sleeping on the
// window's thread: a whole update, also of a polled product recognised in its boot loader, waits
// as long as it always did while the window shows its progress.
TEST_F(DfuUpdateTest, TheWindowKeepsAnsweringWhileTheStartWaitsForTheDevice) {
  struct Case {
    const char* what;
    int target;
    bool inDfuMode;
    std::vector<unsigned> waits;
  };
  const Case cases[] = {
      {"this edition's headset", 0x4D21, false, {3000}},
      {"a polled product in its boot loader", 0x6020, true, {2000, 3000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    sim::HeadsetProfile profile;
    profile.startInDfuMode = c.inDfuMode;
    app::CUpdaterDlg& w = OpenOnUpdatePage(profile);
    w.m_nDeviceTarget = c.target;
    const int usbStatus = w.m_nUsbStatus;
    PressUpdate(w, Image());
    EXPECT_TRUE(headset_->DfuRequests().empty()) << "nothing before the first wait";
    EXPECT_EQ(RunStepWaits(w), c.waits);
    ASSERT_TRUE(RunJob(w));
    EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, usbStatus, 0));
    EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
    EXPECT_LE(clock_.longestWindowSleep.load(), 100u);
  }
}

// Only the family's DFU devices count, and exactly one of them must be there.
TEST_F(DfuUpdateTest, AnotherMakersDfuDeviceIsPassedOverAndASecondHeadsetIsAMismatch) {
  struct Case {
    const char* what;
    uint16_t vendorId;
    bool updated;
  };
  const Case cases[] = {
      {"another maker's device with a DFU interface", 0x0A12, true},
      {"a second headset", 0x092B, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    app::CUpdaterDlg& w = OpenOnUpdatePage();
    usb_.Remove("1-3");
    sim::HeadsetProfile extraProfile;
    extraProfile.vendorId = c.vendorId;
    auto extra = std::make_shared<sim::SimBlueCoreHeadset>(extraProfile);
    usb_.Attach("1-3", extra);
    PressUpdate(w, Image());
    RunStepWaits(w);
    ASSERT_TRUE(RunJob(w));
    EXPECT_TRUE(extra->DfuRequests().empty());
    if (c.updated) {
      EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, 0x4D21, 0));
      EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
    } else {
      EXPECT_EQ(w.GetStatusMessage(),
                text::GetPageFailureText(3, 0x4D21, 0) + ". " + text::GetUsbMismatchText(0) + "(2)");
      EXPECT_TRUE(headset_->DfuRequests().empty());
    }
  }
}

// A polled product lists the DFU devices once a second until exactly one is there, 600 times at
// most; then it goes on with what it found.
TEST_F(DfuUpdateTest, APolledProductListsTheDevicesUntilExactlyOneIsThere) {
  const std::string mismatch = text::GetUsbMismatchText(0) + "(2)";
  const std::string noDevice = text::GetCannotGetDeviceText(0) + "[8][0]";
  struct Case {
    const char* what;
    bool twoAtFirst;
    bool oneComes;  // at the third listing
    std::string reason;  // empty: updated
  };
  const Case cases[] = {
      {"none at first", false, true, ""},
      {"two at first", true, true, ""},
      {"never one: none", false, false, noDevice},
      {"never one: two", true, false, mismatch},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    sim::HeadsetProfile profile;
    profile.startInDfuMode = true;  // recognised in its boot loader: the only preparation is a wait
    app::CUpdaterDlg& w = OpenOnUpdatePage(profile);
    w.m_nDeviceTarget = 0x6020;
    usb_.Remove("1-3");
    auto second = std::make_shared<sim::SimBlueCoreHeadset>(profile);
    PressUpdate(w, Image());
    // Wait 0 comes before the device checks, wait 1 before the first listing, wait n + 1 before
    // listing n + 1.
    const std::vector<unsigned> waits = RunStepWaits(w, 1000, [&](size_t wait) {
      if (wait == 1) {
        if (c.twoAtFirst) {
          usb_.Attach("1-3", second);
        } else {
          usb_.Remove("1-2");
        }
      }
      if (wait == 3 && c.oneComes) {
        if (c.twoAtFirst) {
          usb_.Remove("1-3");
        } else {
          usb_.Attach("1-2", headset_);
        }
      }
    });
    std::vector<unsigned> expected = {2000, 3000};
    expected.resize(c.oneComes ? 4 : 601, 1000);
    EXPECT_EQ(waits, expected);
    ASSERT_TRUE(RunJob(w));
    EXPECT_TRUE(second->DfuRequests().empty());
    if (c.reason.empty()) {
      EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, 0xCD21, 0));
    } else {
      EXPECT_EQ(w.GetStatusMessage(), text::GetPageFailureText(3, 0xCD21, 0) + ". " + c.reason);
      EXPECT_TRUE(headset_->DfuRequests().empty());
    }
  }
}

// Writes past `bytes` fail (EFBIG) while the object lives.
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~ScopedFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = SIG_DFL;
};

TEST_F(DfuUpdateTest, WithoutTheProgramsFolderTheBackupFailsInsteadOfLandingElsewhere) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  const std::string image = Image();
  const std::string atRoot = "/" + std::filesystem::path(ArchivePath()).filename().string();
  const std::string userData = folder_ + "/data";
  ASSERT_TRUE(std::filesystem::create_directory(userData));
  scopedPaths_.reset();
  paths_.emplace("", userData);
  scopedPaths_.emplace(*paths_);
  PressUpdate(w, image);
  ASSERT_TRUE(AwaitArchive(w));
  EXPECT_EQ(w.m_dlgFirmwareUpdate.m_job.m_nState, firmware::JOB_WAITING_USER);
  EXPECT_FALSE(std::filesystem::exists(atRoot));
  for (const auto& entry : std::filesystem::recursive_directory_iterator(userData)) {
    EXPECT_FALSE(entry.is_regular_file()) << entry.path();
  }
  EXPECT_TRUE(headset_->DfuRequests().empty());
}

TEST_F(DfuUpdateTest, ABackupThatFailsKeepsTheOldArchiveAndWaitsForOk) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  ASSERT_TRUE(io::WriteFileAtomically(ArchivePath(), "previous archive"));
  const auto keysBefore = Keys(*headset_);
  {
    // A file-size limit below the archive's size makes its write fail, as a full disk would.
    const std::string image = Image();
    ScopedFileSizeLimit full(64);
    PressUpdate(w, image);
    ASSERT_TRUE(AwaitArchive(w));
  }
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  EXPECT_EQ(page.m_job.m_nState, firmware::JOB_WAITING_USER);
  page.FireTimer(firmware::TIMER_UPDATE_PROGRESS);
  ASSERT_TRUE(page.m_job.m_pPopup);
  EXPECT_EQ(page.m_job.m_pPopup->m_strText, text::GetBackupFailedText(0));
  EXPECT_TRUE(headset_->DfuRequests().empty()) << "nothing reaches the device before OK";
  EXPECT_EQ(Keys(*headset_), keysBefore);

  page.m_job.m_pPopup->SendMessage(fw::WM_COMMAND, fw::MakeCommand(fw::IDOK, fw::BN_CLICKED), 0);
  ASSERT_TRUE(RunJob(w));
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, 0x4D21, 0));
  EXPECT_EQ(io::ReadWholeFile(ArchivePath()).value_or(""), "previous archive");
}

// The archive write of a job that was dropped ends late and failed: its word runs nothing of the
// job that waits now, which goes on with its own write's result.
TEST_F(DfuUpdateTest, ADroppedJobsLateArchiveWordRunsNothingOfTheJobThatWaitsNow) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  const std::string image = Image();
  {
    ScopedFileSizeLimit full(64);
    PressUpdate(w, image);
    // Its word stays queued: no message is handled until the next job waits.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (page.IsWritingArchive() && std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_FALSE(page.IsWritingArchive());
  }
  // Entering the page again drops the job; its list is not waited for here.
  w.GoToFirmwareUpdatePage(false);
  page.m_serverFetch.Cancel();
  ASSERT_FALSE(w.m_bBusy);
  PressUpdate(w, image);
  ASSERT_TRUE(AwaitArchive(w));
  EXPECT_EQ(page.m_job.m_nState, firmware::JOB_RECONFIGURING);
  EXPECT_FALSE(w.m_bWaitForUserOk) << "the dropped write's failure was taken for this job's";
  EXPECT_TRUE(io::ReadWholeFile(ArchivePath()).has_value());
  fw::ModalScript script;
  script.Press(fw::IDOK).Press(fw::IDCANCEL);
  ASSERT_TRUE(RunJob(w));
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, 0x4D21, 0));
}

TEST_F(DfuUpdateTest, EveryFailureEndsTheJobWithItsText) {
  struct Case {
    const char* what;
    std::function<void(sim::SimImageSpec&)> spec;
    std::function<void(sim::SimBlueCoreHeadset&, const std::string& image)> fault;
    bool inDfuMode;
    std::string reason;
    bool beforeTransfer;
  };
  const std::string notForModel = text::GetFirmwareNotForModelText(0x4D21, 0) + "[9][6]";
  const Case cases[] = {
      {"the device leaves during the detach", nullptr, [](auto& headset, auto&) { headset.StayAwayAfterReset(); },
       false, text::GetCannotUpdateFirmwareText(0), false},
      {"the device leaves during the download", nullptr, [](auto& headset, auto&) { headset.UnplugAfterBlocks(2); },
       false, text::GetCannotUpdateFirmwareText(0), false},
      // Already in DFU mode, the only reset is the one after the image has been programmed.
      {"the device does not come back after its restart", nullptr,
       [](auto& headset, auto&) { headset.StayAwayAfterReset(); }, true, text::GetCannotUpdateFirmwareText(0), false},
      {"an image with a bad CRC", nullptr,
       [](auto&, const std::string& image) {
         std::fstream file(image, std::ios::in | std::ios::out | std::ios::binary);
         file.seekp(100);
         file.put('\x5A');
       },
       false, text::GetCannotGetStatusText(0) + "[9][5]", true},
      {"an image for another model", [](auto& spec) { spec.description = "VKT_TQG27N#4D20"; }, nullptr, false,
       notForModel, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    progress_.clear();
    sim::HeadsetProfile profile;
    profile.startInDfuMode = c.inDfuMode;
    app::CUpdaterDlg& w = OpenOnUpdatePage(profile);
    const int usbStatus = w.m_nUsbStatus;
    sim::SimImageSpec spec = Spec();
    if (c.spec) c.spec(spec);
    const std::string image = Image(spec);
    if (c.fault) c.fault(*headset_, image);
    const auto keysBefore = Keys(*headset_);
    PressUpdate(w, image);
    ASSERT_TRUE(RunJob(w));
    EXPECT_EQ(w.GetStatusMessage(), text::GetPageFailureText(3, usbStatus, 0) + ". " + c.reason);
    EXPECT_FALSE(w.m_bStatusNormal) << "the error colour";
    EXPECT_EQ(recognition_->silentRuns, 0);
    if (c.beforeTransfer) {
      EXPECT_EQ(Keys(*headset_), keysBefore);
    }
  }
}

// A named pipe chosen as the image is refused as an image that fails its check, at once: one
// without a writer would hold a reader that waits for it, and the window with it, for good.
TEST_F(DfuUpdateTest, ANamedPipeChosenAsTheImageIsRefusedAtOnce) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  const std::string pipe = folder_ + "/update.img";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const auto keysBefore = Keys(*headset_);
  testutil::ReadGuard guard([&] { testutil::OpenPipeWriteEnd(pipe); });
  PressUpdate(w, pipe);
  ASSERT_TRUE(RunJob(w));
  EXPECT_FALSE(guard.Done()) << "the window waited on the pipe";
  EXPECT_EQ(w.GetStatusMessage(),
            text::GetPageFailureText(3, 0x4D21, 0) + ". " + text::GetCannotGetStatusText(0) + "[9][5]");
  EXPECT_EQ(Keys(*headset_), keysBefore);
  EXPECT_TRUE(headset_->DfuRequests().empty());
}

// The step that waits to list the DFU devices belongs to its job: once the job has been dropped,
// whatever the window does next, the step never binds an engine or reaches the device.
TEST_F(DfuUpdateTest, AWaitingStepGoesWithItsJob) {
  struct Case {
    const char* what;
    std::function<void(app::CUpdaterDlg&)> drop;
  };
  const Case cases[] = {
      {"a new start that fails at once",
       [this](app::CUpdaterDlg& w) {
         sim::SimImageSpec spec = Spec();
         spec.description = "VKT_TQG27N#4D20";
         w.m_dlgFirmwareUpdate.m_editImagePath.SetWindowText(Image(spec));
         w.m_dlgFirmwareUpdate.StartUpdateFromMain();
       }},
      {"the end of the job",
       [](app::CUpdaterDlg& w) {
         w.m_dlgFirmwareUpdate.m_job.m_bFinished = true;  // as a failure reported meanwhile would
         w.m_dlgFirmwareUpdate.FireTimer(firmware::TIMER_UPDATE_PROGRESS);
       }},
      {"the page entered again", [](app::CUpdaterDlg& w) { w.GoToFirmwareUpdatePage(false); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    app::CUpdaterDlg& w = OpenOnUpdatePage();
    firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
    PressUpdate(w, Image());
    ASSERT_TRUE(AwaitArchive(w));
    ASSERT_TRUE(page.IsTimerArmed(firmware::TIMER_UPDATE_STEP));
    c.drop(w);
    page.FireTimer(firmware::TIMER_UPDATE_STEP);
    fw::Application::ProcessPendingMessages();
    EXPECT_EQ(page.m_nActiveEngine, 0);
    EXPECT_TRUE(headset_->DfuRequests().empty());
  }
}

TEST_F(DfuUpdateTest, ADeviceThatNeverComesBackIsAFailure) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  // As the job stands once the image is in and the device restarts, with no prompt open.
  page.m_jobBusy = w.HoldBusy();
  page.m_job.m_nPercent = 90;
  page.m_job.m_nState = firmware::JOB_WAITING_RESTART;
  page.SetTimer(firmware::TIMER_UPDATE_PROGRESS, 1000);
  for (int tick = 0; tick < 40 && page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS); ++tick) {
    page.FireTimer(firmware::TIMER_UPDATE_PROGRESS);
    if (page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS)) {
      EXPECT_LE(w.m_nProgress, 98);
    }
  }
  EXPECT_FALSE(w.m_bBusy);
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageFailureText(3, 0x4D21, 0) + ". " + text::GetCannotGetDeviceText(0));
  EXPECT_FALSE(w.m_bStatusNormal);
  EXPECT_EQ(recognition_->silentRuns, 0);
}

TEST_F(DfuUpdateTest, AnotherDeviceEndsOnTheMismatchBoxAndPageOne) {
  for (const auto& [model, version, tag] :
       {std::tuple<uint16_t, uint8_t, const char*>{0x4D20, 10, "[9][3]"}, {0x4D21, 12, "[9][4]"}}) {
    TearDown();
    SetUp();
    sim::HeadsetProfile profile;
    profile.modelId = model;
    profile.firmwareVersion = {version, 0, 0, 0};
    app::CUpdaterDlg& w = OpenOnUpdatePage(profile);
    const auto keysBefore = Keys(*headset_);
    PressUpdate(w, Image());
    EXPECT_EQ(w.m_dlgFirmwareUpdate.m_job.m_astrMessages.Peek()[0],
              text::GetPageFailureText(3, 0x4D21, 0) + ". " + text::GetNotRecognizedDeviceText(0) + tag);
    fw::ModalScript script;
    script.Press(fw::IDOK);
    ASSERT_TRUE(RunJob(w));
    ASSERT_EQ(script.Dialogs().size(), 1u);
    EXPECT_EQ(w.m_nCurrentPage, 1);
    EXPECT_EQ(Keys(*headset_), keysBefore);
  }
}

TEST_F(DfuUpdateTest, AHeadsetInDfuModeIsUpdatedWithoutItsStoreOrAnArchive) {
  sim::HeadsetProfile profile;
  profile.startInDfuMode = true;
  app::CUpdaterDlg& w = OpenOnUpdatePage(profile);
  PressUpdate(w, Image());
  ASSERT_TRUE(RunJob(w));
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, 0xCD21, 0));
  EXPECT_TRUE(headset_->Sequences().empty()) << "no persistent-store command";
  EXPECT_FALSE(io::ReadWholeFile(ArchivePath()).has_value());
}

// Old firmware of some models leaves keys the new firmware would misread: they are cleared once the
// checks and the archive are done, before anything is downloaded, and only where the store answers.
TEST_F(DfuUpdateTest, OldFirmwareKeysAreClearedBeforeTheDownload) {
  const std::vector<uint8_t> zero = {0, 0};
  struct Case {
    const char* what;
    int minor;  // of firmware 3.x
    bool inDfuMode;
    uint16_t refused;  // a key the headset refuses to write, or 0
    KeyWrites writes;  // when none is refused
    std::string reason;
  };
  const Case cases[] = {
      {"firmware 3.2 loses its version key too", 2, false, 0,
       {{PSKEY_FIRMWARE_VERSION, {0, 0, 0, 0}}, {PSKEY_VOX_INTERCOM, zero}, {PSKEY_VOX_PHONE, zero}}, ""},
      {"firmware 3.3 only its VOX keys", 3, false, 0, {{PSKEY_VOX_INTERCOM, zero}, {PSKEY_VOX_PHONE, zero}}, ""},
      {"in DFU mode nothing is written", 2, true, 0, {}, ""},
      {"a refused VOX key fails the update", 3, false, PSKEY_VOX_INTERCOM, {}, text::GetCannotUpdateFirmwareText(0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    sim::HeadsetProfile profile;
    profile.startInDfuMode = c.inDfuMode;
    ExpectUpdate(OpenOnUpdatePageAs(0x4D10, 3, c.minor, profile), 0x4D10, c.refused, c.writes, c.reason);
  }
}

// A batch of one model shipped as another: with the file of its real model it is given that
// model's identity, after the keys its old firmware leaves and before anything is downloaded.
TEST_F(DfuUpdateTest, TheMisidentifiedBatchTakesItsRealIdentityAfterItsVoxKeys) {
  const std::vector<uint8_t> zero = {0, 0};
  std::vector<uint8_t> productString(32, 0);
  const std::string name = "Jext Ravlo VRK38";
  for (size_t i = 0; i < name.size(); ++i) productString[2 * i] = static_cast<uint8_t>(name[i]);
  const KeyWrites voxKeys = {{PSKEY_VOX_INTERCOM, zero}, {PSKEY_VOX_PHONE, zero}};
  KeyWrites reidentified = voxKeys;
  reidentified.insert(reidentified.end(), {{PSKEY_PRODUCT_ID, {0x11, 0x50}},
                                           {PSKEY_USB_PRODUCT_ID, {0x11, 0x50}},
                                           {PSKEY_USB_DFU_PRODUCT_ID, {0x11, 0xD0}},
                                           {PSKEY_USB_PRODUCT_STRING, productString}});
  constexpr uint32_t kInBatch = 0x333000;
  struct Case {
    const char* what;
    uint32_t address;  // lower part
    int fileModel;
    uint16_t refused;  // a key the headset refuses to write, or 0
    KeyWrites writes;  // when none is refused
    std::string reason;
  };
  const Case cases[] = {
      {"a unit of the batch with its real model's file", kInBatch, 0x5011, 0, reidentified, ""},
      {"a unit of the batch with its own model's file", kInBatch, 0x5060, 0, voxKeys, ""},
      {"a unit outside the batch with the other model's file", 0x123456, 0x5011, 0, {},
       text::GetFirmwareNotForModelText(0x5060, 0) + "[9][6]"},
      {"a unit of the batch that refuses its new identity", kInBatch, 0x5011, PSKEY_USB_PRODUCT_STRING, {},
       text::GetCannotUpdateFirmwareText(0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    sim::HeadsetProfile profile;
    profile.lap = c.address;
    ExpectUpdate(OpenOnUpdatePageAs(0x5060, 4, 2, profile), c.fileModel, c.refused, c.writes, c.reason);
  }
}

TEST_F(DfuUpdateTest, ARestoreUsesTheSameDispatcherWithoutAnArchive) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  w.GoToFirmwareRestorePage(false);
  w.m_dlgFirmwareRestore.FireTimer(firmware::TIMER_RESTORE_LOOKUP);
  ASSERT_TRUE(AwaitServer(w.m_dlgFirmwareRestore));
  ASSERT_EQ(w.m_nCurrentPage, 4);
  firmware::CFirmwareJob& job = w.m_dlgFirmwareRestore.m_job;
  job.m_strImagePath = Image();
  job.m_nState = firmware::JOB_DOWNLOADING;
  w.m_dlgFirmwareUpdate.StartRestoreJob(w.HoldBusy());
  ASSERT_TRUE(RunJob(w));
  EXPECT_TRUE(StatusSeen(text::GetPageProgressText(4, 0x4D21, 0)));
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(4, 0x4D21, 0));
  EXPECT_EQ(recognition_->lastToWrite, &w.m_dlgFirmwareRestore.m_archivedSettings) << "settings written back";
  EXPECT_FALSE(io::ReadWholeFile(ArchivePath()).has_value());
  EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
  EXPECT_LE(clock_.longestWindowSleep.load(), 100u);
}

TEST_F(DfuUpdateTest, ClosingTheWindowWhileTheStartWaitsEndsIt) {
  for (const bool archived : {false, true}) {
    SCOPED_TRACE(archived ? "waiting for the device" : "writing the archive");
    TearDown();
    SetUp();
    app::CUpdaterDlg& w = OpenOnUpdatePage();
    PressUpdate(w, Image());
    if (archived) {
      ASSERT_TRUE(AwaitArchive(w));
      ASSERT_TRUE(w.m_dlgFirmwareUpdate.IsTimerArmed(firmware::TIMER_UPDATE_STEP));
    }
    window_.reset();
    fw::Application::ProcessPendingMessages();
    EXPECT_TRUE(headset_->DfuRequests().empty());
  }
}


// The camera product's image holds the headset's DFU file and the camera's firmware: the DFU file
// goes to the headset, the camera's file onto the camera's card once the headset is back.
class SplitImageTest : public DfuUpdateTest {
 protected:
  static constexpr const char* kCameraBytes = "camera firmware bytes";

  std::string Container(uint32_t product, std::vector<std::vector<uint8_t>> sections) {
    sim::SimContainerSpec spec;
    spec.productId = product;
    spec.newerLayout = false;
    for (auto& bytes : sections) spec.sections.push_back({.bytes = std::move(bytes)});
    const std::string path = folder_ + "/camera.img";
    EXPECT_TRUE(sim::WriteFile(path, sim::MakeFirmwareImage(spec)));
    return path;
  }
  std::string Container() {
    const std::string camera(kCameraBytes);
    return Container(0x3020, {sim::MakeDfuFile(Spec()), std::vector<uint8_t>(camera.begin(), camera.end())});
  }
  // A mounted card that carries the camera's marker file, after a stick that does not.
  std::string Card() {
    const std::string card = folder_ + "/card";
    EXPECT_EQ(mkdir(card.c_str(), 0755), 0);
    drives_.AddRoot(Stick());
    drives_.AddRoot(card);
    drives_.AddFile(card, "thessik.bin");
    return card;
  }
  std::string Stick() const {
    const std::string stick = folder_ + "/stick";
    std::filesystem::create_directories(stick);
    return stick;
  }
  bool InImageFolder(const char* name) const { return io::ReadWholeFile(ImageFolder() + "/" + name).has_value(); }

  platform::FakeDrives drives_;
  platform::Drives::Scoped useDrives_{drives_};
};

TEST_F(SplitImageTest, TheHeadsetTakesTheDfuFileAndTheCardTheCameraFile) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  w.m_nDeviceTarget = 0x3020;
  const std::string card = Card();
  fw::ModalScript script;
  script.Press(fw::IDOK);
  // The camera's file of an earlier update is replaced.
  ASSERT_TRUE(io::WriteFileAtomically(card + "/pxe27_100.bin", "older camera firmware"));
  PressUpdate(w, Container());
  const uint32_t before = platform::Clock::Get().TickCount();
  ASSERT_TRUE(RunJob(w));

  EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, 0x4D21, 0));
  EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
  EXPECT_EQ(io::ReadWholeFile(card + "/pxe27_100.bin").value_or(""), kCameraBytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(card), {}), 1) << "no temporary file";
  EXPECT_TRUE(std::filesystem::is_empty(Stick())) << "only the card with the marker";
  EXPECT_FALSE(InImageFolder(firmware::kSplitDfuFileName));
  EXPECT_FALSE(InImageFolder(firmware::kSplitCameraFileName));
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(script.Last().Text(controls::IDC_MESSAGE_TEXT), text::GetCameraReconnectText(0));
  // Its OK keeps the program busy while the camera settles, once.
  EXPECT_GE(platform::Clock::Get().TickCount() - before, 10000u);
  EXPECT_FALSE(w.m_bWaitAfterOk);
  EXPECT_EQ(recognition_->silentRuns, 1);
}

TEST_F(SplitImageTest, AnImageThatCannotBeSplitOrACameraFileWithNowhereToGoIsAFailure) {
  const std::string camera(kCameraBytes);
  const std::vector<uint8_t> cameraBytes(camera.begin(), camera.end());
  struct Case {
    const char* what;
    std::function<std::string()> image;
    std::function<void()> drives;
    std::string reason;
    bool beforeTransfer;
  };
  const Case cases[] = {
      {"an image of another product",
       [&] { return Container(0x3010, {sim::MakeDfuFile(Spec()), cameraBytes}); }, nullptr,
       text::GetFirmwareCorruptedText(0), true},
      {"an image without the camera's file", [this] { return Container(0x3020, {sim::MakeDfuFile(Spec())}); },
       nullptr, text::GetFirmwareCorruptedText(0), true},
      {"a first section that is no DFU file",
       [&] { return Container(0x3020, {std::vector<uint8_t>(2000, 0x41), cameraBytes}); }, nullptr,
       text::GetCannotGetStatusText(0), true},
      {"a DFU file for another model",
       [&] {
         sim::SimImageSpec spec = Spec();
         spec.description = "VKT_TQG27N#4D20";
         return Container(0x3020, {sim::MakeDfuFile(spec), cameraBytes});
       },
       nullptr, text::GetFirmwareNotForModelText(0x3020, 0), true},
      {"no card with the camera's marker", [this] { return Container(); },
       [this] { drives_.AddRoot(Stick()); }, text::GetCheckSdCardText(0), false},
      {"a card the file cannot be written to", [this] { return Container(); },
       [this] {
         drives_.AddRoot(folder_ + "/gone");
         drives_.AddFile(folder_ + "/gone", "thessik.bin");
       },
       text::GetCameraUpdateFailedText(0), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    app::CUpdaterDlg& w = OpenOnUpdatePage();
    w.m_nDeviceTarget = 0x3020;
    if (c.drives) c.drives();
    // Files an earlier run left behind are never what gets flashed.
    ASSERT_TRUE(io::WriteFileAtomically(ImageFolder() + "/" + firmware::kSplitDfuFileName, "stale"));
    ASSERT_TRUE(io::WriteFileAtomically(ImageFolder() + "/" + firmware::kSplitCameraFileName, "stale"));
    PressUpdate(w, c.image());
    ASSERT_TRUE(RunJob(w));
    EXPECT_EQ(w.GetStatusMessage(), text::GetPageFailureText(3, 0x4D21, 0) + ". " + c.reason);
    EXPECT_FALSE(w.m_bStatusNormal) << "the error colour";
    EXPECT_EQ(recognition_->silentRuns, 0);
    if (c.beforeTransfer) {
      EXPECT_TRUE(headset_->DfuRequests().empty());
      // A failed split leaves no file; one that worked leaves this image's.
      const bool split = c.reason != text::GetFirmwareCorruptedText(0);
      EXPECT_EQ(InImageFolder(firmware::kSplitDfuFileName), split);
      EXPECT_EQ(io::ReadWholeFile(ImageFolder() + "/" + firmware::kSplitCameraFileName).value_or(""),
                split ? kCameraBytes : "");
    } else {
      EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
    }
  }
}

// A card that fills up, fails its flush or gives back other bytes never holds part of the camera's
// file under the name the camera applies: it keeps its older file, or none.
struct CardFault {
  const char* name;
  platform::FakeDrives::CardFaults faults;
  std::optional<std::string> left;
};

class CardFaultTest : public SplitImageTest, public testing::WithParamInterface<CardFault> {};

TEST_P(CardFaultTest, TheCardKeepsItsOlderFileOrNoneAndTheFailureShows) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  w.m_nDeviceTarget = 0x3020;
  const std::string card = Card();
  ASSERT_TRUE(io::WriteFileAtomically(card + "/pxe27_100.bin", "older camera firmware"));
  drives_.SetCardFaults(GetParam().faults);
  PressUpdate(w, Container());
  ASSERT_TRUE(RunJob(w));
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageFailureText(3, 0x4D21, 0) + ". " + text::GetCameraUpdateFailedText(0));
  EXPECT_FALSE(w.m_bStatusNormal);
  EXPECT_EQ(io::ReadWholeFile(card + "/pxe27_100.bin"), GetParam().left);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(card), {}), GetParam().left ? 1 : 0)
      << "no temporary file";
}

INSTANTIATE_TEST_SUITE_P(Cards, CardFaultTest,
                         testing::Values(CardFault{"TooLittleRoom", {.room = 5}, "older camera firmware"},
                                         CardFault{"FailingFlush", {.syncFails = true}, "older camera firmware"},
                                         CardFault{"OtherBytesReadBack", {.altersBytes = true}, std::nullopt}),
                         [](const testing::TestParamInfo<CardFault>& info) { return std::string(info.param.name); });

// The two-device product: both units are flashed, the second only once the first runs again.
class TwoDeviceTest : public DfuUpdateTest {
 protected:
  // Attaches a second unit behind the first.
  void AttachSecond() {
    second_ = std::make_shared<sim::SimBlueCoreHeadset>();
    usb_.Attach("1-3", second_);
  }
  // The job as the checks of the dispatcher leave it, the driver started as the dispatcher starts it.
  void StartDriver(app::CUpdaterDlg& w) {
    firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
    w.m_nDeviceTarget = device::kTwoDeviceProduct;
    page.m_jobBusy = w.HoldBusy();
    page.m_job.m_strImagePath = Image();
    page.m_job.m_nState = firmware::JOB_IMAGE_OK;
    page.m_job.m_nError = firmware::JOB_ERROR_NONE;
    page.m_nProgressCallbacks = 0;
    page.m_bStepStarted = true;
    page.StartDfuReconfigure();
    page.m_job.m_nState = firmware::JOB_RECONFIGURING;
    page.SetTimer(firmware::TIMER_UPDATE_PROGRESS, 1000);
  }

  std::shared_ptr<sim::SimBlueCoreHeadset> second_;
};

TEST_F(TwoDeviceTest, TheSecondUnitIsFlashedOnlyOnceTheFirstRunsAgain) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  AttachSecond();
  fw::ModalScript script;
  script.Press(fw::IDOK);
  StartDriver(w);
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  std::vector<std::pair<int, int>> shown;  // active engine, progress shown after the tick
  bool secondTouchedEarly = false;
  ASSERT_TRUE(RunJob(w, [&](CFirmwareJob&) {
    if (page.m_nActiveEngine == 1 && !second_->DfuRequests().empty()) secondTouchedEarly = true;
  }));
  EXPECT_FALSE(secondTouchedEarly) << "the second unit waits for the first";

  const std::string success = text::GetPageSuccessText(3, 0x4D21, 0);
  EXPECT_EQ(w.GetStatusMessage(), success);
  for (auto* unit : {headset_.get(), second_.get()}) {
    EXPECT_EQ(unit->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
  }
  ASSERT_FALSE(progress_.empty());
  EXPECT_TRUE(std::is_sorted(progress_.begin(), progress_.end())) << "progress never goes back";
  EXPECT_LT(progress_.front(), 50);
  EXPECT_GT(progress_.back(), 50) << "the second unit shows in the upper half";
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(script.Last().Text(controls::IDC_MESSAGE_TEXT), text::Format(text::GetPowerCycleText(0), success));
  EXPECT_EQ(page.TimerArmings(firmware::TIMER_DEVICE_BACK), 2u) << "one poll for each unit";
  EXPECT_EQ(recognition_->silentRuns, 1);
}

TEST_F(TwoDeviceTest, OneUnitOrTwoOfTheWrongKindAreNotTheRecognisedDevice) {
  {
    // Only one unit on the bus: the driver finds one device where it needs two.
    app::CUpdaterDlg& w = OpenOnUpdatePage();
    StartDriver(w);
    ASSERT_TRUE(RunJob(w));
    EXPECT_EQ(w.GetStatusMessage(),
              text::GetPageFailureText(3, 0x4D21, 0) + ". " + text::GetUsbMismatchText(0) + "(1)");
    EXPECT_TRUE(headset_->DfuRequests().empty());
  }
  TearDown();
  SetUp();
  {
    // The dispatcher wants two units of the product's own ids; this edition's units are not.
    app::CUpdaterDlg& w = OpenOnUpdatePage();
    AttachSecond();
    w.m_nDeviceTarget = device::kTwoDeviceProduct;
    fw::ModalScript script;
    script.Press(fw::IDOK);
    PressUpdate(w, Image());
    EXPECT_EQ(w.m_dlgFirmwareUpdate.m_job.m_astrMessages.Peek()[0],
              text::GetPageFailureText(3, 0x4D21, 0) + ". " + text::GetNotRecognizedDeviceText(0) + "[9][1]");
    ASSERT_TRUE(RunJob(w));
    EXPECT_EQ(w.m_nCurrentPage, 1);
    EXPECT_TRUE(headset_->DfuRequests().empty());
    EXPECT_TRUE(second_->DfuRequests().empty());
  }
}

}  // namespace
}  // namespace testing_app
