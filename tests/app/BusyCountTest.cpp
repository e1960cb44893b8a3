// The window's busy state as a count of duties: one duty giving its hold back never ends
// another's, and the commands that would start work of their own wait until no duty holds it.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>

#include "app/MainWindowFixture.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "framework/TestSeams.h"
#include "pages/BusyHold.h"

namespace testing_app {
namespace {

TEST(BusyCount, TheWindowIsBusyUntilEveryDutyHasGivenItsHoldBack) {
  struct Case {
    const char* name;
    // Ends one of two overlapping duties; the other must still hold the window.
    std::function<void(pages::BusyHold& first, pages::BusyHold& second)> endOne;
  };
  const Case cases[] = {
      {"the older gives back first", [](auto& first, auto&) { first.Release(); }},
      {"the newer gives back first", [](auto&, auto& second) { second.Release(); }},
      {"one gives back twice", [](auto& first, auto&) {
         first.Release();
         first.Release();
       }},
      {"one takes the other's place",
       [](auto& first, auto& second) {
         pages::BusyHold moved = std::move(second);
         first = std::move(moved);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool busy = false;
    pages::BusyCount count(busy);
    std::optional<pages::BusyHold> survivor;
    {
      pages::BusyHold first = count.Take();
      pages::BusyHold second = count.Take();
      c.endOne(first, second);
      EXPECT_TRUE(busy);
      EXPECT_EQ(count.Holds(), 1);
      survivor.emplace(first.Held() ? std::move(first) : std::move(second));
    }
    EXPECT_TRUE(busy) << "the hold moved on goes on holding";
    pages::BusyHold passed = survivor->PassOn();
    EXPECT_FALSE(survivor->Held());
    survivor.reset();
    EXPECT_TRUE(busy);
    passed.Release();
    EXPECT_FALSE(busy);
    EXPECT_EQ(count.Holds(), 0);
  }
}

// The status box and the start of a DFU update confirmed in a box are refused while any other duty
// holds the window; the job that asked for the confirmation hands its own hold to the start.
TEST_F(MainWindowTest, TheStatusBoxAndAConfirmedDfuStartAreRefusedWhileAnotherDutyHoldsTheWindow) {
  app::CUpdaterDlg& w = StartWithEveryPage();
  Recognise(w, 0x4D21);
  w.GoToPage(3);
  firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
  page.m_serverFetch.Cancel();
  struct Case {
    const char* name;
    bool otherDuty;
    bool jobWaitsForOk;
    bool runs;
  };
  const Case cases[] = {
      {"idle", false, false, true},
      {"another duty", true, false, false},
      {"the job waits for the OK", false, true, true},
      {"the job waits for the OK beside another duty", true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pages::BusyHold other;
    if (c.otherDuty) other = w.HoldBusy();
    if (c.jobWaitsForOk) {
      page.m_jobBusy = w.HoldBusy();
      page.m_job.m_nState = firmware::JOB_WAITING_USER;
    }
    if (!c.jobWaitsForOk) {
      fw::ModalScript script;
      script.Press(fw::IDOK);
      w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_SHOW_STATUS, fw::BN_CLICKED), 0);
      EXPECT_EQ(script.Dialogs().size(), c.runs ? 1u : 0u) << "the status box";
      EXPECT_EQ(script.Unanswered(), 0);
    }

    const unsigned starts = page.TimerArmings(firmware::TIMER_UPDATE_PROGRESS);
    page.SendMessage(firmware::WM_START_CONFIRMED_DFU, 0, 0);
    EXPECT_EQ(page.TimerArmings(firmware::TIMER_UPDATE_PROGRESS), starts + (c.runs ? 1u : 0u)) << "the DFU start";
    // What a start took goes with its job; busy is then what the other duty holds.
    page.m_jobBusy.Release();
    page.m_job.m_nState = firmware::JOB_IDLE;
    page.m_job.m_bFinished = false;
    page.KillTimer(firmware::TIMER_UPDATE_PROGRESS);
    EXPECT_EQ(w.m_bBusy, c.otherDuty);
  }
}

}  // namespace
}  // namespace testing_app
