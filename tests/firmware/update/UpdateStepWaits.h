#pragma once
// The waits between the steps of an update's start, run as the window runs them: the settings
// archive's write, then one tick of the page's step timer each. At every wait the window must show
// the job's progress and headline and refuse a second start.
#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

#include "app/MainWindowFixture.h"
#include "app/MainWindowIds.h"
#include "app/UpdaterDlg.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "framework/Application.h"
#include "localization/StatusTexts.h"

namespace testing_app {

// A progress tick during a wait: the window shows the job's progress and headline, not a failure,
// and ACTION starts nothing.
inline void ExpectWaitShown(app::CUpdaterDlg& w) {
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  page.FireTimer(firmware::TIMER_UPDATE_PROGRESS);
  EXPECT_TRUE(w.m_bBusy);
  EXPECT_TRUE(w.m_progress.IsWindowVisible());
  EXPECT_GE(w.m_nProgress, 0);
  EXPECT_TRUE(w.m_bStatusNormal) << "a wait is shown as a failure";
  EXPECT_EQ(w.GetStatusMessage().rfind(text::GetPageProgressText(w.m_nCurrentPage, w.m_nUsbStatus, 0), 0), 0u)
      << w.GetStatusMessage();
  const unsigned armings = page.TimerArmings(firmware::TIMER_UPDATE_STEP);
  w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_ACTION, fw::BN_CLICKED), 0);
  EXPECT_EQ(page.TimerArmings(firmware::TIMER_UPDATE_STEP), armings) << "ACTION starts nothing meanwhile";
}

// The window's messages until the page's worker has written the settings archive and its word has
// been handled; real time, as the disk takes it. False when that took over five seconds.
inline bool AwaitArchive(app::CUpdaterDlg& w) {
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  const bool written = PumpUntil([&page] { return !page.IsWritingArchive(); }, std::chrono::seconds(5));
  // The word was posted before the worker ended.
  fw::Application::ProcessPendingMessages();
  return written;
}

// Lets the archive be written, then fires the step timer while it is armed, at most `limit` times,
// and returns the length of each wait. `beforeTick` sees the number of each wait (from 0) just
// before its tick.
inline std::vector<unsigned> RunStepWaits(app::CUpdaterDlg& w, size_t limit = 1000,
                                          const std::function<void(size_t)>& beforeTick = nullptr) {
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  if (page.IsWritingArchive()) {
    ExpectWaitShown(w);
    EXPECT_TRUE(AwaitArchive(w));
  }
  std::vector<unsigned> waits;
  while (page.IsTimerArmed(firmware::TIMER_UPDATE_STEP) && waits.size() < limit) {
    waits.push_back(page.TimerInterval(firmware::TIMER_UPDATE_STEP));
    ExpectWaitShown(w);
    if (beforeTick) beforeTick(waits.size() - 1);
    page.FireTimer(firmware::TIMER_UPDATE_STEP);
  }
  return waits;
}

}  // namespace testing_app
