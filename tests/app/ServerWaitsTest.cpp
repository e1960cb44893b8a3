// Every wait for the update server (page 1's list and installer, page 3's list (on entry and after a
// change of language) and image, page 4's list and image, each before its timer's tick too) against
// every way of leaving it: the window closes at once, or ends idle wherever the route took it, and
// closes then.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/DialogLanguageManager.h"
#include "app/MainWindowFixture.h"
#include "firmware/formats/SettingsArchive.h"
#include "firmware/restore/DialogFirmwareRestore.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "framework/TestSeams.h"
#include "io/AtomicFile.h"
#include "localization/PageNumbers.h"

namespace testing_app {
namespace {

constexpr int kTarget = 0x4D21;  // "VKT_TQG27N"
constexpr const char* kInstaller = "setup110.exe";
constexpr const char* kImage = "one.img";
constexpr const char* kRestoreImage = "old.img";

class ServerWaitsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    server_.Serve(kImage, "IMAGE-BYTES");
    server_.Serve(firmware::kRevisionsListName, "VKT_TQG27N: v1.0 : old.img\n");
    server_.Serve(kRestoreImage, "OLD-IMAGE");
    device::CDeviceSettings archived;
    archived.m_nProductId = kTarget;
    archived.m_nVersionMajor = 1;
    ASSERT_TRUE(io::WriteFileAtomically(ImageFolder() + "/VKT_TQG27N.kelnuarch",
                                        firmware::FormatSettingsArchive(archived, 1700000000)));
  }

  // The names a setup holds; each is released before the window is settled.
  static constexpr const char* kHeld[] = {pages::kSoftwareListName, kInstaller, firmware::kFirmwareListName, kImage,
                                          firmware::kRevisionsListName, kRestoreImage};

  void Hold(const std::string& name, const std::function<void()>& start) {
    server_.Hold(name);
    const int before = RequestsFor(server_, name);
    start();
    ASSERT_TRUE(PumpUntil([&] { return RequestsFor(server_, name) > before; }));
  }

  // Page 3 on show (the device at the server's version: nothing offered), its list read.
  app::CUpdaterDlg& OnUpdatePage() {
    app::CUpdaterDlg& w = Start();
    Recognise(w, kTarget);
    w.m_deviceSettings.m_nVersionMajor = 10;
    w.GoToPage(wizard::PAGE_FIRMWARE_UPDATE);
    return w;
  }
  void ReadList(pages::CWizardPage& page, unsigned timer) {
    ASSERT_TRUE(page.FireTimer(timer));
    ASSERT_TRUE(AwaitServer(page));
  }
  // Download pressed on page 3 and a file chosen: the download waits for its tick.
  void PressDownload(app::CUpdaterDlg& w) {
    ReadList(w.m_dlgFirmwareUpdate, firmware::TIMER_FIRMWARE_LIST);
    files_.Choose(ImageFolder() + "/saved.img");
    w.m_dlgFirmwareUpdate.SendMessage(fw::WM_COMMAND, fw::MakeCommand(firmware::IDC_FIRMWARE_DOWNLOAD, fw::BN_CLICKED));
  }
  app::CUpdaterDlg& OnRestorePage() {
    app::CUpdaterDlg& w = Start();
    Recognise(w, kTarget);
    w.GoToPage(wizard::PAGE_FIRMWARE_RESTORE);
    return w;
  }

  // Every held name released, and every wait the window then has run to its end.
  void Settle() {
    for (const char* name : kHeld) server_.Release(name);
    app::CUpdaterDlg& w = *window_;
    for (int round = 0; round < 4 && w.m_bBusy; ++round) {
      w.m_dlgDeviceSelection.FireTimer(pages::TIMER_UPDATE_CHECK);
      w.m_dlgFirmwareUpdate.FireTimer(firmware::TIMER_FIRMWARE_LIST);
      w.m_dlgFirmwareRestore.FireTimer(firmware::TIMER_RESTORE_LOOKUP);
      for (int page : {1, 3, 4}) EXPECT_TRUE(AwaitServer(*w.PageWindow(page)));
    }
  }

  fw::ModalScript script_;
  fw::FileDialogScript files_;
};

TEST_F(ServerWaitsTest, EveryWaitForTheServerEndsIdleAndClosableByEveryRouteOfLeavingIt) {
  struct Wait {
    const char* name;
    int page;
    std::function<void()> start;  // leaves the window busy in the wait
  };
  const Wait waits[] = {
      {"page 1's list before its tick", 1, [this] {
         Open();
         window_->FireTimer(app::TIMER_STARTUP);
       }},
      {"page 1's list", 1, [this] {
         Open();
         window_->FireTimer(app::TIMER_STARTUP);
         Hold(pages::kSoftwareListName, [this] { window_->m_dlgDeviceSelection.FireTimer(pages::TIMER_UPDATE_CHECK); });
       }},
      {"page 1's installer", 1, [this] {
         const std::string key(pages::kProgramKey);
         server_.Serve(pages::kSoftwareListName, key + ": v1.1 : " + kInstaller + "\n");
         server_.Serve(kInstaller, "INSTALLER");
         script_.Press(fw::IDOK);
         files_.Choose(ImageFolder() + "/" + kInstaller);
         Open();
         window_->FireTimer(app::TIMER_STARTUP);
         Hold(kInstaller, [this] { window_->m_dlgDeviceSelection.FireTimer(pages::TIMER_UPDATE_CHECK); });
       }},
      {"page 3's list before its tick", 3, [this] { OnUpdatePage(); }},
      {"page 3's list again after a change of language, before its tick", 3, [this] {
         server_.Serve(firmware::kFirmwareListName,
                       "VKT_TQG27N: v10.0 : English : en.img\nVKT_TQG27N: v10.0 : Dutch : nl.img\n");
         app::CUpdaterDlg& w = OnUpdatePage();
         ReadList(w.m_dlgFirmwareUpdate, firmware::TIMER_FIRMWARE_LIST);
         app::CDialogLanguageManager dutch;
         dutch.m_nLanguage = 7;
         dutch.m_bApplyToFirmwareLanguage = true;
         w.ApplyLanguageChoice(dutch);
       }},
      {"page 3's list", 3, [this] {
         app::CUpdaterDlg& w = OnUpdatePage();
         Hold(firmware::kFirmwareListName, [&] { w.m_dlgFirmwareUpdate.FireTimer(firmware::TIMER_FIRMWARE_LIST); });
       }},
      {"page 3's image before its tick", 3, [this] { PressDownload(OnUpdatePage()); }},
      {"page 3's image", 3, [this] {
         app::CUpdaterDlg& w = OnUpdatePage();
         PressDownload(w);
         Hold(kImage, [&] { w.m_dlgFirmwareUpdate.FireTimer(firmware::TIMER_FIRMWARE_DOWNLOAD); });
       }},
      {"page 4's list before its tick", 4, [this] { OnRestorePage(); }},
      {"page 4's list", 4, [this] {
         app::CUpdaterDlg& w = OnRestorePage();
         Hold(firmware::kRevisionsListName, [&] { w.m_dlgFirmwareRestore.FireTimer(firmware::TIMER_RESTORE_LOOKUP); });
       }},
      {"page 4's image", 4, [this] {
         app::CUpdaterDlg& w = OnRestorePage();
         ReadList(w.m_dlgFirmwareRestore, firmware::TIMER_RESTORE_LOOKUP);
         Hold(kRestoreImage, [&] { w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_ACTION, fw::BN_CLICKED), 0); });
       }},
  };
  struct Route {
    const char* name;
    std::function<void(app::CUpdaterDlg&, int page)> leave;
    int pageAfter;  // 0: the wait's own page
    bool closes;
  };
  const Route routes[] = {
      {"closed", [](app::CUpdaterDlg& w, int) { w.SendMessage(fw::WM_CLOSE, 0, 0); }, 0, true},
      {"left for page 2",
       [](app::CUpdaterDlg& w, int) {
         w.m_nDeviceTarget = kTarget;
         w.GoToRecognitionPage(true, nullptr, 0);
       },
       2, false},
      {"its page entered again", [](app::CUpdaterDlg& w, int page) { w.GoToPage(page); }, 0, false},
  };
  for (const Wait& wait : waits) {
    for (const Route& route : routes) {
      SCOPED_TRACE(std::string(wait.name) + ", " + route.name);
      server_.Serve(pages::kSoftwareListName, SoftwareList("v1.0", 0, "setup.exe"));
      server_.Serve(firmware::kFirmwareListName, "VKT_TQG27N: v10.0 : one.img\n");
      wait.start();
      app::CUpdaterDlg& w = *window_;
      ASSERT_TRUE(w.m_bBusy);
      route.leave(w, wait.page);
      if (route.closes) {
        EXPECT_TRUE(w.HasEnded());
      } else {
        EXPECT_EQ(w.m_nCurrentPage, route.pageAfter ? route.pageAfter : wait.page);
        if (route.pageAfter) {
          EXPECT_TRUE(w.PageWindow(wait.page)->ArmedTimers().empty()) << "nothing of the wait goes on";
        }
        Settle();
        EXPECT_FALSE(w.m_bBusy);
        EXPECT_TRUE(w.m_btnClose.IsWindowEnabled());
        w.SendMessage(fw::WM_CLOSE, 0, 0);
        EXPECT_TRUE(w.HasEnded());
      }
      EXPECT_TRUE(SettingsFile().has_value());
      window_.reset();
      for (const char* name : kHeld) server_.Release(name);
      fw::Application::ProcessPendingMessages();
      EXPECT_EQ(script_.Unanswered(), 0);
      firmware::g_bOfferNewerFirmware = true;
      std::remove(SettingsPath().c_str());
    }
  }
}

// The product picture leads on as NEXT does: while the program's own check waits it is refused
// like NEXT, and the window is idle and closable once the list has come.
TEST_F(ServerWaitsTest, ThePictureIsRefusedWhileTheProgramsCheckWaits) {
  Open();
  window_->FireTimer(app::TIMER_STARTUP);
  pages::CDialogDeviceSelection& page = window_->m_dlgDeviceSelection;
  for (const bool held : {false, true}) {
    SCOPED_TRACE(held ? "list held" : "before the tick");
    if (held) Hold(pages::kSoftwareListName, [&] { page.FireTimer(pages::TIMER_UPDATE_CHECK); });
    page.SendMessage(fw::WM_COMMAND, fw::MakeCommand(pages::IDC_SELECTION_PICTURE, fw::BN_CLICKED));
    EXPECT_EQ(window_->m_nCurrentPage, 1);
    EXPECT_TRUE(window_->m_bBusy);
  }
  Settle();
  EXPECT_FALSE(window_->m_bBusy);
  EXPECT_TRUE(page.m_bUpdateChecked);
  page.SendMessage(fw::WM_COMMAND, fw::MakeCommand(pages::IDC_SELECTION_PICTURE, fw::BN_CLICKED));
  EXPECT_EQ(window_->m_nCurrentPage, 2) << "idle, the picture leads on";
  window_->SendMessage(fw::WM_CLOSE, 0, 0);
  EXPECT_TRUE(window_->HasEnded());
}

}  // namespace
}  // namespace testing_app
