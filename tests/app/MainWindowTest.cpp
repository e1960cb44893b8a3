// Start-up, closing, the preferences file as the window uses it, and the HID handles.
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <functional>

#include "app/MainWindowFixture.h"
#include "framework/Bitmap.h"
#include "framework/Messages.h"
#include "framework/TestSeams.h"
#include "localization/StatusTexts.h"
#include "resources/Menus.h"
#include "SimHidBus.h"

namespace testing_app {
namespace {

TEST_F(MainWindowTest, FrameStaysEmptyUntilTheFirstStartupTickShowsPageOne) {
  app::CUpdaterDlg& w = Open();
  EXPECT_EQ(w.m_nCurrentPage, 0);
  EXPECT_EQ(ShownPage(w), 0);
  EXPECT_TRUE(w.IsTimerArmed(app::TIMER_STARTUP));
  EXPECT_EQ(w.TimerInterval(app::TIMER_STARTUP), 100u);
  EXPECT_EQ(app::GetMainWindow(*w.PageWindow(1)), &w) << "page 1 finds the main window";

  ASSERT_TRUE(w.FireTimer(app::TIMER_STARTUP));
  EXPECT_EQ(w.m_nCurrentPage, 1);
  EXPECT_EQ(ShownPage(w), 1);
  EXPECT_FALSE(w.IsTimerArmed(app::TIMER_STARTUP)) << "one shot";
  EXPECT_EQ(w.m_staticStatusText.GetWindowText(), text::GetPageInstructionText(1, 0, 0));
  EXPECT_TRUE(w.m_bStatusNormal);
}

// Pictures are decoded as they come to show: the flags of the languages not chosen never are.
TEST_F(MainWindowTest, MakingTheWindowObjectDecodesNoPicture) {
  const int decodes = fw::Bitmap::ResourceDecodes();
  app::CUpdaterDlg unopened;
  EXPECT_EQ(fw::Bitmap::ResourceDecodes(), decodes);
}

// A first run: no preferences yet. The window shows its background and page 1 in the frame, and
// closing it writes the preferences.
TEST_F(MainWindowTest, AFirstRunShowsTheWindowAndClosesCleanly) {
  app::CUpdaterDlg w;
  fw::ModalScript script;
  script.Do([&](fw::Dialog&) {
    EXPECT_EQ(w.GetClientRect().GetSize(), (fw::Size{728, 484}));
    EXPECT_EQ(w.m_staticBackground.GetBitmap().ResourceId(), 327);
    EXPECT_EQ(w.GetIcon().ResourceId(), 128);
    EXPECT_FALSE(w.GetIcon().IsPlaceholder()) << "the program's icon is one of its pictures";
    w.FireTimer(app::TIMER_STARTUP);
    EXPECT_EQ(ShownPage(w), 1);
    // Busy until the update check has asked the server.
    EXPECT_TRUE(w.m_bBusy);
    w.m_dlgDeviceSelection.FireTimer(pages::TIMER_UPDATE_CHECK);
    EXPECT_TRUE(AwaitServer(w.m_dlgDeviceSelection));
    EXPECT_EQ(w.m_staticPageFrame.GetBitmap().ResourceId(), 218);
    if (const char* folder = std::getenv("CORVALE_SCREENSHOTS")) {
      EXPECT_TRUE(fw::RenderToPng(w, std::string(folder) + "/mainwindow-first-run.png"));
    }
    EXPECT_TRUE(fw::Click(w.m_btnClose));
  });
  EXPECT_EQ(w.DoModal(), fw::IDOK);
  EXPECT_EQ(SettingsFile().value_or(""),
            "keyManagerVersion=v1.0\r\nkeyManagerLanguage=English\r\nkeyApplyToFirmwareLanguage=1\r\n"
            "keyDeviceTarget=0\r\nkeyFirmwareLanguage=English\r\n");
}

TEST_F(MainWindowTest, EscapeDoesNothingOnAnyPage) {
  app::CUpdaterDlg& w = Start();
  for (int page = 1; page <= 7; ++page) {
    Recognise(w, 0x5040);  // pages 1 and 2 forget the device; it has an FM radio for page 6
    w.GoToPage(page);
    ASSERT_EQ(ShownPage(w), page);
    fw::Dialog& shown = *w.PageWindow(page);
    fw::Window& focus = shown.GetChildren().empty() ? static_cast<fw::Window&>(shown) : *shown.GetChildren().front();
    fw::PressKey(focus, fw::VK_ESCAPE);
    fw::PressKey(w, fw::VK_ESCAPE);
    EXPECT_FALSE(w.HasEnded()) << "page " << page;
    EXPECT_EQ(w.m_nCurrentPage, page);
    EXPECT_EQ(ShownPage(w), page);
  }
  EXPECT_FALSE(SettingsFile().has_value());
}

// The three ways to close, each tried idle, busy and with the settings-page list open.
TEST_F(MainWindowTest, ClosingSavesAndEndsOnlyWhenIdle) {
  struct Way {
    const char* name;
    std::function<void(app::CUpdaterDlg&)> close;
  };
  const Way ways[] = {
      {"X", [](app::CUpdaterDlg& w) {
         if (!fw::Click(w.m_btnClose)) w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(fw::IDOK, fw::BN_CLICKED));
       }},
      {"Alt+F4", [](app::CUpdaterDlg& w) { fw::RequestClose(w); }},
      {"context menu Close", [](app::CUpdaterDlg& w) {
         fw::ModalScript script;
         script.ChooseMenu(res::ID_MENU_CLOSE);
         fw::ClickAt(w.m_staticBackground, {40, 400}, true);
         const bool menuShown = !script.Menus().empty();
         EXPECT_EQ(menuShown, !w.m_bBusy && !w.m_bPageListOpen) << "the menu is refused while busy or listing";
         if (!menuShown) w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(res::ID_MENU_CLOSE, 0));
         fw::Application::ProcessPendingMessages();
         fw::Application::ProcessPendingMessages();
       }},
  };
  enum class State { Idle, Busy, ListOpen };
  for (const Way& way : ways) {
    for (State state : {State::Idle, State::Busy, State::ListOpen}) {
      SCOPED_TRACE(way.name + std::string(state == State::Idle ? " idle" : state == State::Busy ? " busy" : " list"));
      std::remove(SettingsPath().c_str());
      app::CUpdaterDlg& w = Start();
      pages::BusyHold busy;
      if (state == State::Busy) busy = w.HoldBusy();
      w.m_bPageListOpen = state == State::ListOpen;
      w.RefreshControls();
      way.close(w);
      if (state == State::Idle) {
        EXPECT_TRUE(w.HasEnded());
        EXPECT_EQ(w.Result(), fw::IDOK);
        EXPECT_TRUE(SettingsFile().has_value());
      } else {
        EXPECT_FALSE(w.HasEnded());
        EXPECT_FALSE(SettingsFile().has_value()) << "nothing is written while the window must stay";
      }
    }
  }
}

TEST_F(MainWindowTest, PreferencesComeFromTheFileAndGoBackToItOnClose) {
  WriteSettingsFile(
      "keyManagerVersion=v0.9\r\nkeyManagerLanguage = german\r\nkeyApplyToFirmwareLanguage=0\r\n"
      "keyDeviceTarget=19745\r\nkeyFirmwareLanguage=French\r\nkeyCurrentPath=/home/a=b/\r\n");
  app::CUpdaterDlg& w = Open();
  EXPECT_EQ(w.m_nLanguage, 2);
  EXPECT_FALSE(w.m_bApplyToFirmwareLanguage);
  EXPECT_EQ(w.m_nDeviceTarget, 0x4D21);
  EXPECT_EQ(w.m_strFirmwareLanguage, "French");
  EXPECT_EQ(w.m_strCurrentPath, "/home/a=b/");
  EXPECT_EQ(w.m_strManagerVersion, "v0.9");
  EXPECT_EQ(w.m_nCurrentPage, 0);
  EXPECT_EQ(w.m_nProgress, -1);
  EXPECT_FALSE(w.m_progress.IsWindowVisible());

  w.m_nLanguage = 4;
  w.m_strCurrentPath.clear();
  w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(fw::IDOK, fw::BN_CLICKED));
  ASSERT_TRUE(w.HasEnded());
  EXPECT_EQ(SettingsFile().value_or(""),
            "keyManagerVersion=v1.0\r\nkeyManagerLanguage=Japanese\r\nkeyApplyToFirmwareLanguage=0\r\n"
            "keyDeviceTarget=19745\r\nkeyFirmwareLanguage=French\r\n");
}

TEST_F(MainWindowTest, WithoutAnImageFolderTheStartValuesHoldAndAFailedSaveIsToldButClosingStillEnds) {
  std::system(("rm -rf '" + ImageFolder() + "'").c_str());
  app::CUpdaterDlg& w = Start();
  EXPECT_EQ(w.m_nLanguage, 0);
  EXPECT_EQ(w.m_nDeviceTarget, 0);
  EXPECT_TRUE(w.m_bApplyToFirmwareLanguage);
  EXPECT_EQ(w.m_strFirmwareLanguage, "English");
  testing::internal::CaptureStderr();
  fw::RequestClose(w);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(w.HasEnded());
  EXPECT_NE(said.find("cannot write the settings file in " + ImageFolder()), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

// An installed program's folder belongs to root: the user's own IMG folder takes its place, so a
// language change survives a restart and the report's dialog opens there.
TEST_F(MainWindowTest, WithoutAnImageFolderBesideTheProgramTheUsersOwnIsMadeAndUsed) {
  std::system(("rm -rf '" + ImageFolder() + "'").c_str());
  scopedPaths_.reset();
  paths_.emplace(folder_, folder_ + "/data");
  scopedPaths_.emplace(*paths_);
  const std::string own = folder_ + "/data/corvale-manager/IMG";

  app::CUpdaterDlg& first = Start();
  first.m_nLanguage = 2;
  fw::RequestClose(first);
  ASSERT_TRUE(first.HasEnded());
  EXPECT_NE(io::ReadWholeFile(own + "/" + app::kSettingsFileName).value_or("").find("keyManagerLanguage=German"),
            std::string::npos);

  app::CUpdaterDlg& second = Start();
  EXPECT_EQ(second.m_nLanguage, 2);
  fw::FileDialogScript dialogs;
  dialogs.Cancel();
  second.SendMessage(fw::WM_COMMAND, fw::MakeCommand(res::ID_MENU_DIAGNOSTIC_LOG, 0), 0);
  ASSERT_EQ(dialogs.Requests().size(), 1u);
  EXPECT_EQ(dialogs.Requests()[0].folder, own + "/");
  struct stat st;
  EXPECT_NE(stat(ImageFolder().c_str(), &st), 0) << "nothing is made beside the program";
}

// What a crash after writing the temporary file and before renaming it leaves behind: the old
// file and a half-written temporary one. The old preferences are read; the next close writes a
// whole new file under a temporary name of its own, and removes a left-over nobody has written for
// a minute (a younger one may be another running copy's save).
TEST_F(MainWindowTest, AnInterruptedSaveLosesNothing) {
  WriteSettingsFile("keyManagerLanguage=Dutch\r\nkeyDeviceTarget=19728\r\n");
  const std::string stale = SettingsPath() + ".tmp-Ab3dE9";
  const std::string fresh = SettingsPath() + ".tmp-Xy7Zw2";
  for (const std::string& leftOver : {stale, fresh}) {
    std::FILE* partial = std::fopen(leftOver.c_str(), "wb");
    ASSERT_NE(partial, nullptr);
    std::fputs("keyManagerVersion=v1.0\r\nkeyManagerLangu", partial);
    std::fclose(partial);
  }
  const timespec twoMinutesAgo[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, stale.c_str(), twoMinutesAgo, 0), 0);
  app::CUpdaterDlg& w = Start();
  EXPECT_EQ(w.m_nLanguage, 7);
  EXPECT_EQ(w.m_nDeviceTarget, 0x4D10);
  w.m_nLanguage = 1;
  fw::RequestClose(w);
  ASSERT_TRUE(w.HasEnded());
  const std::string saved = SettingsFile().value_or("");
  EXPECT_NE(saved.find("keyManagerLanguage=French\r\n"), std::string::npos) << saved;
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(fresh));
}

TEST_F(MainWindowTest, CountsModulesInHidDfuModeUpToTheLimit) {
  sim::SimHidBus bus;
  platform::HidBus::Scoped scoped(bus);
  bus.Add(0x092B, 0xD340);
  bus.Add(0x092B, 0x4D21);
  const std::string busy = bus.Add(0x092B, 0xD340);
  bus.Add(0x092B, 0xD340);
  bus.Add(0x1234, 0xD340);
  bus.Add(0x092B, 0xD340);

  EXPECT_EQ(app::CUpdaterDlg::CountHidDfuDevices(0), 0);
  EXPECT_EQ(bus.OpenCount(), 0) << "max 0 opens nothing";
  EXPECT_EQ(app::CUpdaterDlg::CountHidDfuDevices(2), 2);
  EXPECT_EQ(app::CUpdaterDlg::CountHidDfuDevices(10), 4);
  bus.SetOpenFails(busy, true);
  EXPECT_EQ(app::CUpdaterDlg::CountHidDfuDevices(10), 3) << "an interface that cannot be opened is skipped";
}

TEST_F(MainWindowTest, ClosingHidHandlesTwiceIsHarmlessAndSavingClosesThem) {
  sim::SimHidBus bus;
  const std::string first = bus.Add(0x092B, 0x5345);
  const std::string second = bus.Add(0x092B, 0x5345);
  app::CUpdaterDlg& w = Start();
  w.CloseHidHandles();
  w.m_hHidDevice = bus.Open(first);
  w.m_hHidDeviceSecond = bus.Open(second);
  ASSERT_TRUE(w.m_hHidDevice && w.m_hHidDeviceSecond);
  w.CloseHidHandles();
  EXPECT_FALSE(w.m_hHidDevice || w.m_hHidDeviceSecond);
  w.CloseHidHandles();

  w.m_hHidDevice = bus.Open(first);
  EXPECT_TRUE(w.SaveSettingsFile());
  EXPECT_FALSE(w.m_hHidDevice) << "a save closes the handles";
  const pages::BusyHold busy = w.HoldBusy();
  w.m_hHidDevice = bus.Open(first);
  EXPECT_FALSE(w.SaveSettingsFile());
  EXPECT_TRUE(w.m_hHidDevice) << "a refused save touches nothing";
}

}  // namespace
}  // namespace testing_app
