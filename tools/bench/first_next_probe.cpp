// One start of the program's window against the demo's world, in a process of its own so that
// nothing the toolkit caches from an earlier window makes the first NEXT look cheaper than a user's
// first NEXT is: NEXT on page 1 to the first paint of page 2, BACK, then NEXT again to that paint.
// Prints "first_ms later_ms longest_idle_turn_ms" on one line (the last is the longest turn of the
// event loop that made later pages in idle time before the first NEXT). For
// tests/app/first_next_bench.cpp.
//
//   first-next-probe user     NEXT as soon as page 1 takes commands (its update check is over)
//   first-next-probe early    NEXT right after page 1's first paint, before the idle turn that
//                             makes page 2: the update check is dropped so that the window takes it
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <system_error>

#include "DemoWorld.h"
#include "app/MainWindowIds.h"
#include "app/UpdaterDlg.h"
#include "framework/Application.h"
#include "framework/TestSeams.h"
#include "platform/Paths.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// A page that notes when it is painted.
template <typename Page>
class NotingPaint : public Page {
 public:
  Clock::time_point painted{};
  std::function<void()> onFirstPaint;
  void OnPaint(fw::DeviceContext& dc) override {
    Page::OnPaint(dc);
    if (painted != Clock::time_point{}) return;
    painted = Clock::now();
    if (onFirstPaint) onFirstPaint();
  }
};

constexpr unsigned kDriverTimer = 9200;
constexpr unsigned kDriverMs = 5;
constexpr auto kRunLimit = std::chrono::seconds(30);

class Probe : public app::CUpdaterDlg {
 public:
  Probe(NotingPaint<pages::CDialogDeviceSelection>* one, NotingPaint<pages::CDialogDeviceRecognition>* two,
        bool early)
      : app::CUpdaterDlg(Made(one, two)), one_(*one), two_(*two), early_(early) {
    // The earliest moment a user could press: page 1 is on the screen.
    if (early_) {
      one_.onFirstPaint = [this] {
        // Before the turn that page 1's paint has just armed.
        KillTimer(app::TIMER_LATER_PAGES);
        PostMessage(kEarlyNext, 0, 0);
      };
    }
  }

  double first = -1, later = -1, longestIdleTurn = 0;
  const char* failure = nullptr;

  bool OnInitDialog() override {
    const bool result = app::CUpdaterDlg::OnInitDialog();
    SetTimer(kDriverTimer, kDriverMs);
    return result;
  }

  void OnTimer(unsigned id) override {
    if (id == kDriverTimer) return Drive();
    const bool idleTurn = id == app::TIMER_LATER_PAGES && stage_ == Stage::kFirstNext;
    const Clock::time_point start = Clock::now();
    app::CUpdaterDlg::OnTimer(id);
    if (idleTurn) longestIdleTurn = std::max(longestIdleTurn, Ms(Clock::now() - start));
  }

 private:
  enum class Stage { kFirstNext, kFirstPaint, kBack, kLaterNext, kLaterPaint };

  static Pages Made(NotingPaint<pages::CDialogDeviceSelection>* one, NotingPaint<pages::CDialogDeviceRecognition>* two) {
    Pages pages;
    pages.selection.reset(one);
    pages.recognition.reset(two);
    return pages;
  }

  static constexpr unsigned kEarlyNext = fw::WM_USER + 900;
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override {
    if (msg == kEarlyNext) {
      if (stage_ == Stage::kFirstNext) {
        m_dlgDeviceSelection.DropServerWait();
        PressNext(Stage::kFirstPaint);
      }
      return 0;
    }
    return app::CUpdaterDlg::OnMessage(msg, wParam, lParam);
  }

  bool TakesCommandsOn(int page) const { return m_nCurrentPage == page && !m_bBusy && !m_bPageListOpen; }
  void Press(int id) { SendMessage(fw::WM_COMMAND, fw::MakeCommand(id, fw::BN_CLICKED), 0); }
  void PressNext(Stage next) {
    two_.painted = {};
    pressed_ = Clock::now();
    Press(app::IDC_NEXT);
    stage_ = next;
    if (m_nCurrentPage != 2) End("NEXT did not lead to page 2");
  }
  void End(const char* why = nullptr) {
    failure = why;
    KillTimer(kDriverTimer);
    boxes_.reset();
    EndDialog(fw::IDOK);
  }

  void Drive() {
    if (Clock::now() - started_ > kRunLimit) return End("the run did not end in time");
    if (!boxes_) boxes_.emplace();  // no modal box is expected: answered rather than waited for
    switch (stage_) {
      case Stage::kFirstNext:
        if (!early_ && TakesCommandsOn(1) && one_.painted != Clock::time_point{}) PressNext(Stage::kFirstPaint);
        break;
      case Stage::kFirstPaint:
        if (two_.painted == Clock::time_point{}) return;
        first = Ms(two_.painted - pressed_);
        Press(app::IDC_BACK);
        stage_ = Stage::kBack;
        break;
      case Stage::kBack:
        if (TakesCommandsOn(1)) PressNext(Stage::kLaterPaint);
        break;
      case Stage::kLaterPaint:
        if (two_.painted == Clock::time_point{}) return;
        later = Ms(two_.painted - pressed_);
        End();
        break;
      case Stage::kLaterNext:
        break;
    }
  }

  NotingPaint<pages::CDialogDeviceSelection>& one_;
  NotingPaint<pages::CDialogDeviceRecognition>& two_;
  const bool early_;
  Stage stage_ = Stage::kFirstNext;
  std::optional<fw::ModalScript> boxes_;
  Clock::time_point started_ = Clock::now();
  Clock::time_point pressed_{};
};

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const bool early = argc >= 2 && std::string(argv[1]) == "early";
  std::error_code error;
  std::string pattern = (fs::temp_directory_path(error) / "corvale-first-next-XXXXXX").string();
  if (error || !mkdtemp(pattern.data())) return 1;
  fs::create_directories(fs::path(pattern) / "IMG", error);
  int status = 1;
  {
    platform::FixedPaths paths(pattern);
    platform::Paths::Scoped usePaths(paths);
    sim::DemoWorld world;
    fw::Application application(argc, argv);
    Probe window(new NotingPaint<pages::CDialogDeviceSelection>, new NotingPaint<pages::CDialogDeviceRecognition>,
                 early);
    application.Run(window);
    if (window.failure) {
      std::fprintf(stderr, "first-next-probe: %s\n", window.failure);
    } else {
      std::printf("%.3f %.3f %.3f\n", window.first, window.later, window.longestIdleTurn);
      status = 0;
    }
  }
  fs::remove_all(pattern, error);
  return status;
}
