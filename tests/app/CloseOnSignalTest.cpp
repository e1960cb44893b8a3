// The program's window under close signals, run as the program runs it: a signal refused while a
// dialog is open over it, then a close once the window is idle again.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "app/DialogLanguageManager.h"
#include "app/MainWindowFixture.h"
#include "framework/Application.h"
#include "framework/TestSeams.h"
#include "platform/ProcessSignals.h"

namespace testing_app {
namespace {

constexpr int kGerman = 2;

bool Refused() { return platform::GetCloseSignalAction() == platform::CloseSignalAction::kRefused; }

// Ctrl+C with the language dialog open is refused and says so; German is chosen and the dialog
// closed; the next signal closes the window and the settings file keeps German.
TEST_F(MainWindowTest, ASignalRefusedUnderADialogClosesTheWindowOnceTheDialogIsGone) {
  const std::string program = program_invocation_short_name;
  app::CUpdaterDlg window;
  std::string said;
  fw::ModalScript script;
  script
      .Do([&](fw::Dialog&) {
        window.FireTimer(app::TIMER_STARTUP);
        window.m_dlgDeviceSelection.FireTimer(pages::TIMER_UPDATE_CHECK);
        ASSERT_TRUE(AwaitServer(window.m_dlgDeviceSelection));
        ASSERT_TRUE(fw::Click(window.m_staticLanguageFlag));
        EXPECT_TRUE(PumpUntil([] { return !Refused(); })) << "the dialog is gone";
        ASSERT_EQ(::kill(::getpid(), SIGTERM), 0);
        EXPECT_TRUE(PumpUntil([&] { return window.HasEnded(); }));
      })
      .Do([&](fw::Dialog& languages) {
        testing::internal::CaptureStderr();
        ASSERT_EQ(::kill(::getpid(), SIGINT), 0);
        EXPECT_TRUE(PumpUntil(Refused));
        said = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(window.HasEnded());
        ASSERT_TRUE(fw::Click(*languages.GetDlgItem(app::CDialogLanguageManager::RowOf(kGerman).label)));
        ASSERT_TRUE(fw::Click(*languages.GetDlgItem(fw::IDOK)));
      });
  int argc = 0;
  fw::Application application(argc, nullptr);
  application.Run(window);
  EXPECT_EQ(said, program + ": not closing: a dialog is open over the window; a second signal now ends the program at once\n");
  EXPECT_TRUE(window.HasEnded());
  EXPECT_EQ(window.m_nLanguage, kGerman);
  EXPECT_NE(SettingsFile().value_or("").find("keyManagerLanguage=German\r\n"), std::string::npos);
  EXPECT_EQ(platform::GetCloseSignalAction(), platform::CloseSignalAction::kEndProgram) << "as before the run";
}

}  // namespace
}  // namespace testing_app
