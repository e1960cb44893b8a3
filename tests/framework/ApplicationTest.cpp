#include "framework/Application.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

#include "TestDialogs.h"
#include "framework/TestSeams.h"
#include "platform/Clock.h"
#include "platform/ProcessSignals.h"

namespace {

constexpr unsigned WM_TEST = fw::WM_USER + 9;

class Sink : public fwtest::RecordingDialog {
 public:
  std::function<void()> onMessage;
  int messages = 0;
  int ticks = 0;
  bool refuseClose = false;

  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override {
    if (msg != WM_TEST) return Dialog::OnMessage(msg, wParam, lParam);
    ++messages;
    if (onMessage) onMessage();
    return 0;
  }
  void OnTimer(unsigned id) override {
    KillTimer(id);
    ++ticks;
  }
  void OnClose() override {
    if (refuseClose) {
      events.push_back("OnClose refused");
    } else {
      RecordingDialog::OnClose();
    }
  }
};

TEST(WaitAnswering, WaitsOnTheClockRunningPostedMessagesAndHoldsTimersWhenAsked) {
  platform::ManualClock clock;
  platform::Clock::Scoped useClock(clock);
  for (const bool hold : {true, false}) {
    Sink sink;
    ASSERT_TRUE(sink.Create(nullptr));
    sink.SetTimer(5, 1);
    // Handled during the wait; afterwards the timer is certainly due.
    sink.onMessage = [] { std::this_thread::sleep_for(std::chrono::milliseconds(5)); };
    sink.PostMessage(WM_TEST, 0, 0);
    const uint32_t before = clock.TickCount();
    fw::Application::WaitAnswering(1005, hold);
    EXPECT_EQ(clock.TickCount() - before, 1005u);
    EXPECT_EQ(sink.messages, 1) << hold;
    EXPECT_EQ(sink.ticks, hold ? 0 : 1) << hold;
  }
}

// Runs `window` as the program's window with close signals taken; `whileShown` runs inside.
int RunWithCloseSignals(fw::Dialog& window, std::function<void()> whileShown) {
  platform::TakeCloseSignalsAsRequests();
  fw::ModalScript script;
  script.Do([&](fw::Dialog&) { whileShown(); });
  int argc = 0;
  fw::Application application(argc, nullptr);
  const int result = application.Run(window);
  platform::ReleaseCloseSignals();
  return result;
}

void Signal(int number) {
  ASSERT_EQ(::raise(number), 0);
  fw::Application::ProcessPendingMessages();
}

TEST(CloseSignals, ASignalClosesTheRunningWindowAsTheDesktopsCloseDoes) {
  for (const int number : {SIGTERM, SIGINT}) {
    Sink window;
    EXPECT_EQ(RunWithCloseSignals(window, [&] { Signal(number); }), fw::IDCANCEL) << number;
    EXPECT_EQ(window.events, (std::vector<std::string>{"OnClose", "command 2/0", "OnCancel"})) << number;
  }
}

TEST(CloseSignals, ARefusedCloseLeavesTheWindowAndTheNextSignalToEndTheProgram) {
  Sink window;
  window.refuseClose = true;
  RunWithCloseSignals(window, [&] {
    Signal(SIGTERM);
    EXPECT_EQ(window.events, (std::vector<std::string>{"OnClose refused"}));
    EXPECT_FALSE(window.HasEnded());
    struct sigaction action {};
    ::sigaction(SIGTERM, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
    window.EndDialog(fw::IDOK);
  });
}

TEST(CloseSignals, NoCloseReachesTheWindowUnderAnOpenDialog) {
  Sink window;
  RunWithCloseSignals(window, [&] {
    {
      QWidget dialog;
      dialog.setWindowModality(Qt::ApplicationModal);
      dialog.show();
      Signal(SIGTERM);
      EXPECT_TRUE(window.events.empty());
      EXPECT_FALSE(window.HasEnded());
    }
    platform::TakeCloseSignalsAsRequests();
    Signal(SIGTERM);
    EXPECT_TRUE(window.HasEnded()) << "once the dialog is gone";
  });
}

}  // namespace
