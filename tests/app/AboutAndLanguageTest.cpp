// The About box, the online help and the language dialog, reached from the main window's buttons,
// flag and context menu, and refused while the window is busy.
#include <functional>
#include <string>
#include <vector>

#include "app/AboutDlg.h"
#include "app/DialogLanguageManager.h"
#include "app/MainWindowFixture.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Messages.h"
#include "framework/TestSeams.h"
#include "localization/LanguageNames.h"
#include "localization/MainWindowTexts.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "resources/DialogTemplates.h"
#include "resources/Menus.h"

namespace testing_app {
namespace {

constexpr int kFrench = 1;
constexpr int kGerman = 2;
constexpr int kDutch = 7;

class ChromeTest : public StartedMainWindowTest {
 protected:
  // The menu's choice and the commands it posts run before this returns.
  void RightClickBackground() {
    fw::ClickAt(W().m_staticBackground, {40, 400}, true);
    fw::Application::ProcessPendingMessages();
    fw::Application::ProcessPendingMessages();
  }

  // The radio buttons of the language dialog that are marked, as interface languages.
  static std::vector<int> Marked(fw::Dialog& d) {
    std::vector<int> marked;
    for (int language = 0; language < text::kLanguageCount; ++language) {
      auto* radio = d.Control<fw::Button>(app::CDialogLanguageManager::RowOf(language).radio);
      if (radio && radio->GetCheck() == fw::BST_CHECKED) marked.push_back(language);
    }
    return marked;
  }
  static std::string TextOf(fw::Dialog& d, int id) { return d.GetDlgItem(id)->GetWindowText(); }
  static void ClickIn(fw::Dialog& d, int id) { ASSERT_TRUE(fw::Click(*d.GetDlgItem(id))) << id; }
};

TEST_F(ChromeTest, AboutBoxShowsNameVersionAndCaptionsInTheCurrentLanguageAndOpensTheHelp) {
  W().m_nLanguage = kFrench;
  fw::ModalScript script;
  script.Do([&](fw::Dialog& d) {
    ClickIn(d, app::IDC_ABOUT_ONLINE_HELP);
    EXPECT_FALSE(d.HasEnded()) << "the help leaves the box open";
    ClickIn(d, fw::IDOK);
  });
  Press(app::IDC_ABOUT);

  ASSERT_EQ(script.Dialogs().size(), 1u);
  const fw::ShownDialog& about = script.Last();
  EXPECT_EQ(about.templateId, res::IDD_ABOUTBOX);
  EXPECT_EQ(about.Text(app::IDC_ABOUT_TITLE),
            text::GetProductNameText(kFrench) + " " + text::GetVersionText(kFrench) + " 1.0");
  EXPECT_EQ(about.Text(app::IDC_ABOUT_NOTICE), text::GetNoticeLineText(0)) << "the same in every language";
  EXPECT_EQ(about.Text(fw::IDOK), text::GetOkText(kFrench));
  EXPECT_EQ(about.Text(app::IDC_ABOUT_ONLINE_HELP), text::GetOnlineHelpMenuText(kFrench));
  EXPECT_EQ(shell_.Opened(), std::vector<std::string>{app::CAboutDlg::OnlineHelpAddress()});
  EXPECT_NE(app::CAboutDlg::OnlineHelpAddress().find("Contents/Resources/English/overview.html"), std::string::npos);
}

TEST_F(ChromeTest, ContextMenuOpensTheAboutBoxTheHelpAndTheLanguageDialog) {
  fw::ModalScript script;
  script.ChooseMenu(res::ID_MENU_ABOUT).Press(fw::IDOK);
  RightClickBackground();
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(script.Last().templateId, res::IDD_ABOUTBOX);

  script.ChooseMenu(res::ID_MENU_ONLINE_HELP);
  RightClickBackground();
  EXPECT_EQ(script.Dialogs().size(), 1u) << "the help opens without the box";
  EXPECT_EQ(shell_.Opened(), std::vector<std::string>{app::CAboutDlg::OnlineHelpAddress()});

  script.ChooseMenu(res::ID_MENU_LANGUAGE).Press(fw::IDCANCEL);
  RightClickBackground();
  ASSERT_EQ(script.Dialogs().size(), 2u);
  EXPECT_EQ(script.Last().templateId, res::IDD_LANGUAGE_MANAGER);
}

TEST_F(ChromeTest, CommandsAreRefusedWhileBusyOrWhileThePageListIsOpen) {
  const std::vector<std::pair<const char*, std::function<void()>>> commands = {
      {"about button", [&] { Press(app::IDC_ABOUT); }},
      {"about item", [&] { Press(res::ID_MENU_ABOUT); }},
      {"language item", [&] { Press(res::ID_MENU_LANGUAGE); }},
      {"flag", [&] { W().SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_LANGUAGE_FLAG, fw::STN_CLICKED), 0); }},
      {"right click", [&] { RightClickBackground(); }},
  };
  for (bool listOpen : {false, true}) {
    pages::BusyHold busy;
    if (!listOpen) busy = W().HoldBusy();
    W().m_bPageListOpen = listOpen;
    for (const auto& [name, run] : commands) {
      SCOPED_TRACE(std::string(name) + (listOpen ? " list open" : " busy"));
      fw::ModalScript script;  // no answers: a dialog or menu would be reported
      run();
      fw::Application::ProcessPendingMessages();
      EXPECT_TRUE(script.Dialogs().empty());
      EXPECT_TRUE(script.Menus().empty());
    }
  }
}

TEST_F(ChromeTest, LanguageDialogRetextsItselfAtEachClickAndCancelKeepsTheLanguage) {
  fw::ModalScript script;
  script.Do([&](fw::Dialog& d) {
    EXPECT_EQ(Marked(d), std::vector<int>{0});
    EXPECT_EQ(TextOf(d, app::IDC_LANGUAGE_GROUP), text::GetManagerSoftwareLanguageText(0));
    EXPECT_FALSE(d.GetDlgItem(app::IDC_APPLY_TO_VOICE_PROMPT)->IsWindowVisible());

    ClickIn(d, app::CDialogLanguageManager::RowOf(kGerman).label);
    EXPECT_EQ(Marked(d), std::vector<int>{kGerman});
    EXPECT_EQ(TextOf(d, app::IDC_LANGUAGE_GROUP), text::GetManagerSoftwareLanguageText(kGerman));
    EXPECT_EQ(TextOf(d, app::CDialogLanguageManager::RowOf(0).label), "Englisch");
    EXPECT_EQ(TextOf(d, fw::IDOK), "OK");
    EXPECT_EQ(TextOf(d, fw::IDCANCEL), "ABBRECHEN");
    EXPECT_EQ(TextOf(d, app::IDC_APPLY_TO_VOICE_PROMPT), "Auf Sprachansage Sprachwahl anwenden");

    ClickIn(d, app::CDialogLanguageManager::RowOf(kFrench).flag);
    EXPECT_EQ(Marked(d), std::vector<int>{kFrench});
    EXPECT_EQ(TextOf(d, app::CDialogLanguageManager::RowOf(0).label), "Anglais");

    ClickIn(d, app::CDialogLanguageManager::RowOf(kDutch).radio);
    EXPECT_EQ(Marked(d), std::vector<int>{kDutch});
    EXPECT_EQ(TextOf(d, app::IDC_APPLY_TO_VOICE_PROMPT), "Apply To Voice Prompt Language");
    ClickIn(d, fw::IDCANCEL);
  });
  ASSERT_TRUE(fw::Click(W().m_staticLanguageFlag));
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(script.Last().result, fw::IDCANCEL);
  EXPECT_EQ(W().m_nLanguage, 0);
  EXPECT_EQ(W().m_btnNext.GetWindowText(), text::GetNextButtonText(0));
}

// A language chosen in the dialog re-dresses the captions, the panel and the status line at once,
// and reaches the settings file when the window closes.
TEST_F(ChromeTest, ChosenLanguageRedressesTheWindowAndIsSavedOnClose) {
  fw::ModalScript script;
  script.Do([&](fw::Dialog& d) {
    ClickIn(d, app::CDialogLanguageManager::RowOf(kDutch).label);
    ClickIn(d, fw::IDOK);
  });
  ASSERT_TRUE(fw::Click(W().m_staticLanguageFlag));
  EXPECT_EQ(W().m_nLanguage, kDutch);
  EXPECT_EQ(W().m_btnNext.GetWindowText(), text::GetNextButtonText(kDutch));
  EXPECT_EQ(W().m_btnNavigation[0].GetWindowText(), text::GetPageTitleText(1, kDutch));
  EXPECT_EQ(W().m_staticDeviceLine1.GetWindowText(), "GEEN apparaat");
  EXPECT_EQ(W().m_staticStatusText.GetWindowText(), text::GetPageInstructionText(1, 0, kDutch));
  EXPECT_EQ(W().m_staticLanguageFlag.GetBitmap().ResourceId(), 291);

  ASSERT_TRUE(fw::Click(W().m_btnClose));
  EXPECT_NE(SettingsFile().value_or("").find("keyManagerLanguage=Dutch\r\n"), std::string::npos);
}

TEST_F(ChromeTest, SameChoiceChangesNothingAndTheUpdatePageReadsItsListAgain) {
  app::CDialogLanguageManager same;
  same.m_nLanguage = W().m_nLanguage;
  same.m_bApplyToFirmwareLanguage = W().m_bApplyToFirmwareLanguage;
  W().m_btnNext.SetWindowText("untouched");
  W().ApplyLanguageChoice(same);
  EXPECT_EQ(W().m_btnNext.GetWindowText(), "untouched");

  // Page 3 with voice-prompt variants listed: the list goes and the server's list is read again
  // soon, without a second offer of newer firmware.
  Recognise(W());
  W().GoToPage(3);
  W().m_dlgFirmwareUpdate.m_serverFetch.Cancel();
  auto* prompts = W().m_dlgFirmwareUpdate.Control<fw::ComboBox>(firmware::IDC_FIRMWARE_VOICE_PROMPT);
  ASSERT_NE(prompts, nullptr);
  prompts->AddString("English");
  W().m_dlgFirmwareUpdate.KillTimer(firmware::TIMER_FIRMWARE_LIST);
  firmware::g_bOfferNewerFirmware = true;
  app::CDialogLanguageManager german;
  german.m_nLanguage = kGerman;
  german.m_bApplyToFirmwareLanguage = true;
  W().ApplyLanguageChoice(german);
  EXPECT_EQ(W().m_nLanguage, kGerman);
  EXPECT_EQ(prompts->GetCount(), 0);
  EXPECT_FALSE(firmware::g_bOfferNewerFirmware);
  EXPECT_TRUE(W().m_dlgFirmwareUpdate.IsTimerArmed(firmware::TIMER_FIRMWARE_LIST));
  EXPECT_EQ(W().m_dlgFirmwareUpdate.TimerInterval(firmware::TIMER_FIRMWARE_LIST), 10u);
  W().m_dlgFirmwareUpdate.KillTimer(firmware::TIMER_FIRMWARE_LIST);
  firmware::g_bOfferNewerFirmware = true;
}

}  // namespace
}  // namespace testing_app
