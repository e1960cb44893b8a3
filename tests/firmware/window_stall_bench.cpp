// How long the window's thread stops answering during the demo's update (ACTION on page 3) and
// restore (RESTORE on page 4), in real time against the demo's simulated headset and server, with
// the window running its own message loop as the program does: a 10 ms timer of the window notes
// the longest gap between its ticks in each phase. The same window idle on page 3 gives the gap the
// machine itself causes; what goes beyond it is the program's.
// Counters, in milliseconds: idle, update, restore (the longest gap of each phase).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BenchProgramFolder.h"
#include "DemoWorld.h"
#include "app/MainWindowIds.h"
#include "app/UpdaterDlg.h"
#include "device/ProductTraits.h"
#include "device/PsKeys.h"
#include "framework/Application.h"
#include "framework/TestSeams.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned kProbeTimer = 9100;
constexpr unsigned kProbeMs = 10;
constexpr unsigned kDriverTimer = 9101;
constexpr unsigned kDriverMs = 20;
constexpr auto kIdlePhase = std::chrono::seconds(2);
constexpr auto kRunLimit = std::chrono::minutes(2);

// The program's main window, driven through the demo by a timer of its own as a user would click,
// with the probe's timer among its timers.
class DemoRun : public app::CUpdaterDlg {
 public:
  DemoRun(sim::SimBlueCoreHeadset& headset, std::string image) : headset_(headset), image_(std::move(image)) {}

  double idle = 0, update = 0, restore = 0;
  const char* failure = nullptr;

  bool OnInitDialog() override {
    const bool result = app::CUpdaterDlg::OnInitDialog();
    SetTimer(kDriverTimer, kDriverMs);
    return result;
  }

  void OnTimer(unsigned id) override {
    if (id == kProbeTimer) return Probe();
    if (id == kDriverTimer) return Drive();
    app::CUpdaterDlg::OnTimer(id);
  }

 private:
  enum class Stage { kStart, kToPageThree, kIdle, kUpdate, kToPageFour, kRestore };

  void Probe() {
    const Clock::time_point now = Clock::now();
    if (last_ != Clock::time_point{}) longest_ = std::max(longest_, now - last_);
    last_ = now;
  }
  void StartPhase() {
    last_ = {};
    longest_ = {};
    phaseStart_ = Clock::now();
    SetTimer(kProbeTimer, kProbeMs);
  }
  double LongestGapMs() const { return std::chrono::duration<double, std::milli>(longest_).count(); }

  bool IdleOn(int page) const { return m_nCurrentPage == page && !m_bBusy; }
  bool HasFirmware(uint8_t version) const {
    return headset_.Key(PSKEY_FIRMWARE_VERSION) == std::vector<uint8_t>{version, 0, 0, 0};
  }
  void Press(int id) { SendMessage(fw::WM_COMMAND, fw::MakeCommand(id, fw::BN_CLICKED), 0); }
  void End(const char* why = nullptr) {
    failure = why;
    KillTimer(kDriverTimer);
    KillTimer(kProbeTimer);
    boxes_.reset();
    EndDialog(fw::IDOK);
  }

  void Drive() {
    if (Clock::now() - started_ > kRunLimit) return End("the demo's flows did not end in time");
    switch (stage_) {
      case Stage::kStart:
        // The demo's modal boxes (none is expected) are answered rather than waited for.
        boxes_.emplace();
        started_ = Clock::now();
        stage_ = Stage::kToPageThree;
        break;
      case Stage::kToPageThree:
        // As the user gets there: the headset chosen on page 1 once its update check is done,
        // recognised on page 2; the image is chosen by hand on page 3.
        if (!IdleOn(1)) return;
        m_nDeviceTarget = device::EDITION_PRODUCT;
        firmware::g_bOfferNewerFirmware = false;
        GoToRecognitionPage(true, nullptr, 0);
        Press(app::IDC_NEXT);
        if (m_nCurrentPage != 3) return End("page 3 never came");
        stage_ = Stage::kIdle;
        StartPhase();
        break;
      case Stage::kIdle:
        if (!IdleOn(3) || Clock::now() - phaseStart_ < kIdlePhase) return;
        idle = LongestGapMs();
        m_dlgFirmwareUpdate.m_editImagePath.SetWindowText(image_);
        StartPhase();
        Press(app::IDC_ACTION);
        stage_ = Stage::kUpdate;
        break;
      case Stage::kUpdate:
        if (!IdleOn(3) || !HasFirmware(11)) return;
        update = LongestGapMs();
        Press(app::IDC_NAV_FIRMWARE_RESTORE);
        if (m_nCurrentPage != 4) return End("page 4 never came");
        stage_ = Stage::kToPageFour;
        break;
      case Stage::kToPageFour:
        if (!IdleOn(4)) return;
        StartPhase();
        Press(app::IDC_ACTION);
        stage_ = Stage::kRestore;
        break;
      case Stage::kRestore:
        if (!IdleOn(4) || !HasFirmware(10)) return;
        restore = LongestGapMs();
        End();
        break;
    }
  }

  sim::SimBlueCoreHeadset& headset_;
  const std::string image_;
  Stage stage_ = Stage::kStart;
  std::optional<fw::ModalScript> boxes_;
  Clock::time_point started_ = Clock::now();
  Clock::time_point phaseStart_{};
  Clock::time_point last_{};
  Clock::duration longest_{};
};

void BM_WindowStallsDuringTheDemosUpdateAndRestore(benchmark::State& state) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "corvale_benchmarks";
  static char* argv[] = {name, nullptr};
  // The toolkit another benchmark made, or one of this run's own, gone before the exit handlers:
  // among them, after the toolkit's own statics, it would fail on the pointing device a shown
  // window made.
  fw::Application toolkit(argc, argv);

  const benchtest::ProgramFolder folder;
  if (folder.Path().empty()) return state.SkipWithError("no scratch folder");
  const sim::DemoWorld world;
  const std::string image = (folder.Path() / "update.img").string();
  sim::WriteFile(image, sim::DemoImage(11));

  double idle = 0, update = 0, restore = 0;
  for (auto _ : state) {
    // Each run ends as it starts, with the headset's own firmware restored.
    DemoRun run(*world.headset, image);
    toolkit.Run(run);
    if (run.failure) return state.SkipWithError(run.failure);
    idle = run.idle;
    update = run.update;
    restore = run.restore;
  }
  state.counters["idle"] = idle;
  state.counters["update"] = update;
  state.counters["restore"] = restore;
}
// One run takes about half a minute of real time: the headset and the waits between steps are the
// demo's.
BENCHMARK(BM_WindowStallsDuringTheDemosUpdateAndRestore)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
