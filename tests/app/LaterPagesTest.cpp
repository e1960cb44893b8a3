// Pages 2 to 7: none before page 1 is on the screen, then one per idle turn of the event loop
// (past page 2 only once the window has left page 1); a page wanted before its turn is made at
// once with the pages its code reaches into.
#include "app/MainWindowFixture.h"
#include "framework/RecordingDeviceContext.h"
#include "app/DialogLanguageManager.h"
#include "localization/FirmwareTexts.h"
#include "localization/RecognitionPageTexts.h"
#include "resources/PageTemplates.h"

namespace testing_app {
namespace {

constexpr int kGerman = 2;

class LaterPagesTest : public MainWindowTest {
 protected:
  // The pages past page 1 that exist, in page order.
  static std::vector<int> Made(const app::CUpdaterDlg& w) {
    std::vector<int> made;
    for (int page = 2; page <= 7; ++page) {
      if (w.PageWindow(page)->IsCreated()) made.push_back(page);
    }
    return made;
  }
  // Page 1 on show and taking commands, not yet painted, so no idle turn has come.
  app::CUpdaterDlg& OnPageOneUnpainted() {
    app::CUpdaterDlg& w = Open();
    w.FireTimer(app::TIMER_STARTUP);
    w.m_dlgDeviceSelection.DropServerWait();  // the update check would keep the window busy
    return w;
  }
  void Press(int id) { window_->SendMessage(fw::WM_COMMAND, fw::MakeCommand(id, fw::BN_CLICKED), 0); }
};

// With the window's own event loop: nothing until page 1 shows, then page 2, where NEXT leads;
// the others once the window has left page 1. All are made hidden.
TEST_F(LaterPagesTest, TheLaterPagesComeInIdleTimeAfterPageOneIsPaintedAndStayHidden) {
  app::CUpdaterDlg& w = Open();
  for (int i = 0; i < 5; ++i) fw::Application::ProcessPendingMessages();
  EXPECT_EQ(Made(w), std::vector<int>{}) << "the empty frame painted: page 1 is not on show yet";
  EXPECT_FALSE(w.IsTimerArmed(app::TIMER_LATER_PAGES));

  w.FireTimer(app::TIMER_STARTUP);
  EXPECT_EQ(Made(w), std::vector<int>{}) << "page 1 shown, not yet painted";
  ASSERT_TRUE(PumpUntil([&] { return !Made(w).empty(); }));
  fw::Application::ProcessMessagesFor(50);
  EXPECT_EQ(Made(w), std::vector<int>{2}) << "a window that stays on page 1 holds no more";
  EXPECT_EQ(ShownPage(w), 1);

  w.m_dlgDeviceSelection.DropServerWait();
  Press(app::IDC_NEXT);
  ASSERT_TRUE(PumpUntil([&] { return Made(w).size() == 6; }));
  EXPECT_FALSE(w.IsTimerArmed(app::TIMER_LATER_PAGES));
  EXPECT_EQ(ShownPage(w), 2);
  for (int page = 2; page <= 7; ++page) EXPECT_EQ(app::GetMainWindow(*w.PageWindow(page)), &w) << page;
}

// One page per turn, in page order, each turn armed by the one before once page 1 was left.
TEST_F(LaterPagesTest, EachIdleTurnMakesOnePage) {
  app::CUpdaterDlg& w = OnPageOneUnpainted();
  fw::RecordingDeviceContext dc;
  w.PageWindow(1)->Paint(dc);
  ASSERT_TRUE(w.FireTimer(app::TIMER_LATER_PAGES));
  EXPECT_EQ(Made(w), std::vector<int>{2});
  EXPECT_FALSE(w.IsTimerArmed(app::TIMER_LATER_PAGES));
  w.PageWindow(1)->Paint(dc);
  EXPECT_FALSE(w.IsTimerArmed(app::TIMER_LATER_PAGES)) << "page 1's later paints start nothing";

  Press(app::IDC_NEXT);
  Press(app::IDC_BACK);
  std::vector<int> expected = {2};
  for (int page = 3; page <= 7; ++page) {
    SCOPED_TRACE(page);
    ASSERT_TRUE(w.FireTimer(app::TIMER_LATER_PAGES));
    expected.push_back(page);
    EXPECT_EQ(Made(w), expected);
    EXPECT_EQ(w.IsTimerArmed(app::TIMER_LATER_PAGES), page < 7);
  }
  EXPECT_EQ(ShownPage(w), 1);
}

// A NEXT before any idle turn shows page 2 whole; the update page brings the restore page, which
// it reports into. A language chosen meanwhile dresses the pages made after it, and a close with
// pages still missing and a turn armed ends cleanly.
TEST_F(LaterPagesTest, APageWantedBeforeItsTurnIsMadeAtOnceWithThePagesItReachesInto) {
  app::CUpdaterDlg& w = OnPageOneUnpainted();
  Press(app::IDC_NEXT);
  ASSERT_EQ(ShownPage(w), 2);
  EXPECT_EQ(Made(w), std::vector<int>{2});
  const fw::Window& two = *w.PageWindow(2);
  EXPECT_EQ(two.GetChildren().size(), res::DeviceRecognitionTemplate().controls.size());
  for (const fw::Window* control : two.GetChildren()) EXPECT_TRUE(control->IsCreated());
  EXPECT_EQ(w.m_dlgDeviceRecognition.m_staticSteps.GetWindowText(), text::GetConnectStepsText(0));

  app::CDialogLanguageManager german;
  german.m_nLanguage = kGerman;
  german.m_bApplyToFirmwareLanguage = w.m_bApplyToFirmwareLanguage;
  w.ApplyLanguageChoice(german);
  Recognise(w, 0x4D21);
  w.GoToFirmwareUpdatePage(true);
  ASSERT_EQ(ShownPage(w), 3);
  EXPECT_EQ(Made(w), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(w.m_dlgFirmwareUpdate.m_btnBrowse.GetWindowText(), text::GetBrowseText(kGerman));

  ASSERT_TRUE(w.FireTimer(app::TIMER_LATER_PAGES));
  EXPECT_EQ(Made(w), (std::vector<int>{2, 3, 4, 5}));
  EXPECT_TRUE(w.IsTimerArmed(app::TIMER_LATER_PAGES));
  EXPECT_EQ(ShownPage(w), 3);
  w.SendMessage(fw::WM_CLOSE, 0, 0);
  EXPECT_TRUE(w.HasEnded());
  EXPECT_TRUE(SettingsFile().has_value());
  window_.reset();
  fw::Application::ProcessPendingMessages();
}

}  // namespace
}  // namespace testing_app
