// The way from the DFU library's thread to the UI thread: nothing that changes the job is lost.
#include "firmware/update/DfuCallbackQueue.h"

#include <gtest/gtest.h>

#include <thread>

#include "app/MainWindowFixture.h"

namespace {

using firmware::CCallbackData;

dfu::DFUEngine::Status Activity(int activity) {
  dfu::DFUEngine::Status status;
  status.activity = activity;
  return status;
}

TEST(DfuCallbackQueue, MergesOnlyConsecutiveTransferProgress) {
  firmware::DfuCallbackQueue queue;
  int posts = 0;
  auto push = [&](int kind, int value, int activity) { posts += queue.Push(CCallbackData(kind, value, Activity(activity))); };
  push(CCallbackData::CALLBACK_PROGRESS, 10, dfu::kActivityTransferring);
  push(CCallbackData::CALLBACK_PROGRESS, 20, dfu::kActivityTransferring);
  push(CCallbackData::CALLBACK_PROGRESS, 0, dfu::kActivityImageTransferred);
  push(CCallbackData::CALLBACK_PROGRESS, 0, dfu::kActivityImageTransferred);
  push(CCallbackData::CALLBACK_COMPLETE, 0, dfu::kActivityNone);
  push(CCallbackData::CALLBACK_PROGRESS, 30, dfu::kActivityTransferring);
  EXPECT_EQ(posts, 5) << "one message per record kept";
  std::vector<std::pair<int, int>> taken;
  while (auto record = queue.Pop()) taken.emplace_back(record->m_status.activity, record->m_nValue);
  const std::vector<std::pair<int, int>> expected = {
      {dfu::kActivityTransferring, 20}, {dfu::kActivityImageTransferred, 0}, {dfu::kActivityImageTransferred, 0},
      {dfu::kActivityNone, 0}, {dfu::kActivityTransferring, 30}};
  EXPECT_EQ(taken, expected);
}

class DfuCallbackPageTest : public testing_app::StartedMainWindowTest {
 protected:
  void SetUp() override {
    StartedMainWindowTest::SetUp();
    W().CreateLaterPages();
  }
};

// A fake engine reports from its own thread as fast as it can while the UI thread takes records.
TEST_F(DfuCallbackPageTest, ABurstOfTransferReportsNeverHidesTheEndOfTheTransferAndThePollStartsOnce) {
  for (int run = 0; run < 20; ++run) {
    firmware::CDialogFirmwareUpdate& page = W().m_dlgFirmwareUpdate;
    W().m_nDeviceTarget = 0x4D21;
    W().m_nUsbStatus = 0xCD21;  // no prompt, so the run needs no window of its own
    firmware::CFirmwareJob& job = page.ActiveJob();
    job.m_nState = firmware::JOB_TRANSFERRING;
    page.m_nActiveEngine = 1;
    page.m_bDeviceBackTimer = false;
    page.KillTimer(firmware::TIMER_DEVICE_BACK);
    const unsigned armingsBefore = page.TimerArmings(firmware::TIMER_DEVICE_BACK);
    std::thread engine([&page] {
      for (int percent = 0; percent < 500; ++percent) page.OnDfuProgress(percent % 100, Activity(dfu::kActivityTransferring));
      page.OnDfuProgress(0, Activity(dfu::kActivityImageTransferred));
      page.OnDfuProgress(0, Activity(dfu::kActivityResetIssued));
      // The manifest's completion once the device is back asks for the poll too.
      dfu::DFUEngine::Status manifested;
      manifested.operation = dfu::kOperationManifest;
      page.OnDfuComplete(0, manifested);
    });
    for (int round = 0; round < 100000 && !page.IsTimerArmed(firmware::TIMER_DEVICE_BACK); ++round) {
      fw::Application::ProcessPendingMessages();
      std::this_thread::yield();
    }
    engine.join();
    fw::Application::ProcessPendingMessages();
    EXPECT_EQ(job.m_nState, firmware::JOB_WAITING_RESTART);
    EXPECT_TRUE(page.IsTimerArmed(firmware::TIMER_DEVICE_BACK));
    EXPECT_EQ(page.TimerArmings(firmware::TIMER_DEVICE_BACK) - armingsBefore, 1u) << "armed exactly once";
    EXPECT_TRUE(page.m_bTransferDone);
  }
}

}  // namespace
