#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "app/UpdaterDlg.h"
#include "framework/Font.h"
#include "localization/MainWindowTexts.h"
#include "localization/SharedTexts.h"
#include "MainWindowFixture.h"

namespace {

using app::CUpdaterDlg;

class NavigationTest : public testing_app::StartedMainWindowTest {};

// One state of the window and what the frame shows for it when idle.
struct FrameCase {
  const char* name;
  int page;
  int target = 0x4D10;
  int usbStatus = 0x4D21;  // 0x8000 and above: DFU mode
  bool recognised = true;
  const char* firmwareFile = "";  // page 3's firmware-file box
  bool archiveFound = false;      // page 4
  bool edited = false;            // page 5
  int kindCount = 0;              // the archive's kinds on page 4, the product's on pages 5 to 7
  std::array<int, 3> kinds{};
  int selected = 0;
  bool listOpen = false;
  // Per control E enabled and shown, D disabled and shown, e enabled and hidden, d disabled and
  // hidden, in the order 1007-1011 BACK NEXT ACTION 1020 1024 1025-1027 1171.
  const char* states = "";
  const char* next = "";
  const char* action = nullptr;  // nullptr: the page leaves the caption alone
  const char* firstTab = nullptr;
  const char* secondTab = nullptr;
};

constexpr const char* kNext = "NEXT        >  ";
constexpr const char* kNewDevice = "NEW DEVICE  >  ";

// The same frame while busy: every button refuses but keeps its visibility; tabs and list hide.
std::string BusyStates(std::string idle) {
  for (char& c : idle) {
    if (c == 'E') c = 'D';
    if (c == 'e') c = 'd';
  }
  return idle.replace(idle.size() - 4, 4, "dd d");
}

// Started with a page 5 whose edits each case declares.
class FrameStatesTest : public testing_app::StartedMainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    auto setting = std::make_unique<testing_app::FakeDeviceSetting>();
    setting_ = setting.get();
    CUpdaterDlg::Pages pages;
    pages.deviceSetting = std::move(setting);
    StartWithEveryPage(std::move(pages));
  }

  void Arrange(const FrameCase& c) {
    W().m_bPageListOpen = false;
    setting_->unsaved = 0;
    Recognise(W(), 0x5040);  // a product with every settings page
    W().GoToPage(c.page);
    ASSERT_EQ(W().m_nCurrentPage, c.page);
    W().m_nDeviceTarget = c.target;
    W().m_nUsbStatus = c.usbStatus;
    W().m_bDeviceRecognized = c.recognised;
    W().m_dlgFirmwareUpdate.GetDlgItem(firmware::IDC_FIRMWARE_IMAGE_PATH)->SetWindowText(c.firmwareFile);
    W().m_dlgFirmwareRestore.m_job.m_bFound = c.archiveFound;
    setting_->unsaved = c.edited;
    if (c.page == 4) {
      W().m_dlgFirmwareRestore.m_nSettingsPageCount = c.kindCount;
      W().m_dlgFirmwareRestore.m_anSettingsPages = c.kinds;
      W().m_dlgFirmwareRestore.m_nSettingsPageSel = c.selected;
    } else {
      W().m_nSettingsPageCount = c.kindCount;
      W().m_anSettingsPages = c.kinds;
      W().m_nSettingsPageSel = c.selected;
    }
    W().m_bPageListOpen = c.listOpen;
  }

  std::string States() {
    const auto code = [&](int id) {
      return Visible(id) ? (Enabled(id) ? 'E' : 'D') : (Enabled(id) ? 'e' : 'd');
    };
    std::string out;
    for (int id = app::IDC_NAV_WELCOME; id <= app::IDC_NAV_DEVICE_SETTING; ++id) out += code(id);
    for (int id : {app::IDC_BACK, app::IDC_NEXT, app::IDC_ACTION, app::IDC_UPDATE_SHORTCUT,
                   app::IDC_RESTORE_SHORTCUT}) {
      out += ' ';
      out += code(id);
    }
    return out + ' ' + code(app::IDC_TAB_FIRST) + code(app::IDC_TAB_SECOND) + ' ' + code(app::IDC_PAGE_LIST);
  }

  std::string Caption(int id) { return Item(id).GetWindowText(); }

  void ExpectCaptions(const FrameCase& c) {
    EXPECT_EQ(Caption(app::IDC_NEXT), c.next);
    if (c.action) {
      EXPECT_EQ(Caption(app::IDC_ACTION), c.action);
    }
    if (c.firstTab) {
      EXPECT_EQ(Caption(app::IDC_TAB_FIRST), c.firstTab);
    }
    if (c.secondTab) {
      EXPECT_EQ(Caption(app::IDC_TAB_SECOND), c.secondTab);
    }
    EXPECT_EQ(Caption(app::IDC_BACK), "  <       BACK");
    EXPECT_EQ(Caption(app::IDC_UPDATE_SHORTCUT), "  <  FIRMWARE UPDATE");
    EXPECT_EQ(Caption(app::IDC_RESTORE_SHORTCUT), "FIRMWARE RESTORE  >  ");
    const char* titles[] = {"WELCOME", "DEVICE RECOGNITION", "FIRMWARE UPDATE", "FIRMWARE RESTORE", "DEVICE SETTING"};
    const size_t pushed = static_cast<size_t>(std::min(c.page, 5) - 1);
    for (size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(W().m_btnNavigation[i].GetWindowText(), titles[i]);
      EXPECT_EQ(W().m_btnNavigation[i].GetState(), i == pushed) << "navigation button " << i;
    }
  }

  // About and close, the status button, and the progress bar with its labels, which share their
  // place with the update page's instructions.
  void ExpectFixedControls(bool busy, int progress) {
    EXPECT_EQ(Enabled(app::IDC_ABOUT), !busy);
    EXPECT_EQ(Enabled(app::IDC_CLOSE), !busy);
    EXPECT_FALSE(Enabled(app::IDC_SHOW_STATUS));
    EXPECT_FALSE(Visible(app::IDC_SHOW_STATUS));
    for (int id : {app::IDC_PROGRESS, app::IDC_PERCENT_SIGN, app::IDC_PERCENT_NUMBER}) {
      EXPECT_EQ(Visible(id), progress >= 0) << id;
    }
    if (progress >= 0) {
      EXPECT_EQ(W().m_progress.GetPos(), progress);
      EXPECT_EQ(Caption(app::IDC_PERCENT_NUMBER), std::to_string(progress));
    }
    const fw::Window* instructions = W().m_dlgFirmwareUpdate.GetDlgItem(firmware::IDC_FIRMWARE_INSTRUCTIONS);
    if (W().m_nCurrentPage == 3) {
      EXPECT_EQ(instructions->IsWindowVisible(), progress < 0);
    }
  }

  testing_app::FakeDeviceSetting* setting_ = nullptr;
};

TEST_F(FrameStatesTest, EveryPageIdleAndBusy) {
  const FrameCase cases[] = {
      {.name = "page 1", .page = 1, .states = "EDDDD D E d d d dd d", .next = kNext},
      {.name = "page 2, nothing recognised", .page = 2, .recognised = false,
       .states = "EEDDD E E d d d dd d", .next = kNext},
      {.name = "page 2, device recognised", .page = 2, .states = "EEEEE E E d d d dd d", .next = kNext},
      {.name = "page 3, no firmware file", .page = 3, .states = "EEEEE E E D d E dd d", .next = kNext,
       .action = "UPDATE"},
      {.name = "page 3, firmware file chosen", .page = 3, .firmwareFile = "/tmp/a.dfu",
       .states = "EEEEE E E E d E dd d", .next = kNext, .action = "UPDATE"},
      {.name = "page 3, DFU mode", .page = 3, .usbStatus = 0xCD21, .firmwareFile = "/tmp/a.dfu",
       .states = "EEEED E E E d E dd d", .next = kNewDevice, .action = "UPDATE"},
      {.name = "page 3, product without settings", .page = 3, .target = 0x3020, .usbStatus = 0x3020,
       .states = "EEEED E E D d E dd d", .next = kNewDevice, .action = "UPDATE"},
      {.name = "page 4, archive not found: its kinds are named but no tab shows", .page = 4, .kindCount = 2,
       .kinds = {1, 2, 0}, .states = "EEEEE E E D E d dd d", .next = kNext, .action = "RESTORE",
       .firstTab = "Basic", .secondTab = "Speed Dial"},
      {.name = "page 4, two archive kinds", .page = 4, .archiveFound = true, .kindCount = 2, .kinds = {1, 2, 0},
       .states = "EEEEE E E E E d DE d", .next = kNext, .action = "RESTORE", .firstTab = "Basic",
       .secondTab = "Speed Dial"},
      {.name = "page 4, three archive kinds, the second listed", .page = 4, .archiveFound = true, .kindCount = 3,
       .kinds = {1, 2, 3}, .selected = 1, .states = "EEEEE E E E E d DE d", .next = kNext, .action = "RESTORE",
       .firstTab = "Speed Dial", .secondTab = "More..."},
      {.name = "page 4, DFU mode", .page = 4, .usbStatus = 0xCD21, .archiveFound = true,
       .states = "EEEED E E E E d dd d", .next = kNewDevice, .action = "RESTORE"},
      {.name = "page 4, product without settings", .page = 4, .target = 0x5345, .usbStatus = 0x5345,
       .states = "EEEED E E D E d dd d", .next = kNewDevice, .action = "RESTORE"},
      {.name = "page 5, nothing edited, one kind", .page = 5, .kindCount = 1, .kinds = {1, 0, 0},
       .states = "EEEEE E E D d d dd d", .next = kNewDevice, .action = "SAVE"},
      {.name = "page 5, edited, two kinds", .page = 5, .edited = true, .kindCount = 2, .kinds = {1, 2, 0},
       .states = "EEEEE E E E d d DE d", .next = kNewDevice, .action = "SAVE", .firstTab = "Basic",
       .secondTab = "Speed Dial"},
      {.name = "page 7, two kinds, the second shown", .page = 7, .kindCount = 2, .kinds = {1, 2, 0},
       .selected = 1, .states = "EEEEE E E D d d ED d", .next = kNewDevice, .action = "SAVE",
       .firstTab = "Basic", .secondTab = "Speed Dial"},
      {.name = "page 6, three kinds", .page = 6, .kindCount = 3, .kinds = {1, 2, 3}, .selected = 2,
       .states = "EEEEE E E D d d DE d", .next = kNewDevice, .action = "SAVE", .firstTab = "FM Radio",
       .secondTab = "More..."},
      {.name = "page 6, three kinds, list open", .page = 6, .kindCount = 3, .kinds = {1, 2, 3}, .selected = 2,
       .listOpen = true, .states = "EEEEE E E D d d DE E", .next = kNewDevice, .action = "SAVE",
       .firstTab = "FM Radio", .secondTab = "More..."},
  };
  for (const FrameCase& c : cases) {
    SCOPED_TRACE(c.name);
    Arrange(c);
    if (HasFatalFailure()) return;
    // What the page waits for from the update server is not what its frame is about.
    W().PageWindow(W().m_nCurrentPage)->DropServerWait();
    ASSERT_FALSE(W().m_bBusy);
    W().m_nProgress = -1;
    W().RefreshControls();
    EXPECT_EQ(States(), c.states) << "idle";
    ExpectCaptions(c);
    ExpectFixedControls(false, -1);

    pages::BusyHold busy = W().HoldBusy();
    W().m_nProgress = 25;
    W().RefreshControls();
    EXPECT_EQ(States(), BusyStates(c.states)) << "busy";
    ExpectCaptions(c);
    ExpectFixedControls(true, 25);
  }
}

TEST_F(NavigationTest, BusyDisablesEveryFrameButtonAndKeepsVisibility) {
  const pages::BusyHold busy = W().HoldBusy();
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

TEST_F(NavigationTest, TwoSettingsKindsShowTwoTabsAndThreeOpenTheList) {
  W().m_nDeviceTarget = 0x5040;
  W().m_bDeviceRecognized = true;
  W().m_nSettingsPageCount = 2;
  W().m_anSettingsPages = {1, 2, 0};
  W().GoToDeviceSettingPage(false);
  W().RefreshControls();
  EXPECT_EQ(Item(app::IDC_TAB_FIRST).GetWindowText(), "Basic");
  EXPECT_EQ(Item(app::IDC_TAB_SECOND).GetWindowText(), "Speed Dial");
  EXPECT_FALSE(Enabled(app::IDC_TAB_FIRST));
  EXPECT_TRUE(Enabled(app::IDC_TAB_SECOND));
  Press(app::IDC_TAB_SECOND);
  W().RefreshControls();
  EXPECT_EQ(W().m_nCurrentPage, 7);
  EXPECT_TRUE(Enabled(app::IDC_TAB_FIRST));
  EXPECT_FALSE(Enabled(app::IDC_TAB_SECOND));

  W().m_nSettingsPageCount = 3;
  W().m_anSettingsPages = {1, 2, 3};
  W().m_nSettingsPageSel = 0;
  W().GoToDeviceSettingPage(false);
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
