// The program's own update check on page 1, against the simulated update server.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/MainWindowFixture.h"
#include "controls/DialogMessageBox.h"
#include "framework/Application.h"
#include "framework/TestSeams.h"
#include "io/AtomicFile.h"
#include "localization/SelectionPageTexts.h"
#include "localization/SharedTexts.h"

namespace {

using testing_app::MainWindowTest;

constexpr const char* kInstaller = "setup110.exe";

std::string InstallerBytes() {
  std::string bytes(300 * 1024 + 5, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 1000);
  return bytes;
}

class ProgramUpdateCheckTest : public MainWindowTest {
 protected:
  void OfferNewer() {
    server_.Serve(pages::kSoftwareListName, SoftwareList("v1.1", 0, kInstaller));
    server_.Serve(kInstaller, InstallerBytes());
  }

  std::string target_;

  pages::CDialogDeviceSelection& Page() { return window_->m_dlgDeviceSelection; }
  int SoftwareRequests() { return testing_app::RequestsFor(server_, pages::kSoftwareListName); }
  // Page 1 entered again, its check given the time it asks for.
  void ReenterPageOne() {
    window_->GoToRecognitionPage(true, nullptr, 0);
    window_->GoToSelectionPage();
    Page().FireTimer(pages::TIMER_UPDATE_CHECK);
    EXPECT_TRUE(testing_app::AwaitServer(Page()));
  }
  // Waits (a bounded time) until the download thread has got as far as `done` says.
  static void WaitFor(const std::function<bool()>& done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_TRUE(done());
  }
  // The main window as a user sees it after the check: idle, no progress, no timer of the check.
  void ExpectIdle() {
    EXPECT_FALSE(window_->m_bBusy);
    EXPECT_EQ(window_->m_nProgress, -1);
    EXPECT_FALSE(Page().IsTimerArmed(pages::TIMER_UPDATE_CHECK));
    EXPECT_FALSE(Page().IsTimerArmed(pages::TIMER_UPDATE_DOWNLOAD));
    EXPECT_TRUE(Page().m_btnPicture.IsWindowVisible());
    EXPECT_FALSE(window_->HasEnded());
  }
};

TEST_F(ProgramUpdateCheckTest, NothingNewerShowsNothingAndIsAskedOncePerRun) {
  const std::vector<std::string> lists = {
      SoftwareList("v1.0", 0, "same.exe"), SoftwareList("v0.9", 5, "older.exe"),
      SoftwareList("v10", 0, "nodot.exe"), "no program here\n"};
  for (const std::string& list : lists) {
    server_.Serve(pages::kSoftwareListName, list);
    fw::ModalScript script;
    fw::FileDialogScript files;
    Open();
    window_->FireTimer(app::TIMER_STARTUP);
    EXPECT_TRUE(window_->m_bBusy) << "busy while the check waits for its tick";
    EXPECT_EQ(Page().TimerInterval(pages::TIMER_UPDATE_CHECK), 100u);
    const std::string status = window_->GetStatusMessage();
    Page().FireTimer(pages::TIMER_UPDATE_CHECK);
    ASSERT_TRUE(testing_app::AwaitServer(Page()));
    ExpectIdle();
    EXPECT_TRUE(Page().m_bUpdateChecked) << list;
    EXPECT_EQ(window_->GetStatusMessage(), status) << "no message of its own";
    EXPECT_TRUE(window_->m_bStatusNormal);

    ReenterPageOne();
    EXPECT_FALSE(window_->m_bBusy);
    EXPECT_EQ(SoftwareRequests(), 1) << list;
    EXPECT_TRUE(script.Dialogs().empty());
    EXPECT_TRUE(files.Requests().empty());
    server_.Clear();
  }
}

TEST_F(ProgramUpdateCheckTest, AnUnreachableServerOrEmptyListIsAskedAgainOnTheNextEntry) {
  for (const bool reachable : {false, true}) {
    server_.SetReachable(reachable);
    server_.Serve(pages::kSoftwareListName, "");
    Start();
    ExpectIdle();
    EXPECT_FALSE(Page().m_bUpdateChecked);

    window_->GoToRecognitionPage(true, nullptr, 0);
    window_->GoToSelectionPage();
    EXPECT_TRUE(window_->m_bBusy);
    EXPECT_TRUE(Page().IsTimerArmed(pages::TIMER_UPDATE_CHECK));
    server_.SetReachable(true);
    server_.Serve(pages::kSoftwareListName, SoftwareList("v1.0", 0, "same.exe"));
    Page().FireTimer(pages::TIMER_UPDATE_CHECK);
    ASSERT_TRUE(testing_app::AwaitServer(Page()));
    ExpectIdle();
    EXPECT_TRUE(Page().m_bUpdateChecked);
    EXPECT_EQ(SoftwareRequests(), 2);
    server_.Clear();
  }
}

TEST_F(ProgramUpdateCheckTest, AListTheServerHoldsLeavesTheWindowAnsweringAndClosable) {
  for (const bool close : {false, true}) {
    SCOPED_TRACE(close ? "closed meanwhile" : "answered");
    Open();
    window_->FireTimer(app::TIMER_STARTUP);
    ExpectAnsweringWhileHeld(Page(), pages::TIMER_UPDATE_CHECK, pages::kSoftwareListName);
    if (close) {
      ExpectClosesWhileHeld(Page(), pages::kSoftwareListName);
      continue;
    }
    server_.Release(pages::kSoftwareListName);
    ASSERT_TRUE(testing_app::AwaitServer(Page()));
    ExpectIdle();
    EXPECT_TRUE(Page().m_bUpdateChecked);
  }
}

TEST_F(ProgramUpdateCheckTest, TheOfferDeclinedOrItsSaveDialogCancelledIsNotMadeAgain) {
  for (const bool declined : {true, false}) {
    OfferNewer();
    fw::ModalScript script;
    fw::FileDialogScript files;
    script.Press(declined ? fw::IDCANCEL : fw::IDOK);
    if (!declined) files.Cancel();
    Start();

    ASSERT_EQ(script.Dialogs().size(), 1u);
    const fw::ShownDialog& prompt = script.Last();
    EXPECT_EQ(prompt.size, (fw::Size{530, 230}));
    EXPECT_EQ(prompt.Text(controls::IDC_MESSAGE_TEXT), text::GetNewerProgramText(1, 1, 0, 0));
    EXPECT_EQ(prompt.Text(controls::IDC_MESSAGE_THIRD), "Release Notes");
    EXPECT_EQ(prompt.Text(fw::IDCANCEL), text::GetNoText(0));
    EXPECT_EQ(prompt.Text(fw::IDOK), text::GetYesText(0));
    EXPECT_EQ(prompt.VisibleButtons().size(), 3u);
    ExpectIdle();
    EXPECT_EQ(files.Requests().size(), declined ? 0u : 1u);
    if (!declined) {
      const fw::FileDialogRequest& save = files.Requests().front();
      EXPECT_TRUE(save.save);
      EXPECT_EQ(save.folder, ImageFolder() + "/");
      EXPECT_EQ(save.defaultName, kInstaller);
      EXPECT_EQ(save.filter, "Manager Update Files(*.exe)|");
      EXPECT_TRUE(save.defaultExt.empty());
    }

    ReenterPageOne();
    EXPECT_EQ(script.Dialogs().size(), 1u) << "asked once per run";
    EXPECT_EQ(server_.Requests(), std::vector<std::string>{pages::kSoftwareListName});
    server_.Clear();
  }
}

TEST_F(ProgramUpdateCheckTest, ACompletedDownloadOpensTheInstallerAndEndsTheProgram) {
  OfferNewer();
  ASSERT_EQ(mkdir((folder_ + "/chosen").c_str(), 0755), 0);
  const std::string target = folder_ + "/chosen/" + kInstaller;
  fw::ModalScript script;
  fw::FileDialogScript files;
  script.Press(fw::IDOK);
  files.Choose(target);
  Start();

  EXPECT_TRUE(window_->m_bBusy);
  EXPECT_EQ(window_->m_nProgress, 0);
  EXPECT_EQ(window_->m_strCurrentPath, folder_ + "/chosen/");
  EXPECT_EQ(window_->m_staticStatusText.GetWindowText(), "Downloading the update file.");
  EXPECT_EQ(window_->m_strStatus[3], text::GetDownloadingUpdateText(3));
  EXPECT_EQ(Page().TimerInterval(pages::TIMER_UPDATE_DOWNLOAD), 1000u);

  WaitFor([&] { return Page().m_download.received == Page().m_download.total && Page().m_download.total > 0; });
  for (int tick = 0; tick < 100 && !window_->HasEnded(); ++tick) {
    // The worker's word, once it has ended, says the installer is in place.
    fw::Application::ProcessPendingMessages();
    Page().FireTimer(pages::TIMER_UPDATE_DOWNLOAD);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ASSERT_TRUE(window_->HasEnded());
  EXPECT_EQ(window_->Result(), fw::IDOK);
  EXPECT_EQ(io::ReadWholeFile(target).value_or(""), InstallerBytes());
  EXPECT_EQ(shell_.Opened(), std::vector<std::string>{target});
  EXPECT_EQ(window_->m_staticStatusText.GetWindowText(), "Successfully downloaded the update file.");
  EXPECT_TRUE(window_->m_bStatusNormal);
  EXPECT_FALSE(window_->m_bBusy);
  EXPECT_EQ(window_->m_nProgress, -1);
  EXPECT_FALSE(Page().IsTimerArmed(pages::TIMER_UPDATE_DOWNLOAD));
  EXPECT_NE(SettingsFile().value_or("").find("keyCurrentPath=" + folder_ + "/chosen/\r\n"), std::string::npos);
}

TEST_F(ProgramUpdateCheckTest, AFailedDownloadShowsWhyInTheErrorColourAndStaysOnPageOne) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    bool waitForThread;
    const char* status;
  };
  const Case cases[] = {
      {"installer missing on the server", [this] { server_.Remove(kInstaller); }, true,
       "Cannot connect to the server."},
      {"target folder missing", [this] { target_ = folder_ + "/gone/" + kInstaller; }, true,
       "Cannot open file."},
      {"no answer within the first tick", [this] { server_.Hold(kInstaller); }, false,
       "Cannot connect to the server."},
  };
  for (const Case& c : cases) {
    OfferNewer();
    target_ = ImageFolder() + "/" + kInstaller;
    c.arrange();
    fw::ModalScript script;
    fw::FileDialogScript files;
    script.Press(fw::IDOK);
    files.Choose(target_);
    Start();
    if (c.waitForThread) WaitFor([&] { return Page().m_download.received < 0; });
    Page().FireTimer(pages::TIMER_UPDATE_DOWNLOAD);

    ExpectIdle();
    EXPECT_EQ(window_->m_staticStatusText.GetWindowText(), c.status) << c.name;
    EXPECT_FALSE(window_->m_bStatusNormal) << c.name;
    EXPECT_EQ(window_->m_nCurrentPage, 1);
    EXPECT_TRUE(shell_.Opened().empty()) << c.name;
    ReenterPageOne();
    EXPECT_EQ(script.Dialogs().size(), 1u) << "not offered again: " << c.name;

    server_.Release(kInstaller);
    window_.reset();  // waits for a download still running
    server_.Clear();
  }
}

// Page 1 left while the installer downloads (the window closed, or the wizard gone on): the
// transfer is stopped at once, and the file the user chose stays as it was.
TEST_F(ProgramUpdateCheckTest, LeavingPageOneStopsTheInstallerDownloadAndKeepsTheChosenFile) {
  for (const bool close : {true, false}) {
    SCOPED_TRACE(close ? "closed" : "left for page 2");
    OfferNewer();
    server_.Hold(kInstaller);
    const std::string target = ImageFolder() + "/" + kInstaller;
    ASSERT_TRUE(io::WriteFileAtomically(target, "EARLIER"));
    fw::ModalScript script;
    fw::FileDialogScript files;
    script.Press(fw::IDOK);
    files.Choose(target);
    Start();
    WaitFor([&] { return testing_app::RequestsFor(server_, kInstaller) == 1; });
    const int cancelled = server_.Cancelled();
    if (close) {
      window_->SendMessage(fw::WM_CLOSE, 0, 0);
      EXPECT_TRUE(window_->HasEnded());
    } else {
      window_->m_nDeviceTarget = 0x4D10;
      window_->GoToRecognitionPage(true, nullptr, 0);
      EXPECT_FALSE(window_->m_bBusy);
    }
    EXPECT_TRUE(testing_app::PumpUntil([&] { return server_.Cancelled() > cancelled; }, std::chrono::seconds(3)))
        << "the transfer was told to stop";
    server_.Release(kInstaller);
    fw::Application::ProcessMessagesFor(50);
    window_.reset();
    EXPECT_EQ(io::ReadWholeFile(target).value_or(""), "EARLIER");
    EXPECT_TRUE(shell_.Opened().empty());
    server_.Clear();
  }
}

TEST_F(ProgramUpdateCheckTest, ClosingDuringTheInstallerDownloadCancelsItAndReturnsPromptly) {
  OfferNewer();
  server_.Hold(kInstaller);
  const std::string target = ImageFolder() + "/" + kInstaller;
  fw::ModalScript script;
  fw::FileDialogScript files;
  script.Press(fw::IDOK);
  files.Choose(target);
  Start();
  WaitFor([&] { return server_.Requests().size() == 2; });
  const auto start = std::chrono::steady_clock::now();
  window_.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2))
      << "the server holds the installer for " << sim::SimUpdateServer::kHoldLimitMs << " ms";
  EXPECT_FALSE(io::ReadWholeFile(target).has_value());
  EXPECT_TRUE(shell_.Opened().empty());
  server_.Clear();
}

}  // namespace
