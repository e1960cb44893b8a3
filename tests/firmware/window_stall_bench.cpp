// How long the window's thread stops answering during the demo's update (ACTION on page 3) and
// restore (RESTORE on page 4), in real time against the demo's simulated headset and server: a
// 10 ms timer of the window notes the longest gap between its ticks in each phase. The same window
// idle on page 3 gives the gap the machine itself causes; what goes beyond it is the program's.
// Counters, in milliseconds: idle, update, restore (the longest gap of each phase).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "DemoWorld.h"
#include "SimHidBus.h"
#include "app/MainWindowIds.h"
#include "app/UpdaterDlg.h"
#include "device/ProductTraits.h"
#include "device/PsKeys.h"
#include "framework/Application.h"
#include "framework/TestSeams.h"
#include "platform/Paths.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr unsigned kProbeTimer = 9100;
constexpr unsigned kProbeMs = 10;

// The program's main window with the probe's timer among its own.
class ProbedWindow : public app::CUpdaterDlg {
 public:
  void OnTimer(unsigned id) override {
    if (id != kProbeTimer) return app::CUpdaterDlg::OnTimer(id);
    const Clock::time_point now = Clock::now();
    if (last_ != Clock::time_point{}) longest_ = std::max(longest_, now - last_);
    last_ = now;
  }
  // Starts a phase: the gaps are counted afresh from the next tick.
  void StartPhase() {
    last_ = {};
    longest_ = {};
    SetTimer(kProbeTimer, kProbeMs);
  }
  double LongestGapMs() const { return std::chrono::duration<double, std::milli>(longest_).count(); }

 private:
  Clock::time_point last_{};
  Clock::duration longest_{};
};

// Runs the window's messages until `done` or `limitMs` of real time; false on the limit.
bool RunUntil(const std::function<bool()>& done, int limitMs = 120000) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(limitMs);
  while (!done()) {
    if (Clock::now() > deadline) return false;
    fw::Application::ProcessMessagesFor(5);
  }
  return true;
}

void BM_WindowStallsDuringTheDemosUpdateAndRestore(benchmark::State& state) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "corvale_benchmarks";
  static char* argv[] = {name, nullptr};
  // The toolkit another benchmark made, or one of this run's own, gone before the exit handlers:
  // among them, after the toolkit's own statics, it would fail on the pointing device a shown
  // window made.
  fw::Application toolkit(argc, argv);

  std::string pattern = (fs::temp_directory_path() / "corvale-stall-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return state.SkipWithError("no scratch folder");
  const fs::path folder = pattern;
  fs::create_directories(folder / "IMG");
  platform::FixedPaths paths(folder.string());
  platform::Paths::Scoped usePaths(paths);
  sim::SimUsbBus usb;
  platform::UsbBus::Scoped useUsb(usb);
  sim::SimHidBus hid;
  platform::HidBus::Scoped useHid(hid);
  sim::SimUpdateServer server;
  sim::ServeDemo(server);
  platform::Http::Scoped useServer(server);
  // The demo's modal boxes (none is expected) are answered rather than waited for.
  fw::ModalScript boxes;
  const std::string image = (folder / "update.img").string();
  const std::vector<uint8_t> bytes = sim::DemoImage(11);
  sim::WriteFile(image, bytes);

  double idle = 0, update = 0, restore = 0;
  for (auto _ : state) {
    usb.Remove("1-2");
    const auto headset = sim::AttachDemoHeadset(usb);
    ProbedWindow w;
    w.Create(nullptr);
    w.ShowWindow(true);
    w.FireTimer(app::TIMER_STARTUP);
    const auto idleOn = [&w](int page) { return [&w, page] { return w.m_nCurrentPage == page && !w.m_bBusy; }; };
    // As the user gets there: the headset chosen on page 1 once its update check is done,
    // recognised on page 2.
    if (!RunUntil(idleOn(1))) return state.SkipWithError("page 1 stayed busy");
    w.m_nDeviceTarget = device::EDITION_PRODUCT;
    w.GoToRecognitionPage(true, nullptr, 0);
    w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NEXT, fw::BN_CLICKED), 0);
    firmware::g_bOfferNewerFirmware = false;  // the image is chosen by hand
    if (w.m_nCurrentPage != 3 || !RunUntil(idleOn(3))) return state.SkipWithError("page 3 never came");

    w.StartPhase();
    RunUntil([] { return false; }, 2000);
    idle = w.LongestGapMs();

    w.m_dlgFirmwareUpdate.m_editImagePath.SetWindowText(image);
    w.StartPhase();
    w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_ACTION, fw::BN_CLICKED), 0);
    if (!RunUntil(idleOn(3)) || headset->Key(PSKEY_FIRMWARE_VERSION) != std::vector<uint8_t>{11, 0, 0, 0}) {
      return state.SkipWithError("the update did not end with the new firmware");
    }
    update = w.LongestGapMs();

    w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NAV_FIRMWARE_RESTORE, fw::BN_CLICKED), 0);
    if (w.m_nCurrentPage != 4 || !RunUntil(idleOn(4))) return state.SkipWithError("page 4 never came");
    w.StartPhase();
    w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_ACTION, fw::BN_CLICKED), 0);
    if (!RunUntil([&] { return idleOn(4)() && headset->Key(PSKEY_FIRMWARE_VERSION) == std::vector<uint8_t>{10, 0, 0, 0}; })) {
      return state.SkipWithError("the restore did not end with the old firmware");
    }
    restore = w.LongestGapMs();
    w.DestroyWindow();
  }
  state.counters["idle"] = idle;
  state.counters["update"] = update;
  state.counters["restore"] = restore;
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
// One run takes about half a minute of real time: the headset and the waits between steps are the
// demo's.
BENCHMARK(BM_WindowStallsDuringTheDemosUpdateAndRestore)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
