#include "framework/Application.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <csignal>
#include <functional>

#include "TestDialogs.h"
#include "framework/TestSeams.h"
#include "platform/ProcessSignals.h"

namespace {

class Sink : public fwtest::RecordingDialog {
 public:
  bool refuseClose = false;

  void OnClose() override {
    if (refuseClose) {
      events.push_back("OnClose refused");
    } else {
      RecordingDialog::OnClose();
    }
  }
};

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
