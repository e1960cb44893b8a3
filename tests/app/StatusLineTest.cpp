// The status line's message in every language, its two colours, and the progress display.
#include "app/MainWindowFixture.h"
#include "app/WindowColours.h"
#include "framework/RecordingDeviceContext.h"
#include "framework/TestSeams.h"
#include "localization/SafeFormat.h"
#include "localization/StatusTexts.h"

namespace testing_app {
namespace {

fw::Colour StatusColour(app::CUpdaterDlg& w) {
  fw::RecordingDeviceContext dc;
  return w.m_staticStatusText.QueryColours(dc, fw::CtlColor::Static).GetColour();
}

TEST_F(MainWindowTest, AStatusSetInEveryLanguageShowsAgainAfterALanguageSwitch) {
  app::CUpdaterDlg& w = Start();
  EXPECT_EQ(StatusColour(w), app::kColourStatusNormal);
  for (int language = 0; language < text::kLanguageCount; ++language) {
    w.SetStatusMessage(text::Format("%s. %s", text::GetPageFailureText(2, 0, language), "#" + std::to_string(language)),
                       language);
  }
  w.SetStatusMessage("outside", 11);  // ignored, never written past the eleven
  w.SetStatusMessage("outside", -1);
  w.ShowStatusMessage(w.GetStatusMessage(), true);
  EXPECT_EQ(w.m_staticStatusText.GetWindowText(), text::GetPageFailureText(2, 0, 0) + ". #0");
  EXPECT_EQ(StatusColour(w), app::kColourStatusError);

  w.m_nLanguage = 4;
  w.RefreshStatusMessage();
  EXPECT_EQ(w.m_staticStatusText.GetWindowText(), text::GetPageFailureText(2, 0, 4) + ". #4");
  EXPECT_EQ(StatusColour(w), app::kColourStatusError) << "a language switch keeps the colour";

  // The next page switch shows an instruction on the normal background again.
  w.GoToSelectionPage();
  EXPECT_EQ(w.m_staticStatusText.GetWindowText(), text::GetPageInstructionText(1, 0, 4));
  EXPECT_EQ(StatusColour(w), app::kColourStatusNormal);
}

TEST_F(MainWindowTest, ProgressShowsFromZeroAndHidesAtMinusOneOnceIdle) {
  app::CUpdaterDlg& w = Start();
  const auto shown = [&] {
    const bool bar = w.m_progress.IsWindowVisible();
    EXPECT_EQ(w.m_staticPercentSign.IsWindowVisible(), bar);
    EXPECT_EQ(w.m_staticPercentNumber.IsWindowVisible(), bar);
    return bar;
  };
  EXPECT_FALSE(shown());
  EXPECT_EQ(w.m_staticPercentSign.GetWindowText(), "%");

  pages::BusyHold busy = w.HoldBusy();
  for (int percent : {0, 37, 100}) {
    w.m_nProgress = percent;
    w.RefreshControls();
    EXPECT_TRUE(shown());
    EXPECT_EQ(w.m_progress.GetPos(), percent);
    EXPECT_EQ(w.m_staticPercentNumber.GetWindowText(), std::to_string(percent));
  }
  w.m_nProgress = -1;
  w.RefreshControls();
  EXPECT_TRUE(shown()) << "while busy a bar that shows stays";
  busy.Release();
  w.RefreshControls();
  EXPECT_FALSE(shown());
}

TEST_F(MainWindowTest, TheStatusBoxShowsTitleAndMessageWithThePictureOfItsColour) {
  app::CUpdaterDlg& w = Start();
  w.ShowStatusMessage("not stored", true);
  fw::ModalScript script;
  script.Key(fw::VK_RETURN);
  w.OnButtonShowStatus();
  const fw::ShownDialog& box = script.Last();
  EXPECT_EQ(box.size, (fw::Size{510, 160}));
  EXPECT_EQ(box.Text(1026), "[WELCOME]\n" + text::GetPageInstructionText(1, 0, 0));
  EXPECT_EQ(box.VisibleButtons(), std::vector<int>{fw::IDOK});
  EXPECT_EQ(box.Text(fw::IDOK), "OK");
  EXPECT_EQ(box.result, fw::IDOK);
}

}  // namespace
}  // namespace testing_app
