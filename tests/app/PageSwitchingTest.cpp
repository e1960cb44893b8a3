// The wizard's rules for changing pages.
#include "SimHidBus.h"
#include "app/MainWindowFixture.h"
#include "controls/DialogMessageBox.h"
#include "framework/TestSeams.h"
#include "localization/SafeFormat.h"
#include "localization/StatusTexts.h"

namespace testing_app {
namespace {

using headset::RECOGNIZE_OK;

class PageSwitchingTest : public MainWindowTest {
 protected:
  app::CUpdaterDlg& StartWithDoubles() {
    auto recognition = std::make_unique<FakeRecognition>();
    auto setting = std::make_unique<FakeDeviceSetting>();
    recognition_ = recognition.get();
    setting_ = setting.get();
    app::CUpdaterDlg::Pages pages;
    pages.recognition = std::move(recognition);
    pages.deviceSetting = std::move(setting);
    return Start(std::move(pages));
  }

  // Page 5 on show with edits the user has not saved.
  app::CUpdaterDlg& OnSettingsPageWithChanges() {
    app::CUpdaterDlg& w = StartWithDoubles();
    Recognise(w);
    w.m_deviceSettings.m_astrSpeedDial[0] = "111";
    w.GoToDeviceSettingPage(true);
    EXPECT_EQ(ShownPage(w), 5);
    setting_->m_editedSettings.m_astrSpeedDial[0] = "999";
    setting_->unsaved = 1;
    w.RefreshControls();
    return w;
  }

  FakeRecognition* recognition_ = nullptr;
  FakeDeviceSetting* setting_ = nullptr;
};

TEST_F(PageSwitchingTest, PagesNeedATargetAndARecognisedDevice) {
  struct Case {
    int target;
    bool recognized;
    int page;
    int shown;
  };
  const Case cases[] = {
      {0, false, 1, 1},      {0, true, 2, 1},       {0, true, 3, 1},       {0, true, 7, 1},
      {0x4D10, false, 2, 2}, {0x4D10, false, 3, 2}, {0x4D10, false, 5, 2}, {0x4D10, false, 7, 2},
      {0x4D10, true, 4, 4},  {0x5040, true, 6, 6},  {0x4D10, true, 6, 5},
  };
  app::CUpdaterDlg& w = StartWithDoubles();
  for (const Case& c : cases) {
    SCOPED_TRACE(text::Format("target %X recognized %d page %d", c.target, c.recognized, c.page));
    w.GoToSelectionPage();
    w.m_nDeviceTarget = c.target;
    w.m_bDeviceRecognized = c.recognized;
    w.GoToPage(c.page);
    EXPECT_EQ(w.m_nCurrentPage, c.shown);
    EXPECT_EQ(ShownPage(w), c.shown);
  }
  // Sent back to page 2, the user is told what page 2 expects.
  w.m_bDeviceRecognized = false;
  w.GoToFirmwareUpdatePage(true);
  EXPECT_EQ(w.m_staticStatusText.GetWindowText(), "Ready for DEVICE RECOGNITION");

  const int before = w.m_nCurrentPage;
  w.GoToPage(0);
  w.GoToPage(8);
  EXPECT_EQ(w.m_nCurrentPage, before);
}

TEST_F(PageSwitchingTest, EnteringPageOneOrTwoForgetsTheDevice) {
  sim::SimHidBus bus;
  const std::string path = bus.Add(0x092B, 0x5345);
  for (int page : {1, 2}) {
    SCOPED_TRACE(page);
    app::CUpdaterDlg& w = StartWithDoubles();
    recognition_->silentResult = headset::RECOGNIZE_NO_DEVICE;
    Recognise(w, 0x4D10);
    w.m_nUsbStatus = 0x8000 | 0x4D21;
    w.m_hHidDevice = bus.Open(path);
    w.m_hHidDeviceSecond = bus.Open(path);
    w.m_nSettingsPageCount = 2;
    w.m_anSettingsPages = {device::SETTINGS_PAGE_BASIC, device::SETTINGS_PAGE_SPEED_DIAL, 0};
    w.m_nSettingsPageSel = 1;
    w.m_bPageListOpen = true;
    w.m_deviceSettings.m_anBasicSetting[0] = 5;
    w.m_deviceSettings.m_astrSpeedDial[2] = "12345";

    w.GoToPage(page);
    EXPECT_EQ(w.m_nCurrentPage, page);
    EXPECT_FALSE(w.m_bDeviceRecognized);
    EXPECT_EQ(w.m_nUsbStatus, 0);
    EXPECT_FALSE(w.m_hHidDevice || w.m_hHidDeviceSecond);
    EXPECT_EQ(w.m_nSettingsPageCount, 0);
    EXPECT_EQ(w.m_nSettingsPageSel, 0);
    EXPECT_FALSE(w.m_bPageListOpen);
    EXPECT_EQ(w.m_deviceSettings.m_anBasicSetting[0], 0);
    EXPECT_EQ(w.m_deviceSettings.m_astrSpeedDial[2], "");
  }
}

TEST_F(PageSwitchingTest, LeavingUnsavedChangesAsksOnceAndYesSavesThenGoesOn) {
  app::CUpdaterDlg& w = OnSettingsPageWithChanges();
  fw::ModalScript script;
  script.Press(fw::IDOK);
  ASSERT_TRUE(fw::Click(w.m_btnBack));  // BACK from page 5 leads to page 3

  ASSERT_EQ(script.Dialogs().size(), 1u);
  const fw::ShownDialog& prompt = script.Last();
  EXPECT_EQ(prompt.templateId, 184);
  EXPECT_EQ(prompt.size, (fw::Size{400, 130}));
  EXPECT_EQ(prompt.Text(controls::IDC_MESSAGE_TEXT), "Would you like to save DEVICE SETTING changes?");
  EXPECT_EQ(prompt.Text(fw::IDOK), "YES");
  EXPECT_EQ(prompt.Text(fw::IDCANCEL), "NO");
  EXPECT_EQ(prompt.VisibleButtons(), (std::vector<int>{fw::IDOK, fw::IDCANCEL}));

  EXPECT_EQ(setting_->saves, 1);
  EXPECT_EQ(recognition_->silentRuns, 1) << "the device is recognised again silently";
  EXPECT_EQ(recognition_->m_nReturnPage, 103);
  EXPECT_EQ(recognition_->lastToWrite, nullptr);
  EXPECT_EQ(w.m_nCurrentPage, 3);
  EXPECT_EQ(ShownPage(w), 3);
}

TEST_F(PageSwitchingTest, NoRevertsTheEditsAndGoesOnWithoutAskingAgain) {
  app::CUpdaterDlg& w = OnSettingsPageWithChanges();
  fw::ModalScript script;
  script.Press(fw::IDCANCEL);
  w.GoToFirmwareRestorePage(true);
  EXPECT_EQ(script.Dialogs().size(), 1u) << "asked exactly once";
  EXPECT_EQ(setting_->saves, 0);
  EXPECT_EQ(setting_->m_editedSettings.m_astrSpeedDial[0], "111");
  EXPECT_EQ(w.m_deviceSettings.m_astrSpeedDial[0], "111");
  EXPECT_EQ(w.m_nCurrentPage, 4);
  EXPECT_EQ(ShownPage(w), 4);
  EXPECT_EQ(recognition_->silentRuns, 0);
}

TEST_F(PageSwitchingTest, SettingsPagesWithoutChangesOrToThemselvesSwitchWithoutAsking) {
  app::CUpdaterDlg& w = OnSettingsPageWithChanges();
  fw::ModalScript script;  // no answers: any prompt fails the test
  w.GoToDeviceSettingPage(true);
  EXPECT_EQ(w.m_nCurrentPage, 5);
  EXPECT_EQ(setting_->m_nPendingPage, 0);

  setting_->unsaved = 0;
  w.GoToSpeedDialPage(true);
  EXPECT_EQ(ShownPage(w), 7);
  EXPECT_TRUE(script.Dialogs().empty());
}

// Choosing the page on show again, in the page list or with its navigation button, keeps what the
// user has edited there.
TEST_F(PageSwitchingTest, ChoosingThePageOnShowKeepsItsEdits) {
  for (const bool fromList : {true, false}) {
    SCOPED_TRACE(fromList ? "page list" : "navigation button");
    app::CUpdaterDlg& w = OnSettingsPageWithChanges();
    w.m_nSettingsPageCount = 3;
    w.m_anSettingsPages = {device::SETTINGS_PAGE_BASIC, device::SETTINGS_PAGE_FM_RADIO,
                           device::SETTINGS_PAGE_SPEED_DIAL};
    w.m_nSettingsPageSel = 0;
    w.RefreshControls();
    fw::ModalScript script;  // no answers: any prompt fails the test
    if (fromList) {
      ASSERT_TRUE(fw::Click(w.m_btnTabSecond));
      ASSERT_TRUE(w.m_bPageListOpen);
      w.m_listPages.SetCurSel(0);
      w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_PAGE_LIST, fw::LBN_SELCHANGE), 0);
      EXPECT_FALSE(w.m_bPageListOpen);
    } else {
      ASSERT_TRUE(fw::Click(w.m_btnNavigation[4]));
    }
    EXPECT_EQ(ShownPage(w), 5);
    EXPECT_EQ(setting_->m_editedSettings.m_astrSpeedDial[0], "999");
    EXPECT_TRUE(script.Dialogs().empty());
  }
}

// After a silent recognition the results that need the user's eyes post NEXT once, which runs the
// recognition again interactively; the others post nothing.
TEST_F(PageSwitchingTest, SilentRecognitionRepeatsInteractivelyOnlyAfterFailuresTheUserMustSee) {
  app::CUpdaterDlg& w = StartWithDoubles();
  recognition_->moveOnAfterSuccess = false;
  for (int result = 0; result <= 10; ++result) {
    SCOPED_TRACE(result);
    const bool repeats = result == 2 || (result >= 5 && result <= 9);
    Recognise(w);
    recognition_->silentResult = result;
    recognition_->interactiveRuns = 0;
    device::CDeviceSettings archived;
    w.GoToRecognitionPage(false, &archived, 4);
    EXPECT_EQ(recognition_->lastToWrite, &archived);
    EXPECT_EQ(recognition_->interactiveRuns, 0) << "posted, not run at once";
    fw::Application::ProcessPendingMessages();
    fw::Application::ProcessPendingMessages();
    EXPECT_EQ(recognition_->interactiveRuns, repeats ? 1 : 0);
  }
}

TEST_F(PageSwitchingTest, SilentRecognitionStatusReportsWhatSucceeded) {
  app::CUpdaterDlg& w = StartWithDoubles();
  recognition_->moveOnAfterSuccess = false;
  Recognise(w);
  struct Case {
    int returnPage;
    const char* status;
  };
  const Case cases[] = {
      {3, "Firmware updated successfully. Ready for DEVICE RECOGNITION"},
      {4, "Firmware restored successfully. Ready for DEVICE RECOGNITION"},
      {5, "Device setting saved successfully. Ready for DEVICE RECOGNITION"},
      // after a save on the way to page 1: the save is what succeeded
      {101, "Device setting saved successfully. Ready for DEVICE RECOGNITION"},
      {0, "Ready for DEVICE RECOGNITION"},
  };
  for (const Case& c : cases) {
    w.GoToRecognitionPage(true, nullptr, c.returnPage);
    EXPECT_EQ(w.m_staticStatusText.GetWindowText(), c.status);
    EXPECT_EQ(w.GetStatusMessage(), c.status);
  }
}

// Page 6 asks the record's own comparison with the FM block: every FM word counts, and only for a
// product that carries an FM block.
TEST_F(PageSwitchingTest, FmPageCountsEveryWordOfTheFmBlockOfProductsThatHaveOne) {
  app::CUpdaterDlg& w = StartWithDoubles();
  struct Case {
    int product;
    void (*edit)(device::CDeviceSettings&);
    int modified;
  };
  const Case cases[] = {
      {0x5040, [](device::CDeviceSettings& s) { s.m_nFmCurrentPreset += 1; }, 1},
      {0x5040, [](device::CDeviceSettings& s) { s.m_nFmMagicCode += 1; }, 1},
      {0x5040, [](device::CDeviceSettings& s) { s.m_anFmPreset[9] += 1; }, 1},
      {0x5040, [](device::CDeviceSettings&) {}, 0},
      {0x4D10, [](device::CDeviceSettings& s) { s.m_anFmPreset[0] += 1; }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.product);
    Recognise(w, c.product);
    w.m_deviceSettings.m_nProductId = c.product;
    w.GoToDeviceSettingSecondPage(true);
    // A product without an FM radio is sent on to page 5; the page's record still compares.
    ASSERT_EQ(ShownPage(w), c.product == 0x4D10 ? 5 : 6);
    c.edit(w.m_dlgDeviceSettingSecond.m_editedSettings);
    EXPECT_EQ(w.m_dlgDeviceSettingSecond.IsSettingsModified(), c.modified);
    w.m_dlgDeviceSettingSecond.m_editedSettings.CopyFrom(w.m_deviceSettings, true);
  }
}

TEST_F(PageSwitchingTest, SettingsPageIndexAndTargetCompatibility) {
  app::CUpdaterDlg& w = StartWithDoubles();
  w.m_nSettingsPageCount = 2;
  w.m_anSettingsPages = {device::SETTINGS_PAGE_BASIC, device::SETTINGS_PAGE_FM_RADIO, device::SETTINGS_PAGE_SPEED_DIAL};
  EXPECT_EQ(w.FindSettingsPageIndex(4), -1);
  EXPECT_EQ(w.FindSettingsPageIndex(5), 0);
  EXPECT_EQ(w.FindSettingsPageIndex(6), 1);
  EXPECT_EQ(w.FindSettingsPageIndex(7), -1) << "beyond the count";
  w.m_nSettingsPageCount = 99;
  EXPECT_EQ(w.FindSettingsPageIndex(7), 2) << "a bad count never reads past the list";

  struct Case {
    int target;
    int product;
    bool compatible;
  };
  const Case cases[] = {
      {0x4D10, 0x4D10, true},  {0x4D10, 0x4D40, true},  {0x4D40, 0x4D10, false}, {0x4D05, 0x4D55, true},
      {0x5040, 0x5050, true},  {0x5040, 0x5060, false}, {0x5020, 0x5070, true},  {0x5020, 0, false},
      {0, 0, true},
  };
  for (const Case& c : cases) {
    w.m_nDeviceTarget = c.target;
    EXPECT_EQ(w.IsTargetCompatible(c.product), c.compatible) << std::hex << c.target << " " << c.product;
  }
}

TEST_F(PageSwitchingTest, NextOnPageOneTargetsTheEditionsProduct) {
  app::CUpdaterDlg& w = StartWithDoubles();
  ASSERT_TRUE(fw::Click(w.m_btnNext));
  EXPECT_EQ(w.m_nDeviceTarget, 0x4D10);
  EXPECT_EQ(ShownPage(w), 2);
  pages::BusyHold busy = w.HoldBusy();
  w.OnButtonNext();
  EXPECT_EQ(recognition_->interactiveRuns, 0) << "refused while busy";
  busy.Release();
  w.OnButtonNext();
  EXPECT_EQ(recognition_->interactiveRuns, 1);
}

}  // namespace
}  // namespace testing_app
