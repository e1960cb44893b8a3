#include "framework/Application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QtGlobal>
#include <algorithm>
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

void CloseOnRequest(Dialog& mainWindow) {
  if (!platform::TakeCloseRequest() || !mainWindow.IsCreated() || mainWindow.HasEnded()) return;
  // The desktop's close does not reach a window under an open dialog either.
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != detail::WidgetOf(&mainWindow)) return;
  mainWindow.SendMessage(WM_CLOSE, 0, 0);
}

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
  std::unique_ptr<QSocketNotifier> closeRequests;
  if (const int fd = platform::CloseRequestFd(); fd >= 0) {
    closeRequests = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(closeRequests.get(), &QSocketNotifier::activated,
                     [&mainWindow] { CloseOnRequest(mainWindow); });
  }
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
