#pragma once
// A main window on the offscreen platform with its program folder in a fresh temporary folder
// (with an IMG folder unless a test removes it), empty simulated USB and HID buses, a simulated
// update server that offers nothing newer, a shell that records what it would open, and page
// doubles for the pages whose real work is not what a test is about.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "SimHidBus.h"
#include "SimUpdateServer.h"
#include "SimUsbBus.h"
#include "app/SettingsFile.h"
#include "app/UpdaterDlg.h"
#include "framework/Application.h"
#include "io/AtomicFile.h"
#include "localization/StatusTexts.h"
#include "pages/recognition/ProgramUpdateCheck.h"
#include "platform/Paths.h"
#include "platform/Shell.h"

namespace testing_app {

// Runs the window's messages until `done`, for at most `limit`; whether it is done. It stops as
// soon as `done`, so what the handlers posted meanwhile is still queued.
inline bool PumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (!done() && std::chrono::steady_clock::now() < until) {
    fw::Application::ProcessPendingMessages();
    if (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return done();
}

// Runs the window's messages until `page` no longer waits for the update server, so that what it
// does with the answer has run. False when the answer has not come within 10 s.
inline bool AwaitServer(pages::CWizardPage& page) {
  return PumpUntil([&page] { return !page.m_serverFetch.IsPending(); });
}

// How many requests for `name` the server has had.
inline int RequestsFor(const sim::SimUpdateServer& server, const std::string& name) {
  const std::vector<std::string> requests = server.Requests();
  return static_cast<int>(std::count(requests.begin(), requests.end(), name));
}

// Recognition whose result the test chooses. A successful silent run moves on as the engine does.
class FakeRecognition : public pages::CDialogDeviceRecognition {
 public:
  int silentResult = headset::RECOGNIZE_OK;
  int interactiveResult = headset::RECOGNIZE_NO_DEVICE;
  bool moveOnAfterSuccess = true;
  int silentRuns = 0;
  int interactiveRuns = 0;
  device::CDeviceSettings* lastToWrite = nullptr;

  int RecognizeDevice(device::CDeviceSettings* toWrite, bool interactive) override {
    lastToWrite = toWrite;
    if (interactive) {
      ++interactiveRuns;
      return interactiveResult;
    }
    ++silentRuns;
    if (silentResult == headset::RECOGNIZE_OK && moveOnAfterSuccess) {
      app::CUpdaterDlg* main = MainWindow();
      main->m_bDeviceRecognized = true;
      const int page = m_nReturnPage > 100 ? m_nReturnPage - 100 : m_nReturnPage;
      main->GoToPage(page);
      // Back from an update, a restore or a save, the engine reports that step's success.
      if (page == m_nReturnPage && page >= 3) {
        main->m_strStatus =
            text::InEveryLanguage([&](int l) { return text::GetPageSuccessText(page, main->m_nUsbStatus, l); });
        main->ShowStatusMessage(main->GetStatusMessage(), false);
      }
    }
    return silentResult;
  }
};

// Page 5 whose changes the test declares and whose save always succeeds.
class FakeDeviceSetting : public pages::CDialogDeviceSetting {
 public:
  int unsaved = 0;
  int saves = 0;

  int IsSettingsModified() const override { return unsaved; }
  void ApplySettingsToDevice() override {
    ++saves;
    unsaved = 0;
    ContinueAfterSave();
  }
};

// Page 3 that counts the starts of a confirmed DFU update.
class FakeFirmwareUpdate : public firmware::CDialogFirmwareUpdate {
 public:
  int dfuStarts = 0;
  void StartDfuUpdateConfirmed() override { ++dfuStarts; }
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server_.Serve(pages::kSoftwareListName, SoftwareList("v1.0", 0, "setup.exe"));
    char pattern[] = "/tmp/corvale-mainwin-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    ASSERT_EQ(mkdir(ImageFolder().c_str(), 0755), 0);
    paths_.emplace(folder_);
    scopedPaths_.emplace(*paths_);
  }

  void TearDown() override {
    window_.reset();
    fw::Application::ProcessPendingMessages();
    scopedPaths_.reset();
    std::system(("rm -rf '" + folder_ + "'").c_str());
  }

  // Creates and shows the window; OnInitDialog runs, the startup timer is armed.
  app::CUpdaterDlg& Open(app::CUpdaterDlg::Pages pages = {}) {
    window_ = std::make_unique<app::CUpdaterDlg>(std::move(pages));
    window_->Create(nullptr);
    window_->ShowWindow(true);
    return *window_;
  }

  // Opens the window and lets the first tick of the startup timer show page 1, then lets page 1's
  // update check ask the server.
  app::CUpdaterDlg& Start(app::CUpdaterDlg::Pages pages = {}) {
    Open(std::move(pages));
    window_->FireTimer(app::TIMER_STARTUP);
    window_->m_dlgDeviceSelection.FireTimer(pages::TIMER_UPDATE_CHECK);
    EXPECT_TRUE(AwaitServer(window_->m_dlgDeviceSelection));
    return *window_;
  }

  // Started, with the pages past page 1 made, as they are once the window has left page 1: for
  // tests that drive a later page's code directly.
  app::CUpdaterDlg& StartWithEveryPage(app::CUpdaterDlg::Pages pages = {}) {
    Start(std::move(pages));
    window_->CreateLaterPages();
    return *window_;
  }

  // A "Software" list that names the program's version line and build line.
  static std::string SoftwareList(const std::string& version, int build, const std::string& file) {
    const std::string key(pages::kProgramKey);
    return key + ":" + std::to_string(build) + "\n" + key + ": " + version + " : " + file + "\n";
  }

  // As recognition leaves the window: a target and a recognised device, so every page is open.
  static void Recognise(app::CUpdaterDlg& w, int target = 0x4D10) {
    w.m_nDeviceTarget = target;
    w.m_bDeviceRecognized = true;
    w.m_nUsbStatus = target;
  }

  // The page window that shows, 0 when none does.
  static int ShownPage(const app::CUpdaterDlg& w) {
    int shown = 0;
    for (int page = 1; page <= 7; ++page) {
      if (w.PageWindow(page)->IsWindowVisible()) {
        EXPECT_EQ(shown, 0) << "pages " << shown << " and " << page << " both show";
        shown = page;
      }
    }
    return shown;
  }

  // Fires `timer` of `page` while the server holds the request for `name`: the handler returns
  // with the request on the server and unanswered, the window busy (its X refused as before) and
  // its messages still handled.
  void ExpectAnsweringWhileHeld(pages::CWizardPage& page, unsigned timer, const std::string& name) {
    server_.Hold(name);
    const int answered = server_.Answered();
    ASSERT_TRUE(page.FireTimer(timer));
    ASSERT_TRUE(PumpUntil([&] { return RequestsFor(server_, name) > 0; }));
    fw::Application::ProcessMessagesFor(20);
    EXPECT_TRUE(page.m_serverFetch.IsPending());
    EXPECT_EQ(server_.Answered(), answered);
    EXPECT_TRUE(window_->m_bBusy);
    EXPECT_FALSE(window_->m_btnClose.IsWindowEnabled());
  }

  // The desktop closes the window while the server holds `name`: the window ends at once, saves
  // its settings, and what the page would have done with the answer never runs.
  void ExpectClosesWhileHeld(pages::CWizardPage& page, const std::string& name) {
    window_->SendMessage(fw::WM_CLOSE, 0, 0);
    EXPECT_TRUE(window_->HasEnded());
    EXPECT_FALSE(page.m_serverFetch.IsPending());
    EXPECT_TRUE(SettingsFile().has_value());
    const auto start = std::chrono::steady_clock::now();
    window_.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start,
              std::chrono::milliseconds(sim::SimUpdateServer::kHoldLimitMs / 2))
        << "stopped, not waited out";
    server_.Release(name);
    fw::Application::ProcessMessagesFor(20);
  }

  std::string ImageFolder() const { return folder_ + "/IMG"; }
  std::string SettingsPath() const { return ImageFolder() + "/" + app::kSettingsFileName; }
  std::optional<std::string> SettingsFile() const { return io::ReadWholeFile(SettingsPath()); }
  void WriteSettingsFile(const std::string& text) const {
    ASSERT_TRUE(io::WriteFileAtomically(SettingsPath(), text));
  }

  std::string folder_;
  std::optional<platform::FixedPaths> paths_;
  std::optional<platform::Paths::Scoped> scopedPaths_;
  sim::SimUsbBus usb_;
  platform::UsbBus::Scoped useUsb_{usb_};
  sim::SimHidBus hid_;
  platform::HidBus::Scoped useHid_{hid_};
  sim::SimUpdateServer server_;
  platform::Http::Scoped useServer_{server_};
  platform::RecordingShell shell_;
  platform::Shell::Scoped useShell_{shell_};
  std::unique_ptr<app::CUpdaterDlg> window_;
};

// The window started as a user sees it: page 1 showing.
class StartedMainWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Start();
  }

  app::CUpdaterDlg& W() { return *window_; }
  fw::Window& Item(int id) { return *W().GetDlgItem(id); }
  void Press(int id) { W().SendMessage(fw::WM_COMMAND, fw::MakeCommand(id, fw::BN_CLICKED), 0); }
  bool Enabled(int id) { return Item(id).IsWindowEnabled(); }
  bool Visible(int id) { return Item(id).IsWindowVisible(); }
};

}  // namespace testing_app
