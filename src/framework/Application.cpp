#include "framework/Application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/Messages.h"
#include "framework/detail/Host.h"
#include "platform/Clock.h"
#include "platform/ProcessSignals.h"

namespace fw {

namespace {

// What the toolkit says while it opens the display, held back until it has opened it: when it
// cannot, it says several lines and aborts, where the program says one line and ends.
struct HeldMessage {
  QtMsgType type;
  std::string category, file, function;
  int line;
  QString text;
};
// How long a wait hands the processor back between passes over the message queue.
constexpr uint32_t kAnswerEveryMs = 10;

std::vector<HeldMessage> g_held;
std::string g_cannotOpen;

void HoldWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(g_cannotOpen.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  const auto copy = [](const char* s) { return s ? std::string(s) : std::string(); };
  g_held.push_back({type, copy(context.category), copy(context.file), copy(context.function), context.line, text});
}

// "program: cannot open the display (DISPLAY=:99)" with whatever chose the display.
std::string CannotOpenLine(const char* argv0) {
  std::string program = argv0 && *argv0 ? argv0 : "program";
  if (const size_t slash = program.rfind('/'); slash != std::string::npos) program.erase(0, slash + 1);
  std::string chosen;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (!value || !*value) continue;
    chosen += (chosen.empty() ? "" : ", ") + std::string(name) + "=" + value;
  }
  if (chosen.empty()) chosen = "neither DISPLAY nor WAYLAND_DISPLAY is set";
  return program + ": cannot open the display (" + chosen + ")\n";
}

// How often a refused close looks whether its cause is gone, while the window's thread runs its
// messages; a device exchange on that thread holds this back, and it is busy meanwhile anyway.
constexpr int kRefusalCheckMs = 50;

// Takes the signal thread's close requests for the program's window while its loop runs. A
// refused close makes the next signal end the program, until the window is idle again.
class CloseRequests {
 public:
  explicit CloseRequests(Dialog& mainWindow) : mainWindow_(mainWindow), before_(platform::GetCloseSignalAction()) {
    const int fd = platform::CloseRequestFd();
    if (fd < 0) return;
    platform::SetCloseSignalAction(platform::CloseSignalAction::kAskTheWindow);
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Take(); });
    check_.setInterval(kRefusalCheckMs);
    QObject::connect(&check_, &QTimer::timeout, [this] { EndRefusalWhenIdle(); });
  }
  ~CloseRequests() {
    if (!notifier_) return;
    // A signal after the loop no longer reaches the window; the program is on its way out.
    platform::SetCloseSignalAction(before_);
    platform::TakeCloseRequests();
  }
  CloseRequests(const CloseRequests&) = delete;
  CloseRequests& operator=(const CloseRequests&) = delete;

 private:
  void Take() {
    for (const int number : platform::TakeCloseRequests()) {
      // One that comes while the window handles a close belongs to that close: it ends the
      // program with it, or counts as the second signal if the window refuses.
      if (closing_) {
        if (!signalWhileClosing_) signalWhileClosing_ = number;
        continue;
      }
      // Closing already: the program ends in order.
      if (!mainWindow_.IsCreated() || mainWindow_.HasEnded()) return;
      // After a refusal whose cause seemed to stand, the close is tried again all the same: what
      // the window says keeps it busy may be a wait that a close drops.
      const bool second = platform::GetCloseSignalAction() == platform::CloseSignalAction::kRefused;
      std::string refusal = DialogOver();
      if (refusal.empty()) {
        signalWhileClosing_ = 0;
        closing_ = true;
        mainWindow_.SendMessage(WM_CLOSE, 0, 0);
        closing_ = false;
        if (mainWindow_.HasEnded()) return;
        if (signalWhileClosing_) platform::EndProgramBy(signalWhileClosing_);
        refusal = mainWindow_.CloseRefusal();
        if (refusal.empty()) refusal = "the window refused to close";
      }
      if (second) platform::EndProgramBy(number);
      std::fprintf(stderr, "%s: not closing: %s; a second signal now ends the program at once\n",
                   program_invocation_short_name, refusal.c_str());
      std::fflush(stderr);
      platform::SetCloseSignalAction(platform::CloseSignalAction::kRefused);
      check_.start();
    }
  }

  void EndRefusalWhenIdle() {
    if (!DialogOver().empty() || !mainWindow_.CloseRefusal().empty()) return;
    check_.stop();
    platform::SetCloseSignalAction(platform::CloseSignalAction::kAskTheWindow);
  }

  // The desktop's close does not reach a window under an open dialog either.
  std::string DialogOver() const {
    QWidget* modal = QApplication::activeModalWidget();
    const bool over = (modal && modal != detail::WidgetOf(&mainWindow_)) || Dialog::RunningModals() > 1;
    return over ? "a dialog is open over the window" : "";
  }

  Dialog& mainWindow_;
  const platform::CloseSignalAction before_;
  std::unique_ptr<QSocketNotifier> notifier_;
  QTimer check_;
  bool closing_ = false;
  int signalWhileClosing_ = 0;
};

}  // namespace

struct Application::Impl {
  std::unique_ptr<QApplication> own;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
  if (QApplication::instance()) return;
  g_cannotOpen = CannotOpenLine(argc > 0 ? argv[0] : nullptr);
  g_held.clear();
  const QtMessageHandler previous = qInstallMessageHandler(HoldWhileOpening);
  impl_->own = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  for (const HeldMessage& m : g_held) {
    const QMessageLogContext context(m.file.empty() ? nullptr : m.file.c_str(), m.line,
                                     m.function.empty() ? nullptr : m.function.c_str(),
                                     m.category.empty() ? nullptr : m.category.c_str());
    qt_message_output(m.type, context, m.text);
  }
  g_held.clear();
}

Application::~Application() = default;

bool Application::HasDisplay(int argc, char** argv) {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (const char* value = std::getenv(name); value && *value) return true;
  }
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
  }
  return false;
}

int Application::Run(Dialog& mainWindow) {
  const CloseRequests closeRequests(mainWindow);
  return mainWindow.DoModal(nullptr);
}

void Application::ProcessPendingMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Application::ProcessMessagesFor(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(ms - timer.elapsed()));
  }
}

void Application::WaitAnswering(uint32_t ms, bool holdTimers) {
  QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents;
  // Despite its name the flag holds timers back on every Unix event dispatcher.
  if (holdTimers) flags |= QEventLoop::X11ExcludeTimers;
  platform::Clock& clock = platform::Clock::Get();
  const uint32_t start = clock.TickCount();
  // Unsigned difference: correct across the tick counter's wrap.
  for (uint32_t waited = 0; waited < ms; waited = clock.TickCount() - start) {
    QCoreApplication::processEvents(flags);
    clock.SleepMs(std::min(kAnswerEveryMs, ms - waited));
  }
}

}  // namespace fw
