#include "framework/Application.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <QWidget>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <thread>
#include <vector>

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

// Runs `window` as the program's window; `whileShown` runs inside. Close signals reach it as they
// reach the program's window.
int RunWithCloseSignals(fw::Dialog& window, std::function<void()> whileShown) {
  fw::ModalScript script;
  script.Do([&](fw::Dialog&) { whileShown(); });
  int argc = 0;
  fw::Application application(argc, nullptr);
  return application.Run(window);
}

// Runs messages until `done`, for at most 10 s; whether it is done.
bool PumpUntil(const std::function<bool()>& done) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done() && std::chrono::steady_clock::now() < until) fw::Application::ProcessMessagesFor(5);
  return done();
}

// Sends `number` to the process, as kill(1) does, and runs messages until `handled`.
bool SignalUntil(int number, const std::function<bool()>& handled) {
  return ::kill(::getpid(), number) == 0 && PumpUntil(handled);
}

// Sends `number` to the process and waits, running no message, until the signal thread has handed
// the request over.
bool SignalAndAwaitRequest(int number) {
  pollfd ready{platform::CloseRequestFd(), POLLIN, 0};
  return ::kill(::getpid(), number) == 0 && ::poll(&ready, 1, 10000) == 1;
}

bool Refused() { return platform::GetCloseSignalAction() == platform::CloseSignalAction::kRefused; }

// A window that says `refusal` keeps it from closing; whether it closes is `refuseClose`.
class Refusing : public Sink {
 public:
  std::string refusal;
  std::string CloseRefusal() const override { return refusal; }
  void Refuse(const std::string& why) {
    refusal = why;
    refuseClose = !why.empty();
  }
};

TEST(CloseSignals, ASignalClosesTheRunningWindowAsTheDesktopsCloseDoes) {
  for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
    Sink window;
    EXPECT_EQ(RunWithCloseSignals(window, [&] { EXPECT_TRUE(SignalUntil(number, [&] { return window.HasEnded(); })); }),
              fw::IDCANCEL)
        << number;
    EXPECT_EQ(window.events, (std::vector<std::string>{"OnClose", "command 2/0", "OnCancel"})) << number;
    EXPECT_EQ(platform::GetCloseSignalAction(), platform::CloseSignalAction::kEndProgram) << "as before the loop";
  }
}

// A refused close says why in one line and makes the next signal end the program, but only while
// its cause stands: once the window is idle again, a signal closes it.
TEST(CloseSignals, ARefusalSaysWhyAndLastsAsLongAsItsCause) {
  const std::string program = program_invocation_short_name;
  Refusing window;
  // Runs `inside` while the cause stands, then ends the cause.
  const struct {
    const char* cause;
    std::function<void(const std::function<void()>&)> whileStanding;
  } causes[] = {
      {"the window is on it",
       [&](const std::function<void()>& inside) {
         window.Refuse("the window is on it");
         inside();
         window.Refuse("");
       }},
      {"a dialog is open over the window",
       [&](const std::function<void()>& inside) {
         QWidget dialog;
         dialog.setWindowModality(Qt::ApplicationModal);
         dialog.show();
         inside();
       }},
      {"a dialog is open over the window",
       [&](const std::function<void()>& inside) {
         fw::ModalScript script;
         script.Do([&](fw::Dialog& d) {
           inside();
           d.EndDialog(fw::IDOK);
         });
         fwtest::RecordingDialog over;
         over.DoModal(&window);
       }},
  };
  RunWithCloseSignals(window, [&] {
    for (const auto& c : causes) {
      SCOPED_TRACE(c.cause);
      c.whileStanding([&] {
        testing::internal::CaptureStderr();
        EXPECT_TRUE(SignalUntil(SIGTERM, Refused));
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  program + ": not closing: " + c.cause + "; a second signal now ends the program at once\n");
        fw::Application::ProcessMessagesFor(120);
        EXPECT_TRUE(Refused()) << "while its cause stands";
        EXPECT_FALSE(window.HasEnded());
      });
      EXPECT_TRUE(PumpUntil([] { return !Refused(); })) << "once its cause is gone";
    }
    window.events.clear();
    EXPECT_TRUE(SignalUntil(SIGTERM, [&] { return window.HasEnded(); }));
    EXPECT_EQ(window.events, (std::vector<std::string>{"OnClose", "command 2/0", "OnCancel"}));
  });
}

// While the cause stands, a second signal ends the program, whether the window's thread tries the
// close again and finds it refused, or is in the middle of an exchange and does not answer.
TEST(CloseSignals, ASecondSignalWhileTheRefusalStandsEndsTheProgram) {
  const std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // the signal thread must be there in the child
  const struct {
    const char* windowsThread;
    std::function<void()> afterTheSecond;
  } cases[] = {
      {"answering", [] { PumpUntil([] { return false; }); }},
      {"in an exchange", [] { std::this_thread::sleep_for(std::chrono::seconds(10)); }},
  };
  for (const auto& c : cases) {
    EXPECT_EXIT(
        {
          Refusing window;
          window.Refuse("the window is on it");
          RunWithCloseSignals(window, [&] {
            if (!SignalUntil(SIGTERM, Refused)) std::_Exit(1);
            ::kill(::getpid(), SIGINT);
            c.afterTheSecond();
          });
          std::_Exit(2);
        },
        testing::KilledBySignal(SIGINT), "not closing: the window is on it")
        << c.windowsThread;
  }
  GTEST_FLAG_SET(death_test_style, style);
}

// What the window says keeps it busy may be a wait that the close drops: a second signal tries
// the close again, and the window closes.
TEST(CloseSignals, ASecondSignalClosesAWindowThatNoLongerRefuses) {
  Refusing window;
  window.Refuse("the window is on it");
  testing::internal::CaptureStderr();
  RunWithCloseSignals(window, [&] {
    EXPECT_TRUE(SignalUntil(SIGTERM, Refused));
    window.refuseClose = false;
    EXPECT_TRUE(SignalUntil(SIGTERM, [&] { return window.HasEnded(); }));
  });
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(window.events, (std::vector<std::string>{"OnClose refused", "OnClose", "command 2/0", "OnCancel"}));
}

// A signal while the window closes is part of that close, and one after the window's loop has
// ended finds the program on its way out: neither ends it at once nor closes the window twice.
TEST(CloseSignals, ASignalWhileTheWindowClosesOrAfterItsLoopLetsTheProgramEndInOrder) {
  class SignalledWhileClosing : public Sink {
   public:
    void OnClose() override {
      EXPECT_TRUE(SignalAndAwaitRequest(SIGTERM));
      fw::Application::ProcessMessagesFor(50);
      Sink::OnClose();
    }
  };
  // As the program's main has it before the window runs.
  platform::SetCloseSignalAction(platform::CloseSignalAction::kAskTheWindow);
  SignalledWhileClosing window;
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunWithCloseSignals(window, [&] { EXPECT_TRUE(SignalUntil(SIGTERM, [&] { return window.HasEnded(); })); }),
            fw::IDCANCEL);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(window.events, (std::vector<std::string>{"OnClose", "command 2/0", "OnCancel"}));

  EXPECT_EQ(platform::GetCloseSignalAction(), platform::CloseSignalAction::kAskTheWindow);
  EXPECT_TRUE(SignalAndAwaitRequest(SIGHUP));
  EXPECT_EQ(platform::TakeCloseRequests(), std::vector<int>{SIGHUP}) << "left while the program ends";
  platform::SetCloseSignalAction(platform::CloseSignalAction::kEndProgram);
}

}  // namespace
