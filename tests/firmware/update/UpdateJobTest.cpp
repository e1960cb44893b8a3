// The update page's rules for a running job, each driven on its own: the DFU engine driver's answers
// to the library's reports (which step follows, when and with which text the job fails, the
// hold-button prompt), the device-back poll, the progress timer's limits and the transfer thread's
// request for the poll. No engine is bound here, so every step the driver tries to start is refused.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SimBlueCoreHeadset.h"
#include "app/MainWindowFixture.h"
#include "controls/DialogMessageBox.h"
#include "device/FirmwareUpdateSets.h"
#include "localization/FirmwareTexts.h"
#include "localization/MainWindowTexts.h"
#include "localization/StatusTexts.h"

namespace {

using Status = dfu::DFUEngine::Status;

Status Progress(int activity) {
  Status status;
  status.activity = activity;
  return status;
}

Status Completion(int operation, dfu::DfuResultCode code = dfu::kResultOk) {
  Status status;
  status.operation = operation;
  status.result = dfu::Result(code, code == dfu::kResultOk ? "" : "failed");
  return status;
}

class UpdateJobTest : public testing_app::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    app::CUpdaterDlg& w = Start();
    Recognise(w, 0x4D21);
    w.GoToFirmwareUpdatePage(false);
    Page().FireTimer(firmware::TIMER_FIRMWARE_LIST);
    ASSERT_TRUE(testing_app::AwaitServer(Page()));
  }

  firmware::CDialogFirmwareUpdate& Page() { return window_->m_dlgFirmwareUpdate; }
  firmware::CFirmwareJob& Job() { return Page().m_job; }

  // The job as the driver leaves it once the first engine has started to reconfigure.
  void Running(int target, int usbStatus, int activeEngine = 1) {
    window_->m_nDeviceTarget = target;
    window_->m_nUsbStatus = usbStatus;
    Page().m_jobBusy = window_->HoldBusy();
    Job().m_nState = firmware::JOB_RECONFIGURING;
    Job().m_nError = firmware::JOB_ERROR_NONE;
    Page().m_nActiveEngine = activeEngine;
  }

  // A report from the library, handled as its posted message is.
  void Report(const Status& status) {
    if (status.operation == dfu::kOperationNone) {
      Page().OnDfuProgress(0, status);
    } else {
      Page().OnDfuComplete(0, status);
    }
    fw::Application::ProcessPendingMessages();
  }

  std::string Message() { return Job().m_astrMessages.Peek()[0]; }
  std::string Failure(std::string (*reason)(int)) {
    return text::GetPageFailureText(3, window_->m_nUsbStatus, 0) + ". " + reason(0);
  }
  std::string PopupText() { return Job().m_pPopup ? Job().m_pPopup->m_strText : std::string(); }

  // A pop-up of the job, whatever opened it.
  void OpenPopup() {
    auto popup = std::make_unique<controls::CDialogMessageBox>(window_.get());
    popup->Setup("Hold", true, std::nullopt, std::nullopt, {400, 110});
    ASSERT_TRUE(popup->Create());
    Job().m_pPopup = std::move(popup);
  }
};

TEST_F(UpdateJobTest, EachCompletedStepStartsTheNextAndARefusedStartFailsTheJobAtOnce) {
  struct Case {
    const char* what;
    int operation;
    bool transferDone;
    bool fails;
    bool pollsForTheDevice;
  };
  const Case cases[] = {
      {"reconfigured: the download is refused", dfu::kOperationReconfigure, false, true, false},
      {"reached DFU mode: the download is refused", dfu::kOperationReconfigureAlternative, false, true, false},
      {"downloaded: the manifest is refused", dfu::kOperationDownload, false, true, false},
      {"manifested before the image was transferred", dfu::kOperationManifest, false, false, false},
      {"manifested after the image was transferred", dfu::kOperationManifest, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Running(0x4D21, 0x4D21);
    Job().m_bFinished = false;
    Job().m_astrMessages.Clear();
    Page().m_bTransferDone = c.transferDone;
    Page().m_bDeviceBackTimer = false;
    Page().KillTimer(firmware::TIMER_DEVICE_BACK);
    Report(Completion(c.operation));
    EXPECT_EQ(Job().m_bFinished.load(), c.fails);
    EXPECT_EQ(Message(), c.fails ? Failure(text::GetCannotUpdateFirmwareText) : "");
    EXPECT_EQ(Page().IsTimerArmed(firmware::TIMER_DEVICE_BACK), c.pollsForTheDevice);
  }
}

// A device that cannot be reached once the first engine looked for it in DFU mode: the second
// engine is asked to take over, which only the two-device product has bound and which this
// product cannot use.
TEST_F(UpdateJobTest, AnUnreachableDeviceInDfuModeAsksTheSecondEngineWhoseRefusalCannotGetTheDevice) {
  struct Case {
    const char* what;
    int target;
    int activeEngine;
    int operation;
    dfu::DfuResultCode code;
    std::string (*reason)(int);
  };
  const Case cases[] = {
      {"the device left", 0x4D21, 1, dfu::kOperationReconfigureAlternative, dfu::kResultDeviceLost,
       text::GetCannotGetDeviceText},
      {"no device", 0x4D21, 1, dfu::kOperationReconfigureAlternative, dfu::kResultNoDevice,
       text::GetCannotGetDeviceText},
      {"the two-device product", 0x5310, 1, dfu::kOperationReconfigureAlternative, dfu::kResultDeviceLost,
       text::GetCannotUpdateFirmwareText},
      {"on the second engine already", 0x4D21, 2, dfu::kOperationReconfigureAlternative, dfu::kResultDeviceLost,
       text::GetCannotUpdateFirmwareText},
      {"another failure", 0x4D21, 1, dfu::kOperationReconfigureAlternative, dfu::kResultFailed,
       text::GetCannotUpdateFirmwareText},
      {"another step", 0x4D21, 1, dfu::kOperationReconfigure, dfu::kResultDeviceLost,
       text::GetCannotUpdateFirmwareText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Running(c.target, 0xCD21, c.activeEngine);
    Job().m_bFinished = false;
    Report(Completion(c.operation, c.code));
    EXPECT_TRUE(Job().m_bFinished);
    EXPECT_EQ(Job().m_nError, firmware::JOB_ERROR_FAILED);
    EXPECT_EQ(Message(), Failure(c.reason));
    EXPECT_EQ(Page().m_nActiveEngine, c.activeEngine);
  }
}

// With the device recognised in application mode the user is asked to hold its button as soon as
// the library waits for it; in DFU mode only after 20 such reports, and again after 20 more.
TEST_F(UpdateJobTest, TheHoldPromptOpensAtOnceInApplicationModeAndAtThe21stWaitInDfuMode) {
  const std::string hold = text::GetPressAndHoldText(0x4D21, 0);
  Running(0x4D21, 0x4D21);
  Report(Progress(dfu::kActivityWaitingForDevice));
  EXPECT_EQ(Job().m_nState, firmware::JOB_TRANSFERRING);
  EXPECT_EQ(PopupText(), hold);
  Job().ClosePopup();

  Running(0x4D21, 0xCD21);
  Page().m_nProgressCallbacks = 0;
  for (int round = 0; round < 2; ++round) {
    for (int report = 1; report <= 20; ++report) Report(Progress(dfu::kActivityWaitingForDevice));
    EXPECT_FALSE(Job().m_pPopup) << "round " << round;
    Report(Progress(dfu::kActivityWaitingForDevice));
    EXPECT_EQ(PopupText(), hold) << "round " << round;
    Job().ClosePopup();
  }
}

TEST_F(UpdateJobTest, TheDeviceFoundClosesThePromptExceptForTheTwoDeviceProduct) {
  for (const auto& [target, stays] : {std::pair{0x4D21, false}, std::pair{0x5310, true}}) {
    SCOPED_TRACE(target);
    Running(target, 0x4D21);
    OpenPopup();
    Report(Progress(dfu::kActivityDeviceFound));
    EXPECT_EQ(Job().m_pPopup != nullptr, stays);
    Job().ClosePopup();
  }
}

// A report still queued when its job has ended, or before any engine runs, changes nothing.
TEST_F(UpdateJobTest, ReportsWithoutARunningJobChangeNothing) {
  for (const auto& [state, engine] : {std::pair{firmware::JOB_IDLE, 1}, std::pair{firmware::JOB_RECONFIGURING, 0}}) {
    SCOPED_TRACE(engine);
    Running(0x4D21, 0x4D21, engine);
    Job().m_nState = state;
    Job().ClosePopup();
    Page().m_bTransferDone = false;
    Report(Progress(dfu::kActivityWaitingForDevice));
    Report(Progress(dfu::kActivityImageTransferred));
    EXPECT_EQ(Job().m_nState, state);
    EXPECT_FALSE(Job().m_pPopup);
    EXPECT_FALSE(Page().m_bTransferDone);
  }
}

// The device counts as back only in application mode; of the two-device product, the unit of the
// engine that ran.
TEST_F(UpdateJobTest, TheDeviceIsBackWhenItsUnitRunsItsApplication) {
  struct Case {
    const char* what;
    int target;
    int activeEngine;
    std::vector<bool> unitsInDfuMode;
    bool back;
  };
  const Case cases[] = {
      {"back", 0x4D21, 1, {false}, true},
      {"still in DFU mode", 0x4D21, 1, {true}, false},
      {"not on the bus", 0x4D21, 1, {}, false},
      {"first unit back after the first engine", 0x5310, 1, {false, true}, true},
      {"first unit back after the second engine", 0x5310, 2, {false, true}, false},
      {"second unit back after the second engine", 0x5310, 2, {true, false}, true},
      {"second unit back after the first engine", 0x5310, 1, {true, false}, false},
      {"one unit only", 0x5310, 1, {false}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Running(c.target, 0x4D21, c.activeEngine);
    usb_.Remove("1-2");
    usb_.Remove("1-3");
    std::vector<std::shared_ptr<sim::SimBlueCoreHeadset>> units;
    for (size_t i = 0; i < c.unitsInDfuMode.size(); ++i) {
      sim::HeadsetProfile profile;
      profile.startInDfuMode = c.unitsInDfuMode[i];
      units.push_back(std::make_shared<sim::SimBlueCoreHeadset>(profile));
      usb_.Attach(i == 0 ? "1-2" : "1-3", units.back());
    }
    EXPECT_EQ(Page().IsDeviceBackAfterUpdate(), c.back);
  }
}

// A device that does not come back fails the job on the tick past its limit: 180 ticks for a HID
// product, 10 past the end of the restart estimate for a DFU one.
TEST_F(UpdateJobTest, ADeviceThatDoesNotComeBackFailsOnTheTickPastItsLimit) {
  for (const auto& [target, patientTicks] : {std::pair{0x4310, 180}, std::pair{0x4D21, 10}}) {
    SCOPED_TRACE(target);
    Running(target, target);
    Job().m_nState = firmware::JOB_WAITING_RESTART;
    Job().m_bFinished = false;
    Job().m_nPercent = 90;
    Job().m_anTicks[0] = 0;
    Job().m_anTicks[1] = device::UpdatePhasesOf(target).restart;  // at the end of the estimate
    Page().m_nRestartWaitTicks = 0;
    Page().SetTimer(firmware::TIMER_UPDATE_PROGRESS, 1000);
    for (int tick = 1; tick <= patientTicks; ++tick) Page().FireTimer(firmware::TIMER_UPDATE_PROGRESS);
    EXPECT_FALSE(Job().m_bFinished);
    Page().FireTimer(firmware::TIMER_UPDATE_PROGRESS);
    EXPECT_TRUE(Job().m_bFinished);
    EXPECT_EQ(window_->GetStatusMessage(), Failure(text::GetCannotGetDeviceText));
    Page().FireTimer(firmware::TIMER_UPDATE_PROGRESS);  // ends the job
  }
}

// A failed step and the device seen back can reach the window in either order; a job with a
// failure is never shown as a success, even once the device is back and its progress at 100.
TEST_F(UpdateJobTest, AFailureAroundTheDeviceComingBackIsNeverShownAsASuccess) {
  for (const bool backFirst : {true, false}) {
    SCOPED_TRACE(backFirst ? "the device back, then the failure" : "the failure, then the device back");
    Running(0x4D21, 0x4D21);
    usb_.Remove("1-2");
    usb_.Attach("1-2", std::make_shared<sim::SimBlueCoreHeadset>());
    Job().m_bFinished = false;
    Job().m_nPercent = 95;
    Page().SetTimer(firmware::TIMER_UPDATE_PROGRESS, 1000);
    Report(Progress(dfu::kActivityImageTransferred));
    Report(Progress(dfu::kActivityResetIssued));
    ASSERT_TRUE(Page().IsTimerArmed(firmware::TIMER_DEVICE_BACK));
    if (backFirst) {
      Page().FireTimer(firmware::TIMER_DEVICE_BACK);
      ASSERT_EQ(Job().m_nPercent, 100);
    }
    Report(Completion(dfu::kOperationManifest, dfu::kResultDeviceLost));
    Page().FireTimer(firmware::TIMER_DEVICE_BACK);
    Page().FireTimer(firmware::TIMER_UPDATE_PROGRESS);
    EXPECT_FALSE(window_->m_bBusy);
    EXPECT_EQ(window_->GetStatusMessage(), Failure(text::GetCannotUpdateFirmwareText));
    EXPECT_FALSE(window_->m_bStatusNormal);
    EXPECT_EQ(window_->m_nCurrentPage, 3) << "no recognition after a failure";
  }
}

// The transfer thread's request for the device-back poll counts only for the job that still waits.
TEST_F(UpdateJobTest, TheThreadsRequestForThePollArmsItOnlyForAJobWaitingForTheRestart) {
  struct Case {
    const char* what;
    firmware::JobState state;
    bool finished;
    bool armed;
  };
  const Case cases[] = {
      {"waiting for the restart", firmware::JOB_WAITING_RESTART, false, true},
      {"ended since", firmware::JOB_WAITING_RESTART, true, false},
      {"still transferring", firmware::JOB_TRANSFERRING, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Running(0x4310, 0x4310, 0);
    Job().m_nState = c.state;
    Job().m_bFinished = c.finished;
    Page().m_bDeviceBackTimer = false;
    Page().KillTimer(firmware::TIMER_DEVICE_BACK);
    Page().PostMessage(firmware::WM_TRANSFER_EVENT, firmware::TRANSFER_ARM_DEVICE_BACK, 0);
    fw::Application::ProcessPendingMessages();
    EXPECT_EQ(Page().IsTimerArmed(firmware::TIMER_DEVICE_BACK), c.armed);
  }
}

}  // namespace
