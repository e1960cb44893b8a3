// Host-side cost of a whole firmware update from page 3 of a 1 MiB image to a simulated headset
// that answers every request at once: the checks, the settings archive, the engine's steps, the
// report queue and the ending. The headset never waits, so the time is the program's own.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "BenchProgramFolder.h"
#include "SimBlueCoreHeadset.h"
#include "SimDfuImage.h"
#include "SimHidBus.h"
#include "SimUpdateServer.h"
#include "SimUsbBus.h"
#include "app/MainWindowIds.h"
#include "app/UpdaterDlg.h"
#include "device/PsKeys.h"
#include "framework/Application.h"
#include "headset/RecognitionStates.h"
#include "pages/recognition/DialogDeviceRecognition.h"
#include "platform/Clock.h"
#include "platform/Paths.h"

namespace {

namespace fs = std::filesystem;

fw::Application& Toolkit() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "dfu_update_bench";
  static char* argv[] = {name, nullptr};
  static fw::Application application(argc, argv);
  return application;
}

// Recognition after the update is not what is measured: it takes the device back at once.
class QuietRecognition : public pages::CDialogDeviceRecognition {
 public:
  int RecognizeDevice(device::CDeviceSettings*, bool) override {
    app::CUpdaterDlg* main = MainWindow();
    main->m_bDeviceRecognized = true;
    main->GoToPage(3);
    return headset::RECOGNIZE_OK;
  }
};

void BM_DfuUpdate1MiB(benchmark::State& state) {
  Toolkit();
  const benchtest::ProgramFolder programFolder;
  if (programFolder.Path().empty()) return state.SkipWithError("no scratch folder");
  const fs::path& folder = programFolder.Path();
  platform::ManualClock clock;
  platform::Clock::Scoped useClock(clock);
  sim::SimUsbBus usb;
  platform::UsbBus::Scoped useUsb(usb);
  sim::SimHidBus hid;
  platform::HidBus::Scoped useHid(hid);
  sim::SimUpdateServer server;
  platform::Http::Scoped useServer(server);
  auto headset = std::make_shared<sim::SimBlueCoreHeadset>();
  usb.Attach("1-2", headset);
  sim::SimImageSpec spec;
  spec.description = "VKT_TQG27N#4D21";
  spec.imageBytes = 1 << 20;
  const std::string image = (folder / "update.img").string();
  sim::WriteFile(image, sim::MakeDfuFile(spec));

  {
    app::CUpdaterDlg::Pages pages;
    pages.recognition = std::make_unique<QuietRecognition>();
    app::CUpdaterDlg w(std::move(pages));
    w.Create(nullptr);
    // The window's start-up runs now: from its timer it would take the window back to the first
    // page in the middle of a measured update.
    w.FireTimer(app::TIMER_STARTUP);
    firmware::CDialogFirmwareUpdate& page = w.m_dlgFirmwareUpdate;
    bool ended = true;
    for (auto _ : state) {
      if (!ended) break;
      state.PauseTiming();
      headset->SetKey(PSKEY_FIRMWARE_VERSION, {10, 0, 0, 0});  // the version recognition saw
      w.m_nDeviceTarget = 0x4D21;
      w.m_nUsbStatus = 0x4D21;
      w.m_bDeviceRecognized = true;
      w.m_deviceSettings.m_nProductId = 0x4D21;
      w.m_deviceSettings.m_nVersionMajor = 1;
      w.m_deviceSettings.m_nVersionMinor = 0;
      w.GoToFirmwareUpdatePage(false);
      page.FireTimer(firmware::TIMER_FIRMWARE_LIST);
      while (page.m_serverFetch.IsPending()) fw::Application::ProcessMessagesFor(1);
      page.m_editImagePath.SetWindowText(image);
      state.ResumeTiming();

      w.OnButtonAction();
      // A bound, so that a run that never ends fails instead of hanging the suite.
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
      while (page.IsTimerArmed(firmware::TIMER_UPDATE_PROGRESS)) {
        if (std::chrono::steady_clock::now() > deadline) {
          state.SkipWithError("the update did not end");
          ended = false;
          break;
        }
        fw::Application::ProcessPendingMessages();
        page.FireTimer(firmware::TIMER_UPDATE_STEP);
        page.FireTimer(firmware::TIMER_DEVICE_BACK);
        if (page.ActiveJob().m_bFinished) page.FireTimer(firmware::TIMER_UPDATE_PROGRESS);
      }
      if (ended && headset->Key(PSKEY_FIRMWARE_VERSION) != std::vector<uint8_t>{11, 0, 0, 0}) {
        state.SkipWithError("the update did not reach the headset");
        break;
      }
    }
    w.DestroyWindow();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(spec.imageBytes));
}
BENCHMARK(BM_DfuUpdate1MiB)->Unit(benchmark::kMillisecond);

}  // namespace
