// Pages 1 and 2 inside the main window, and the hyperlink edit of page 2.
#include <gtest/gtest.h>

#include "app/UpdaterDlg.h"
#include "controls/HyperEdit.h"
#include "framework/Bitmap.h"
#include "framework/TestSeams.h"
#include "localization/RecognitionPageTexts.h"
#include "app/MainWindowFixture.h"

namespace {

class PagesTest : public testing_app::StartedMainWindowTest {};

TEST_F(PagesTest, SelectionPageShowsOnlyItsPictureWhichAlwaysTargetsTheEditionProduct) {
  pages::CDialogDeviceSelection& page = W().m_dlgDeviceSelection;
  EXPECT_EQ(page.m_nSelectedProduct, 0x4D10);
  EXPECT_TRUE(page.m_btnPicture.IsWindowVisible());
  for (const fw::Button& b : page.m_btnProducts) EXPECT_FALSE(b.IsWindowVisible());

  // The hidden PIRVA button selects 0x4010, which the redraw turns into the edition product.
  page.OnProductButton(0x4010);
  EXPECT_EQ(page.m_nSelectedProduct, 0x4D10);
  page.OnProductButton(0x5010);
  EXPECT_EQ(page.m_nSelectedProduct, 0x5010);
  for (const fw::Button& b : page.m_btnProducts) EXPECT_FALSE(b.IsWindowVisible());

  page.SendMessage(fw::WM_COMMAND, fw::MakeCommand(pages::IDC_SELECTION_PICTURE, fw::BN_CLICKED), 0);
  EXPECT_EQ(W().m_nDeviceTarget, 0x4D10);
  EXPECT_EQ(W().m_nCurrentPage, 2);

  // An installer download (busy with progress) hides the picture.
  const pages::BusyHold busy = W().HoldBusy();
  W().m_nProgress = 10;
  page.RedrawSelection();
  EXPECT_FALSE(page.m_btnPicture.IsWindowVisible());
  EXPECT_EQ(page.QueryCursor(), fw::CursorShape::Wait);
}

// The page's picture is decoded at its first paint and kept for every later one.
TEST_F(PagesTest, SelectionPictureIsDecodedOnceForEveryPaint) {
  pages::CDialogDeviceSelection& page = W().m_dlgDeviceSelection;
  const fw::Bitmap picture = fw::Bitmap::Load(389);
  fw::RenderAtPixelRatio(page, 1);
  const int decodes = fw::Bitmap::ResourceDecodes();
  const fw::Bitmap shown = fw::RenderAtPixelRatio(page, 1);
  EXPECT_EQ(fw::Bitmap::ResourceDecodes(), decodes);
  const fw::Point at = page.m_btnPicture.GetWindowRect().TopLeft();
  EXPECT_EQ(shown.GetPixel(at.x + 200, at.y + 100), picture.GetPixel(200, 100));
}

TEST_F(PagesTest, RecognitionPageShowsTheConnectionStepsInTheCurrentLanguageOnly) {
  W().m_nLanguage = 1;
  W().m_nDeviceTarget = 0x4D10;
  W().GoToRecognitionPage(true, nullptr, 0);
  pages::CDialogDeviceRecognition& page = W().m_dlgDeviceRecognition;
  EXPECT_EQ(page.m_staticSteps.GetWindowText(), text::GetConnectStepsText(1));
  EXPECT_NE(page.m_staticSteps.GetWindowText().find("SUIVANT"), std::string::npos);
  EXPECT_EQ(page.m_nInstructionVariant, 0);
  for (fw::Window* hidden : std::initializer_list<fw::Window*>{&page.m_editPreparation, &page.m_staticNote,
                                                              &page.m_btnProducts, &page.m_btnOemProducts}) {
    EXPECT_FALSE(hidden->IsWindowVisible());
  }
  page.SetInstructionVariant(1);
  EXPECT_EQ(W().m_nProgress, -1);
  EXPECT_FALSE(page.m_editPreparation.IsWindowVisible());

  // The product boxes are refused while busy (an unanswered box would fail the test).
  const pages::BusyHold busy = W().HoldBusy();
  page.OnButtonProducts();
}

TEST(HyperEdit, FindsWwwWordsCaseInsensitivelyAndOnlyWhole) {
  controls::CHyperEdit edit;
  const struct {
    const char* word;
    bool link;
  } cases[] = {{"www.example.com", true}, {"WWW.Example.com", true}, {"https://www.example.com", false},
               {"ww.x", false},           {"", false},               {" www.x", false}};
  for (const auto& c : cases) EXPECT_EQ(edit.IsLinkWord(c.word), c.link) << c.word;
}

TEST_F(PagesTest, HyperEditRegistersLinksOfTheScannedRangeAndOpensThemThroughTheShell) {
  controls::CHyperEdit& edit = W().m_dlgDeviceRecognition.m_editPreparation;
  edit.SetWindowText("see www.a.com and\nWWW.b.org/x tail");
  edit.ScanLinks(0, 100);
  ASSERT_EQ(edit.Links().size(), 2u);
  EXPECT_EQ(edit.Links()[0], (controls::CHyperEdit::LinkRange{4, 9}));
  EXPECT_EQ(edit.Links()[1], (controls::CHyperEdit::LinkRange{18, 11}));
  // A link cut by the end of the scanned range is not taken.
  edit.ScanLinks(0, 10);
  EXPECT_TRUE(edit.Links().empty());
  EXPECT_TRUE(edit.OpenLink("www.a.com"));
  EXPECT_EQ(shell_.Opened(), std::vector<std::string>{"https://www.a.com"});
}

}  // namespace
