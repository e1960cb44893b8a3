// A firmware update of the maker's HID headsets from page 3 (and a restore's hand-over) against
// simulated vendor interfaces: the dispatcher's checks, the thread it starts, what the thread asks
// of the window, the device coming back (or not) and the window closing under a running thread.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/MainWindowFixture.h"
#include "controls/DialogMessageBox.h"
#include "firmware/transfer/TransferRig.h"
#include "firmware/update/UpdateStepWaits.h"
#include "headset/hid/HidRecognition.h"
#include "localization/FirmwareTexts.h"
#include "localization/MainWindowTexts.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"

namespace testing_app {
namespace {

using firmware::CFirmwareJob;
using transfertest::Bytes;
using transfertest::SimFlashInterface;

// The two interfaces of a device run firmware of their own.
constexpr std::array<uint8_t, 4> kRecognisedVersion = {2, 1, 0, 3};
constexpr std::array<uint8_t, 4> kRecognisedSecondVersion = {1, 4, 0, 2};

// Real time for the transfer thread to get somewhere; false when it has not after five seconds.
bool Eventually(const std::function<bool()>& reached) {
  for (int i = 0; i < 5000 && !reached(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return reached();
}

class HidUpdateTest : public MainWindowTest {
 protected:
  // The device as recognition over HID leaves it: its two vendor interfaces attached and open, its
  // versions in the record; the window on page 3 with the server's list read.
  app::CUpdaterDlg& OpenOnUpdatePage(int target = 0x4310) {
    hid_.Clear();
    first_ = {};
    second_ = {};
    AddInterfaces(target);
    first_.version = kRecognisedVersion;
    second_.version = kRecognisedSecondVersion;
    auto recognition = std::make_unique<FakeRecognition>();
    recognition_ = recognition.get();
    app::CUpdaterDlg::Pages pages;
    pages.recognition = std::move(recognition);
    app::CUpdaterDlg& w = Start(std::move(pages));
    Recognise(w, target);
    SetRecordVersion(w, {2, 1, 0, 3});
    w.m_deviceSettings.m_anHidVersion2 = {1, 4, 0, 2, 0};
    headset::hid::OpenHidInterfacesFor(target, w.m_hHidDevice, w.m_hHidDeviceSecond);
    w.GoToFirmwareUpdatePage(false);
    w.m_dlgFirmwareUpdate.FireTimer(firmware::TIMER_FIRMWARE_LIST);
    EXPECT_TRUE(AwaitServer(w.m_dlgFirmwareUpdate));
    return w;
  }

  // The device's two vendor interfaces, behind whatever the bus already holds.
  void AddInterfaces(int target) {
    firstPath_ = hid_.Add(io::HID_VENDOR_ID, uint16_t(target), io::HID_USAGE_PAGE_VENDOR, io::HID_USAGE_VENDOR,
                          [this](const std::vector<uint8_t>& r) { return first_.Answer(r); });
    secondPath_ = hid_.Add(io::HID_VENDOR_ID, uint16_t(target), io::HID_USAGE_PAGE_VENDOR, io::HID_USAGE_VENDOR,
                           [this](const std::vector<uint8_t>& r) { return second_.Answer(r); });
  }

  // Both interfaces' versions and the firmware version.
  static void SetRecordVersion(app::CUpdaterDlg& w, std::array<int, 4> v) {
    device::CDeviceSettings& record = w.m_deviceSettings;
    record.m_nVersionMajor = v[0];
    record.m_nVersionMinor = v[1];
    record.m_nSecondaryVersionType = v[2];
    record.m_nSecondaryVersion = v[3];
    record.m_anHidVersion1 = record.m_anHidVersion2 = {v[0], v[1], v[2], v[3], 0};
  }

  // A section of type 0 for the first interface (which it marks for the finish) and, for a product
  // of two interfaces, one of type 3 for the second (which it does not mark).
  std::string Image(uint32_t productId = 0, bool twoInterfaces = true) {
    sim::SimContainerSpec spec;
    spec.productId = productId;
    spec.sections = {{0, 1, Bytes(2039)}};
    if (twoInterfaces) spec.sections.push_back({3, 2, Bytes(5)});
    const std::string path = folder_ + "/update.img";
    const std::vector<uint8_t> bytes = sim::MakeFirmwareImage(spec);
    EXPECT_TRUE(io::WriteFileAtomically(path, std::string(bytes.begin(), bytes.end())));
    return path;
  }

  void PressUpdate(app::CUpdaterDlg& w, const std::string& image) {
    w.m_dlgFirmwareUpdate.m_editImagePath.SetWindowText(image);
    w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_ACTION, fw::BN_CLICKED), 0);
  }

  // Runs the job as the window would (posted messages, timer 205 while armed, timer 203) until the
  // window is no longer busy; records the job state at each progress tick. False when it has not
  // ended in time.
  bool RunJob(app::CUpdaterDlg& w) {
    firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS) && std::chrono::steady_clock::now() < deadline) {
      fw::Application::ProcessPendingMessages();
      page.FireTimer(firmware::TIMER_UPDATE_STEP);
      page.FireTimer(firmware::TIMER_DEVICE_BACK);
      states_.push_back(page.ActiveJob().m_nState);
      page.FireTimer(firmware::TIMER_UPDATE_PROGRESS);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    fw::Application::ProcessPendingMessages();
    return !page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS);
  }

  bool StateSeen(int state) const { return std::find(states_.begin(), states_.end(), state) != states_.end(); }

  bool ArchiveWritten() const {
    if (!std::filesystem::exists(ImageFolder())) return false;
    for (const auto& entry : std::filesystem::directory_iterator(ImageFolder())) {
      if (entry.path().extension() == ".kelnuarch") return true;
    }
    return false;
  }

  static std::string Failure(int page, int usbStatus, const std::string& reason) {
    return text::GetPageFailureText(page, usbStatus, 0) + ". " + reason;
  }

  transfertest::HookedClock clock_;
  platform::Clock::Scoped useClock_{clock_};
  SimFlashInterface first_, second_;
  std::string firstPath_, secondPath_;
  FakeRecognition* recognition_ = nullptr;
  std::vector<int> states_;
};

TEST_F(HidUpdateTest, SendsTheImageAndCompletesWhenTheDeviceIsBack) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  PressUpdate(w, Image());
  ASSERT_TRUE(Eventually([&] { return !page.IsTransferThreadRunning(); }));

  EXPECT_EQ(first_.ChunkCounts(), (std::vector<uint16_t>{0x03FB, 0x03FB, 0x0001}));
  EXPECT_EQ(second_.ChunkCounts(), (std::vector<uint16_t>{5}));
  EXPECT_EQ(first_.Count(io::HID_CMD_FINISH_UPDATE), 1);
  EXPECT_EQ(second_.Count(io::HID_CMD_FINISH_UPDATE), 0) << "no section marked the second interface";
  EXPECT_EQ(page.m_job.m_nState, firmware::JOB_WAITING_RESTART);
  // The thread only asked: the window arms its timer when it handles the message.
  EXPECT_FALSE(page.IsTimerArmed(firmware::TIMER_DEVICE_BACK));
  EXPECT_EQ(w.m_deviceSettings.m_timeArchived, 0);
  fw::Application::ProcessPendingMessages();
  EXPECT_TRUE(page.IsTimerArmed(firmware::TIMER_DEVICE_BACK));
  EXPECT_NE(w.m_deviceSettings.m_timeArchived, 0);
  EXPECT_TRUE(ArchiveWritten());

  ASSERT_TRUE(RunJob(w));
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, 0x4310, 0));
  EXPECT_TRUE(w.m_bStatusNormal);
  EXPECT_EQ(recognition_->silentRuns, 1) << "recognition runs again";
}

TEST_F(HidUpdateTest, AnUpdateModeProductIsSwitchedAndOpenedAgainBeforeItsTransfer) {
  app::CUpdaterDlg& w = OpenOnUpdatePage(0x6010);
  PressUpdate(w, Image(0x6010, false));
  EXPECT_EQ(first_.log.size(), 1u) << "the device restarts before it is asked anything";
  // Its restart is waited for on the window's timer: the window keeps answering meanwhile.
  EXPECT_EQ(RunStepWaits(w), std::vector<unsigned>{3000});
  ASSERT_TRUE(RunJob(w));
  EXPECT_LE(clock_.longestWindowSleep.load(), 100u);
  ASSERT_GE(first_.log.size(), 3u);
  EXPECT_EQ(first_.log[0].command, io::HID_CMD_ENTER_BOOTLOADER);
  EXPECT_EQ(first_.log[1].command, io::HID_CMD_READ_VERSION) << "asked on the interface opened again";
  EXPECT_EQ(first_.log[2].command, io::HID_CMD_BEGIN_SECTION);
  EXPECT_EQ(first_.Count(io::HID_CMD_FINISH_UPDATE), 1);
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, 0x6010, 0));
}

// A device that is no longer attached when it is to be opened again fails the job at once: nothing
// more is sent through the handle recognition left open, and no transfer or wait follows.
TEST_F(HidUpdateTest, ADeviceThatCannotBeOpenedAgainFailsTheJob) {
  struct Case {
    const char* name;
    int target;
    bool goneBeforeAction;  // else gone during the wait for its restart
    size_t commandsSent;
  };
  const Case cases[] = {
      {"the boot loader's preparation", 0x6020, true, 0},
      {"the switch into update mode", 0x6010, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    app::CUpdaterDlg& w = OpenOnUpdatePage(c.target);
    firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
    if (c.goneBeforeAction) hid_.Clear();
    PressUpdate(w, Image(uint32_t(c.target), false));
    if (!c.goneBeforeAction) {
      hid_.Clear();
      RunStepWaits(w);
    }
    EXPECT_FALSE(page.IsTimerArmed(firmware::TIMER_UPDATE_STEP)) << "no wait follows";
    EXPECT_FALSE(page.IsTransferThreadRunning());
    EXPECT_EQ(first_.log.size(), c.commandsSent);
    ASSERT_TRUE(RunJob(w));
    EXPECT_EQ(w.GetStatusMessage(), Failure(3, c.target, text::GetNotRecognizedDeviceText(0)));
    EXPECT_FALSE(w.m_bBusy);
  }
}

// A product whose transfer starts at once, and one whose transfer follows a wait for its restart.
TEST_F(HidUpdateTest, AFailedArchiveWaitsForTheUsersOkAndThenTransfers) {
  for (const int target : {0x4310, 0x6010}) {
    SCOPED_TRACE(target);
    TearDown();
    SetUp();
    app::CUpdaterDlg& w = OpenOnUpdatePage(target);
    firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
    std::filesystem::remove_all(ImageFolder());  // nowhere to write the archive
    PressUpdate(w, Image(target == 0x4310 ? 0 : uint32_t(target), target == 0x4310));
    RunStepWaits(w);
    // The thread has set its flag; the window takes its time before it shows the job waiting.
    ASSERT_TRUE(Eventually([&] { return w.m_bWaitForUserOk.load(); }));
    EXPECT_NE(page.m_job.m_nState, firmware::JOB_WAITING_USER);
    ASSERT_TRUE(Eventually([&] {
      fw::Application::ProcessPendingMessages();
      return page.m_job.m_nState == firmware::JOB_WAITING_USER;
    }));
    page.FireTimer(firmware::TIMER_UPDATE_PROGRESS);
    ASSERT_TRUE(page.m_job.m_pPopup);
    EXPECT_EQ(page.m_job.m_pPopup->m_strText, text::GetBackupFailedText(0));
    EXPECT_FALSE(w.m_bStatusNormal) << "the backup failed, whatever came before";
    EXPECT_EQ(first_.Count(io::HID_CMD_BEGIN_SECTION), 0) << "nothing is sent before OK";
    EXPECT_TRUE(page.IsTransferThreadRunning());

    page.m_job.m_pPopup->SendMessage(fw::WM_COMMAND, fw::MakeCommand(fw::IDOK, fw::BN_CLICKED), 0);
    ASSERT_TRUE(RunJob(w));
    EXPECT_EQ(first_.ChunkCounts(), (std::vector<uint16_t>{0x03FB, 0x03FB, 0x0001}));
    EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(3, target, 0));
    EXPECT_EQ(recognition_->silentRuns, 1);
  }
}

TEST_F(HidUpdateTest, ARestoreWritesNoArchiveAndDoesNotWait) {
  app::CUpdaterDlg& w = OpenOnUpdatePage();
  w.GoToFirmwareRestorePage(false);
  w.m_dlgFirmwareRestore.FireTimer(firmware::TIMER_RESTORE_LOOKUP);
  ASSERT_TRUE(AwaitServer(w.m_dlgFirmwareRestore));
  ASSERT_EQ(w.m_nCurrentPage, 4);
  headset::hid::OpenHidInterfacesFor(0x4310, w.m_hHidDevice, w.m_hHidDeviceSecond);
  // An archive could not be written either: a restore that tried would wait for the user.
  std::filesystem::remove_all(ImageFolder());
  CFirmwareJob& job = w.m_dlgFirmwareRestore.m_job;
  job.m_strImagePath = Image();
  job.m_nState = firmware::JOB_DOWNLOADING;
  w.m_dlgFirmwareUpdate.StartRestoreJob(w.HoldBusy());
  ASSERT_TRUE(RunJob(w));
  EXPECT_FALSE(StateSeen(firmware::JOB_WAITING_USER));
  EXPECT_FALSE(ArchiveWritten());
  EXPECT_EQ(first_.Count(io::HID_CMD_FINISH_UPDATE), 1);
  EXPECT_EQ(w.GetStatusMessage(), text::GetPageSuccessText(4, 0x4310, 0));
  EXPECT_EQ(recognition_->lastToWrite, &w.m_dlgFirmwareRestore.m_archivedSettings) << "settings written back";
}

TEST_F(HidUpdateTest, ADeviceThatIsNotTheRecognisedOneGetsNothing) {
  struct Case {
    const char* what;
    std::function<void(app::CUpdaterDlg&)> fault;
    int target = 0x4310;
    std::function<void()> afterPress = nullptr;
  };
  const auto unplug = [this] {
    hid_.Remove(firstPath_);
    hid_.Remove(secondPath_);
  };
  const Case cases[] = {
      {"another version on the first interface", [this](auto&) { first_.version[3] = 4; }},
      {"another version on the second interface", [this](auto&) { second_.version[0] = 3; }},
      {"another version on the second interface of the legacy-image product",
       [this](auto&) { second_.version[0] = 3; }, 0x4210},
      // The window still holds the recognised device's interfaces; the bus shows the other first.
      {"another of the maker's products attached ahead of it",
       [this](auto&) {
         hid_.Remove(firstPath_);
         hid_.Remove(secondPath_);
         hid_.Add(io::HID_VENDOR_ID, 0x4350, io::HID_USAGE_PAGE_VENDOR, io::HID_USAGE_VENDOR,
                  [this](const std::vector<uint8_t>& r) { return first_.Answer(r); });
         AddInterfaces(0x4310);
       }},
      // A device that does not answer must not pass for one recognised at 1.0.0.0.
      {"no answer to the version query",
       [this](auto& w) {
         SetRecordVersion(w, {1, 0, 0, 0});
         first_.silentAt[io::HID_CMD_READ_VERSION] = 1;
       }},
      {"an interface that cannot be opened",
       [this](auto& w) {
         SetRecordVersion(w, {1, 0, 0, 0});
         w.CloseHidHandles();
         hid_.SetOpenFails(firstPath_, true);
         hid_.SetOpenFails(secondPath_, true);
       }},
      {"no device of the product", [&](auto&) { unplug(); }},
      {"no device to send into its boot loader", [&](auto&) { unplug(); }, 0x6020},
      {"not back after the restart into its update mode", [](auto&) {}, 0x6010, unplug},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    app::CUpdaterDlg& w = OpenOnUpdatePage(c.target);
    c.fault(w);
    PressUpdate(w, Image());
    if (c.afterPress) c.afterPress();
    EXPECT_FALSE(w.m_dlgFirmwareUpdate.IsTransferThreadRunning());
    ASSERT_TRUE(RunJob(w));
    EXPECT_EQ(w.GetStatusMessage(), Failure(3, c.target, text::GetNotRecognizedDeviceText(0)));
    EXPECT_FALSE(w.m_bStatusNormal) << "the error colour";
    EXPECT_EQ(w.m_nCurrentPage, 3);
    EXPECT_EQ(first_.Count(io::HID_CMD_BEGIN_SECTION) + second_.Count(io::HID_CMD_BEGIN_SECTION), 0);
  }
}

TEST_F(HidUpdateTest, ADeviceThatDoesNotComeBackEndsAsAFailure) {
  // A product that restarts by itself, and one whose user is asked to hold its button.
  for (const auto& [target, applying] : {std::pair{0x4310, false}, std::pair{0x5610, true}}) {
    SCOPED_TRACE(target);
    TearDown();
    SetUp();
    app::CUpdaterDlg& w = OpenOnUpdatePage(target);
    firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
    hid_.Clear();  // it never comes back
    // As the thread leaves the job once the finish was accepted.
    page.m_jobBusy = w.HoldBusy();
    page.m_job.m_nPercent = 77;
    page.m_job.m_nError = firmware::JOB_ERROR_NONE;
    page.m_job.m_bApplying = applying;
    page.m_job.m_nState = firmware::JOB_WAITING_RESTART;
    page.SetTimer(firmware::TIMER_UPDATE_PROGRESS, 1000);
    page.SetTimer(firmware::TIMER_DEVICE_BACK, 500);
    int ticks = 0;
    for (; ticks < 1000 && page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS); ++ticks) {
      page.FireTimer(firmware::TIMER_DEVICE_BACK);
      page.FireTimer(firmware::TIMER_UPDATE_PROGRESS);
      if (page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS)) {
        EXPECT_LE(w.m_nProgress, 98);
      }
    }
    EXPECT_GT(ticks, 60) << "the device has time to restart";
    EXPECT_FALSE(w.m_bBusy);
    EXPECT_FALSE(page.IsTimerArmed(firmware::TIMER_DEVICE_BACK));
    EXPECT_FALSE(page.m_job.m_pPopup);
    EXPECT_EQ(w.GetStatusMessage(), Failure(3, target, text::GetCannotGetDeviceText(0)));
    EXPECT_FALSE(w.m_bStatusNormal);
    EXPECT_EQ(recognition_->silentRuns, 0);
  }
}

TEST_F(HidUpdateTest, TheBootLoaderPreparationWaitsOnTheWindowsTimerThenTakesTheDfuPath) {
  app::CUpdaterDlg& w = OpenOnUpdatePage(0x6020);
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  PressUpdate(w, Image());
  EXPECT_EQ(first_.Count(io::HID_CMD_READ_VERSION), 1);
  EXPECT_EQ(first_.Count(io::HID_CMD_ENTER_BOOTLOADER), 1);
  EXPECT_FALSE(w.m_hHidDevice) << "the device has left for its boot loader";
  std::vector<int> usbStatusAtWait;
  EXPECT_EQ(RunStepWaits(w, 2, [&](size_t) { usbStatusAtWait.push_back(w.m_nUsbStatus); }),
            (std::vector<unsigned>{10000, 1000}));
  // The DFU path looks for the device under its boot loader's product id.
  EXPECT_EQ(usbStatusAtWait, (std::vector<int>{0x6020, 0x6021}));
  EXPECT_TRUE(page.m_job.m_bFinished);
  EXPECT_NE(page.m_job.m_astrMessages.Peek()[0].find("[9]["), std::string::npos) << "a check of the DFU path";
  EXPECT_EQ(clock_.slept, 0u) << "nothing slept";
  EXPECT_FALSE(page.IsTransferThreadRunning());
}

TEST_F(HidUpdateTest, ClosingTheWindowStopsAndJoinsTheThread) {
  clock_.onSleep = [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); };
  const auto restore = [this](app::CUpdaterDlg& w, const std::string& image) {
    w.GoToFirmwareRestorePage(false);
    w.m_dlgFirmwareRestore.FireTimer(firmware::TIMER_RESTORE_LOOKUP);
    EXPECT_TRUE(AwaitServer(w.m_dlgFirmwareRestore));
    CFirmwareJob& job = w.m_dlgFirmwareRestore.m_job;
    job.m_strImagePath = image;
    job.m_nState = firmware::JOB_DOWNLOADING;
    w.m_dlgFirmwareUpdate.StartRestoreJob(w.HoldBusy());
    return &job;
  };

  {
    SCOPED_TRACE("an update waiting for the user's OK");
    app::CUpdaterDlg& w = OpenOnUpdatePage();
    std::filesystem::remove_all(ImageFolder());
    PressUpdate(w, Image());
    ASSERT_TRUE(Eventually([&] { return w.m_bWaitForUserOk.load(); }));
    window_.reset();
  }
  {
    // The restore page's job goes before the update page: the thread must not outlive it.
    SCOPED_TRACE("a restore polling a device that is never ready");
    TearDown();
    SetUp();
    app::CUpdaterDlg& w = OpenOnUpdatePage(0x5610);
    first_.notReadyAnswers = -1;
    CFirmwareJob* job = restore(w, Image(0x5610, false));
    ASSERT_TRUE(Eventually([&] { return job->m_bApplying.load(); }));
    window_.reset();
    EXPECT_LT(first_.Count(io::HID_CMD_QUERY_READY), 100) << "the stop ended the poll";
  }
}

// A window closed while the start waits for the device takes the wait with it: nothing more reaches
// the device.
TEST_F(HidUpdateTest, ClosingTheWindowDuringAWaitEndsIt) {
  for (const int target : {0x6020, 0x6010}) {
    SCOPED_TRACE(target);
    TearDown();
    SetUp();
    app::CUpdaterDlg& w = OpenOnUpdatePage(target);
    PressUpdate(w, Image(uint32_t(target), false));
    ASSERT_TRUE(w.m_dlgFirmwareUpdate.IsTimerArmed(firmware::TIMER_UPDATE_STEP));
    const size_t sent = first_.log.size();
    window_.reset();
    fw::Application::ProcessPendingMessages();
    EXPECT_EQ(first_.log.size(), sent);
  }
}

}  // namespace
}  // namespace testing_app
