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
#include "device/PsKeys.h"
#include "controls/DialogMessageBox.h"
#include "framework/TestSeams.h"
#include "localization/FirmwareTexts.h"
#include "localization/MainWindowTexts.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "platform/Clock.h"
#include "platform/Drives.h"
#include "localization/SafeFormat.h"

namespace testing_app {
namespace {

using firmware::CFirmwareJob;

constexpr const char* kArchiveName = "VKT_TQG27N.kelnuarch";

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
    return w;
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
    for (int round = 0; round < 4000 && page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS); ++round) {
      fw::Application::ProcessPendingMessages();
      page.FireTimer(firmware::TIMER_DEVICE_BACK);
      if (round % 4 == 0) {
        if (onTick) onTick(page.ActiveJob());
        const int state = page.ActiveJob().m_nState;
        if (page.FireTimer(firmware::TIMER_UPDATE_PROGRESS) && page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS)) {
          progress_.push_back(w.m_nProgress);
          bands_.push_back({state, w.m_nProgress});
        }
        statuses_.push_back(w.GetStatusMessage());
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    fw::Application::ProcessPendingMessages();
    const bool ended = !page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS);
    // A success enters page 3 again, which reads the server's list before it is ready.
    if (w.m_nCurrentPage == 3) page.FireTimer(firmware::TIMER_FIRMWARE_LIST);
    return ended;
  }

  bool StatusSeen(const std::string& text) const {
    return std::find(statuses_.begin(), statuses_.end(), text) != statuses_.end();
  }
  std::string ArchivePath() const { return ImageFolder() + "/" + kArchiveName; }

  platform::ManualClock clock_;
  platform::Clock::Scoped useClock_{clock_};
  std::shared_ptr<sim::SimBlueCoreHeadset> headset_;
  FakeRecognition* recognition_ = nullptr;
  std::vector<int> progress_;
  std::vector<std::pair<int, int>> bands_;  // job state at a tick, progress after it
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
  // The dispatcher has returned: the archive is complete before the engine's first request.
  const auto archive = io::ReadWholeFile(ArchivePath());
  ASSERT_TRUE(archive.has_value());
  EXPECT_EQ(std::count(archive->begin(), archive->end(), '\n'), 57);
  EXPECT_NE(archive->find("keyDeviceRecognized=19745\r\n"), std::string::npos);
  EXPECT_TRUE(HasEnglishDate(*archive));

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

TEST_F(DfuUpdateTest, WithoutTheProgramsFolderTheBackupFailsInsteadOfLandingInTheRoot) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  const std::string image = Image();
  const std::string atRoot = "/" + std::filesystem::path(ArchivePath()).filename().string();
  scopedPaths_.reset();
  paths_.emplace("");
  scopedPaths_.emplace(*paths_);
  PressUpdate(w, image);
  EXPECT_EQ(w.m_dlgFirmwareUpdate.m_job.m_nState, firmware::JOB_WAITING_USER);
  EXPECT_FALSE(std::filesystem::exists(atRoot));
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

TEST_F(DfuUpdateTest, ADeviceThatNeverComesBackIsAFailure) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  // As the job stands once the image is in and the device restarts, with no prompt open.
  w.m_bBusy = true;
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

TEST_F(DfuUpdateTest, ARestoreUsesTheSameDispatcherWithoutAnArchive) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  w.GoToFirmwareRestorePage(false);
  w.m_dlgFirmwareRestore.FireTimer(firmware::TIMER_RESTORE_LOOKUP);
  ASSERT_EQ(w.m_nCurrentPage, 4);
  firmware::CFirmwareJob& job = w.m_dlgFirmwareRestore.m_job;
  job.m_strImagePath = Image();
  job.m_nState = firmware::JOB_DOWNLOADING;
  w.m_bBusy = true;
  w.m_dlgFirmwareUpdate.StartFirmwareUpdate();
  w.m_dlgFirmwareUpdate.SetTimer(firmware::TIMER_UPDATE_PROGRESS, 1000);
  ASSERT_TRUE(RunJob(w));
  EXPECT_TRUE(StatusSeen(text::GetPageProgressText(4, 0x4D21, 0)));
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(4, 0x4D21, 0));
  EXPECT_EQ(recognition_->lastToWrite, &w.m_dlgFirmwareRestore.m_archivedSettings) << "settings written back";
  EXPECT_FALSE(io::ReadWholeFile(ArchivePath()).has_value());
  EXPECT_EQ(headset_->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
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
      EXPECT_EQ(io::ReadWholeFile(ImageFolder() + "/" + firmware::kSplitCameraFileName).value_or(""),
                c.reason == text::GetFirmwareCorruptedText(0) ? "" : kCameraBytes);
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
    w.m_bBusy = true;
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
