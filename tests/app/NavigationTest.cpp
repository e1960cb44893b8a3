#include <gtest/gtest.h>

#include "app/UpdaterDlg.h"
#include "framework/Font.h"
#include "localization/MainWindowTexts.h"
#include "localization/SharedTexts.h"
#include "MainWindowFixture.h"

namespace {

using app::CUpdaterDlg;

class NavigationTest : public testing_app::StartedMainWindowTest {};

struct FrameState {
  int id;
  bool enabled;
  bool visible;
};


TEST_F(NavigationTest, FirstPageOffersOnlyWelcomeAndNext) {
  ASSERT_EQ(W().m_nCurrentPage, 1);
  const FrameState states[] = {
      {app::IDC_NAV_WELCOME, true, true},        {app::IDC_NAV_RECOGNITION, false, true},
      {app::IDC_NAV_FIRMWARE_UPDATE, false, true}, {app::IDC_NAV_DEVICE_SETTING, false, true},
      {app::IDC_BACK, false, true},              {app::IDC_NEXT, true, true},
      {app::IDC_ACTION, false, false},           {app::IDC_UPDATE_SHORTCUT, false, false},
      {app::IDC_RESTORE_SHORTCUT, false, false}, {app::IDC_ABOUT, true, true},
      {app::IDC_CLOSE, true, true},              {app::IDC_TAB_FIRST, false, false},
      {app::IDC_TAB_SECOND, false, false},       {app::IDC_PAGE_LIST, false, false},
      {app::IDC_PROGRESS, true, false},
  };
  for (const FrameState& s : states) {
    EXPECT_EQ(Enabled(s.id), s.enabled) << s.id;
    EXPECT_EQ(Visible(s.id), s.visible) << s.id;
  }
  EXPECT_EQ(Item(app::IDC_NEXT).GetWindowText(), "NEXT        >  ");
  EXPECT_EQ(Item(app::IDC_BACK).GetWindowText(), "  <       BACK");
  EXPECT_EQ(Item(app::IDC_NAV_RECOGNITION).GetWindowText(), "DEVICE RECOGNITION");
  EXPECT_TRUE(W().m_btnNavigation[0].GetState());
  EXPECT_FALSE(W().m_btnNavigation[1].GetState());
}

TEST_F(NavigationTest, BusyDisablesEveryFrameButtonAndKeepsVisibility) {
  W().m_bBusy = true;
  W().m_nProgress = 40;
  W().RefreshControls();
  for (int id : {app::IDC_NAV_WELCOME, app::IDC_BACK, app::IDC_NEXT, app::IDC_ABOUT, app::IDC_CLOSE}) {
    EXPECT_FALSE(Enabled(id)) << id;
  }
  EXPECT_TRUE(Visible(app::IDC_NEXT));
  EXPECT_FALSE(Visible(app::IDC_ACTION));
  EXPECT_TRUE(Visible(app::IDC_PROGRESS));
  EXPECT_EQ(Item(app::IDC_PERCENT_NUMBER).GetWindowText(), "40");
  // Refused while busy.
  Press(app::IDC_NEXT);
  EXPECT_EQ(W().m_nCurrentPage, 1);
}

TEST_F(NavigationTest, NextOnFirstPageTargetsTheEditionProductAndRecognitionFindsNothingOnAnEmptyBus) {
  W().m_nDeviceTarget = 0x4D21;
  Press(app::IDC_NEXT);
  EXPECT_EQ(W().m_nDeviceTarget, 0x4D10);
  ASSERT_EQ(W().m_nCurrentPage, 2);
  EXPECT_TRUE(Enabled(app::IDC_BACK));
  EXPECT_FALSE(Enabled(app::IDC_NAV_FIRMWARE_UPDATE));
  EXPECT_FALSE(Visible(app::IDC_ACTION));

  Press(app::IDC_NEXT);
  EXPECT_EQ(W().m_nCurrentPage, 2);
  EXPECT_FALSE(W().m_bDeviceRecognized);

  Press(app::IDC_BACK);
  EXPECT_EQ(W().m_nCurrentPage, 1);
}

TEST_F(NavigationTest, CaptionsAndStatesOfTheRecognisedPages) {
  W().m_nDeviceTarget = 0x4D10;
  W().m_bDeviceRecognized = true;
  W().m_nUsbStatus = 0x4D21;

  W().GoToFirmwareUpdatePage(false);
  W().m_bBusy = false;
  W().m_nProgress = -1;
  W().RefreshControls();
  ASSERT_EQ(W().m_nCurrentPage, 3);
  EXPECT_EQ(Item(app::IDC_ACTION).GetWindowText(), text::GetUpdateText(0));
  EXPECT_EQ(Item(app::IDC_NEXT).GetWindowText(), "NEXT        >  ");
  EXPECT_TRUE(Visible(app::IDC_RESTORE_SHORTCUT));
  EXPECT_FALSE(Visible(app::IDC_UPDATE_SHORTCUT));
  EXPECT_TRUE(Enabled(app::IDC_NAV_DEVICE_SETTING));
  EXPECT_TRUE(W().m_btnNavigation[2].GetState());

  // In DFU mode the way on leads to a new device and the settings are out of reach.
  W().m_nUsbStatus = 0xCD21;
  W().RefreshControls();
  EXPECT_EQ(Item(app::IDC_NEXT).GetWindowText(), text::GetNewDeviceButtonText(0));
  EXPECT_FALSE(Enabled(app::IDC_NAV_DEVICE_SETTING));
  W().m_nUsbStatus = 0x4D21;

  for (int page : {5, 6, 7}) {
    W().GoToPage(page);
    W().m_bBusy = false;
    W().RefreshControls();
    ASSERT_EQ(W().m_nCurrentPage, page);
    EXPECT_EQ(Item(app::IDC_ACTION).GetWindowText(), "SAVE") << page;
    EXPECT_FALSE(Enabled(app::IDC_ACTION)) << page;  // nothing edited
    EXPECT_EQ(Item(app::IDC_NEXT).GetWindowText(), text::GetNewDeviceButtonText(0)) << page;
    EXPECT_FALSE(Visible(app::IDC_UPDATE_SHORTCUT)) << page;
    EXPECT_TRUE(W().m_btnNavigation[4].GetState()) << page;
  }
}

TEST_F(NavigationTest, TwoSettingsKindsShowTwoTabsAndThreeOpenTheList) {
  W().m_nDeviceTarget = 0x4D10;
  W().m_bDeviceRecognized = true;
  W().m_nSettingsPageCount = 2;
  W().m_anSettingsPages = {1, 2, 0};
  W().GoToDeviceSettingPage(false);
  W().m_bBusy = false;
  W().RefreshControls();
  EXPECT_EQ(Item(app::IDC_TAB_FIRST).GetWindowText(), "Basic");
  EXPECT_EQ(Item(app::IDC_TAB_SECOND).GetWindowText(), "Speed Dial");
  EXPECT_FALSE(Enabled(app::IDC_TAB_FIRST));
  EXPECT_TRUE(Enabled(app::IDC_TAB_SECOND));
  Press(app::IDC_TAB_SECOND);
  W().m_bBusy = false;
  W().RefreshControls();
  EXPECT_EQ(W().m_nCurrentPage, 7);
  EXPECT_TRUE(Enabled(app::IDC_TAB_FIRST));
  EXPECT_FALSE(Enabled(app::IDC_TAB_SECOND));

  W().m_nSettingsPageCount = 3;
  W().m_anSettingsPages = {1, 2, 3};
  W().m_nSettingsPageSel = 0;
  W().GoToDeviceSettingPage(false);
  W().m_bBusy = false;
  W().RefreshControls();
  EXPECT_EQ(Item(app::IDC_TAB_SECOND).GetWindowText(), "More...");
  Press(app::IDC_TAB_SECOND);
  EXPECT_TRUE(W().m_bPageListOpen);
  EXPECT_TRUE(Visible(app::IDC_PAGE_LIST));
  EXPECT_EQ(W().m_listPages.GetCount(), 3);
  EXPECT_EQ(W().m_listPages.GetCurSel(), 0);
  EXPECT_FALSE(W().m_dlgDeviceSetting.IsWindowVisible());
  // Navigation is refused while the list is open; a click elsewhere closes it.
  Press(app::IDC_NAV_WELCOME);
  EXPECT_EQ(W().m_nCurrentPage, 5);
  fw::Msg click;
  click.kind = fw::MsgKind::LButtonDown;
  click.target = &W().m_btnNext;
  EXPECT_TRUE(W().PreTranslateMessage(click));
  EXPECT_FALSE(W().m_bPageListOpen);
  EXPECT_TRUE(W().m_dlgDeviceSetting.IsWindowVisible());

  // A choice in the list goes to the page of that kind.
  Press(app::IDC_TAB_SECOND);
  W().m_listPages.SetCurSel(2);
  W().SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_PAGE_LIST, fw::LBN_SELCHANGE), 0);
  EXPECT_FALSE(W().m_bPageListOpen);
  EXPECT_EQ(W().m_nCurrentPage, 6);
  EXPECT_EQ(W().m_nSettingsPageSel, 2);
}

TEST_F(NavigationTest, FrenchAndGermanShrinkTheirLongestNavigationCaptions) {
  const auto heights = [&] {
    std::array<int, 5> h{};
    for (size_t i = 0; i < 5; ++i) h[i] = W().m_btnNavigation[i].GetFont().Height();
    return h;
  };
  W().UpdateFonts();
  const int normal = heights()[0];
  for (int h : heights()) EXPECT_EQ(h, normal);

  W().m_nLanguage = 1;
  W().UpdateFonts();
  W().RefreshControls();
  EXPECT_EQ(heights(), (std::array<int, 5>{normal, normal + 1, normal, normal + 1, normal}));
  EXPECT_EQ(Item(app::IDC_NEXT).GetWindowText(), "SUIVANT        >  ");

  W().m_nLanguage = 2;
  W().UpdateFonts();
  EXPECT_EQ(heights(), (std::array<int, 5>{normal, normal, normal, normal, normal + 1}));
}

}  // namespace
