// Page 5's settings grid: building its largest list (the camera headset from firmware 3.0, 25
// rows) and a language switch while it shows. Each should stay well within one frame (16 ms).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "BenchProgramFolder.h"
#include "SimHidBus.h"
#include "SimUpdateServer.h"
#include "SimUsbBus.h"
#include "app/DialogLanguageManager.h"
#include "app/UpdaterDlg.h"
#include "framework/Application.h"

namespace {

// The main window on page 5 for the camera headset at 3.0: offscreen, empty simulated buses, an
// update server that offers nothing, the program folder in a fresh temporary folder.
class Page5Rig {
 public:
  Page5Rig() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "corvale_benchmarks";
    static char* argv[] = {name, nullptr};
    static fw::Application application(argc, argv);
    window_ = std::make_unique<app::CUpdaterDlg>();
    window_->Create(nullptr);
    window_->ShowWindow(true);
    window_->FireTimer(app::TIMER_STARTUP);
    app::CUpdaterDlg& w = *window_;
    w.m_nDeviceTarget = 0x5510;
    w.m_bDeviceRecognized = true;
    w.m_nUsbStatus = 0x5510;
    w.m_deviceSettings.m_nProductId = 0x5510;
    w.m_deviceSettings.SetDefaults(0x5510, 3, 0);
    w.m_deviceSettings.m_nVersionMajor = 3;
    w.m_deviceSettings.m_nVersionMinor = 0;
    w.GoToDeviceSettingPage(true);
  }
  ~Page5Rig() {
    window_.reset();
    fw::Application::ProcessPendingMessages();
  }

  app::CUpdaterDlg& Window() { return *window_; }

 private:
  const benchtest::ProgramFolder folder_;
  sim::SimUsbBus usb_;
  platform::UsbBus::Scoped useUsb_{usb_};
  sim::SimHidBus hid_;
  platform::HidBus::Scoped useHid_{hid_};
  sim::SimUpdateServer server_;
  platform::Http::Scoped useServer_{server_};
  std::unique_ptr<app::CUpdaterDlg> window_;
};

void BM_BuildLargestSettingsGrid(benchmark::State& state) {
  Page5Rig rig;
  pages::CDialogDeviceSetting& page = rig.Window().m_dlgDeviceSetting;
  for (auto _ : state) {
    page.BuildSettingsGrid();
    benchmark::DoNotOptimize(page.m_gridSettings.GetItemCount());
  }
  if (page.m_gridSettings.GetItemCount() != 25) state.SkipWithError("the grid does not hold 25 rows");
}
BENCHMARK(BM_BuildLargestSettingsGrid)->Unit(benchmark::kMicrosecond);

// English and German in turn: fonts, captions, the page's texts and layout, and the grid.
void BM_LanguageSwitchWithLargestGrid(benchmark::State& state) {
  Page5Rig rig;
  app::CUpdaterDlg& w = rig.Window();
  if (w.m_nCurrentPage != 5) state.SkipWithError("page 5 does not show");
  app::CDialogLanguageManager choice;
  choice.m_bApplyToFirmwareLanguage = w.m_bApplyToFirmwareLanguage;
  for (auto _ : state) {
    choice.m_nLanguage = w.m_nLanguage == 0 ? 2 : 0;
    w.ApplyLanguageChoice(choice);
  }
  if (w.m_dlgDeviceSetting.m_gridSettings.GetItemCount() != 25) {
    state.SkipWithError("the grid does not hold 25 rows");
  }
}
BENCHMARK(BM_LanguageSwitchWithLargestGrid)->Unit(benchmark::kMicrosecond);

}  // namespace
