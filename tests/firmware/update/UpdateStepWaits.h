#pragma once
// The waits between the steps of an update's start, run as the window runs them: one tick of the
// page's step timer each. At every wait the window must show the job's progress and headline and
// refuse a second start.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <vector>

#include "app/MainWindowIds.h"
#include "app/UpdaterDlg.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "localization/StatusTexts.h"

namespace testing_app {

// Fires the step timer while it is armed, at most `limit` times, and returns the length of each
// wait. `beforeTick` sees the number of each wait (from 0) just before its tick.
inline std::vector<unsigned> RunStepWaits(app::CUpdaterDlg& w, size_t limit = 1000,
                                          const std::function<void(size_t)>& beforeTick = nullptr) {
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  std::vector<unsigned> waits;
  while (page.IsTimerArmed(firmware::TIMER_UPDATE_STEP) && waits.size() < limit) {
    waits.push_back(page.TimerInterval(firmware::TIMER_UPDATE_STEP));
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
    if (beforeTick) beforeTick(waits.size() - 1);
    page.FireTimer(firmware::TIMER_UPDATE_STEP);
  }
  return waits;
}

}  // namespace testing_app
