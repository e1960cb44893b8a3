// The demo build: the device manager as it ships, but with a simulated headset (092B:4D21) on a
// simulated USB bus in place of the real one, no vendor HID devices, and a simulated update server
// whose program list offers nothing newer. Its settings file lives
// in ~/.local/share/corvale-manager-demo/IMG (or under the temporary folder when there is no home).
//
//   corvale-manager-demo                   runs the program
//   corvale-manager-demo --screenshots DIR walks pages 1 and 2, the recognised state and page 5 in every
//                                          language and writes PNG pictures of the window to DIR
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>

#include "SimBlueCoreHeadset.h"
#include "SimHidBus.h"
#include "SimUpdateServer.h"
#include "SimUsbBus.h"
#include "app/UpdaterApp.h"
#include "app/UpdaterDlg.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "localization/LanguageNames.h"
#include "localization/SafeFormat.h"
#include "pages/recognition/ProgramUpdateCheck.h"
#include "platform/Paths.h"

namespace {

namespace fs = std::filesystem;

fs::path DemoFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) {
    return fs::path(home) / ".local" / "share" / "corvale-manager-demo";
  }
  return fs::temp_directory_path() / "corvale-manager-demo";
}

sim::HeadsetProfile DemoHeadset() {
  sim::HeadsetProfile profile;
  profile.productId = 0x4D21;
  profile.modelId = 0x4D21;
  profile.firmwareVersion = {10, 0, 0, 0};
  profile.lap = 0x2A51C3;
  profile.uap = 0x5E;
  profile.nap = 0x0017;
  profile.name = "Corvale Headset";
  return profile;
}

void Settle() {
  for (int i = 0; i < 5; ++i) fw::Application::ProcessMessagesFor(40);
}

bool Shoot(app::CUpdaterDlg& window, const fs::path& dir, const std::string& name) {
  Settle();
  const fw::Bitmap shot = fw::Bitmap::FromWindow(window, window.GetClientRect());
  const fs::path file = dir / (name + ".png");
  if (shot.IsNull() || !shot.SavePng(file.string())) {
    std::cerr << "cannot write " << file << '\n';
    return false;
  }
  std::cout << file.string() << '\n';
  return true;
}

// Lets the page's own timers end what it started (page 3 reads its list while busy), as a user who
// waits would, so that the next click is not refused.
void WaitUntilIdle(app::CUpdaterDlg& window) {
  for (int waited = 0; window.m_bBusy && waited < 5000; waited += 50) fw::Application::ProcessMessagesFor(50);
}

int TakeScreenshots(int& argc, char** argv, const fs::path& dir) {
  std::error_code error;
  fs::create_directories(dir, error);
  fw::Application application(argc, argv);
  app::CUpdaterDlg window;
  window.Create(nullptr);
  window.ShowWindow(true);
  window.FireTimer(app::TIMER_STARTUP);
  bool ok = true;
  for (int language = 0; language < text::kLanguageCount; ++language) {
    const std::string tag = text::Format("%02d-%s", language, text::GetLanguageEnglishName(language));
    window.m_nLanguage = language;
    window.UpdateFonts();
    window.GoToSelectionPage();
    WaitUntilIdle(window);
    ok = Shoot(window, dir, tag + "-1-selection") && ok;
    window.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NEXT, fw::BN_CLICKED), 0);
    ok = Shoot(window, dir, tag + "-2-recognition") && ok;
    window.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NEXT, fw::BN_CLICKED), 0);
    WaitUntilIdle(window);
    ok = Shoot(window, dir, tag + "-3-recognised") && ok;
    window.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NEXT, fw::BN_CLICKED), 0);
    WaitUntilIdle(window);
    ok = Shoot(window, dir, tag + "-5-settings") && ok;
  }
  window.DestroyWindow();
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path folder = DemoFolder();
  std::error_code error;
  fs::create_directories(folder / "IMG", error);
  if (error) {
    std::cerr << "cannot create " << (folder / "IMG") << ": " << error.message() << '\n';
    return 1;
  }
  platform::FixedPaths paths(folder.string());
  platform::Paths::Scoped usePaths(paths);

  sim::SimUsbBus usb;
  usb.Attach("1-2", std::make_shared<sim::SimBlueCoreHeadset>(DemoHeadset()));
  platform::UsbBus::Scoped useUsb(usb);
  sim::SimHidBus hid;
  platform::HidBus::Scoped useHid(hid);
  sim::SimUpdateServer server;
  server.Serve(pages::kSoftwareListName,
               std::string(pages::kProgramKey) + ": v1.0 : setup.exe\n" + std::string(pages::kProgramKey) + ":0\n");
  platform::Http::Scoped useServer(server);

  if (argc >= 3 && std::string(argv[1]) == "--screenshots") return TakeScreenshots(argc, argv, argv[2]);

  app::CUpdaterApp application(argc, argv);
  application.InitInstance();
  return 0;
}
