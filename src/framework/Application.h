#pragma once
// The program's application object: creates the toolkit application (or uses the one a test made)
// and runs the main dialog modally.
#include <cstdint>
#include <memory>

namespace fw {

class Dialog;

class Application {
 public:
  // When the toolkit cannot open the display it is pointed at (an X server that does not answer,
  // a platform that cannot start), says so in one line on standard error and exits with status 1.
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Whether the toolkit will find somewhere to show windows: a display (DISPLAY or
  // WAYLAND_DISPLAY) or a platform chosen by QT_QPA_PLATFORM or -platform. Without one the toolkit
  // would abort; the program says so in one line instead.
  static bool HasDisplay(int argc, char** argv);

  // Runs `mainWindow` modally as the program's window; returns its result. While it runs, a close
  // signal (platform::CloseSignalThread) reaches it as the desktop's close does. When the window
  // refuses (Dialog::CloseRefusal says why) or a dialog is open over it, one line on standard error
  // says so, and while that cause stands a second signal ends the program at once (its close is
  // tried again first, when the window's thread answers); once it is gone the next signal is a
  // close again. A signal while the window closes is part of that close.
  int Run(Dialog& mainWindow);

  // Runs queued messages, timers and paints that are due, without waiting (tests, pumps).
  static void ProcessPendingMessages();
  // Runs messages for `ms` milliseconds of real time.
  static void ProcessMessagesFor(int ms);
  // Waits `ms` milliseconds of the platform clock on the window's thread while the windows go on
  // painting and answering input and posted messages. With `holdTimers` no timer ticks until the
  // wait is over, as during a sleep: for a caller in the middle of work that its windows' timers
  // must not step into.
  static void WaitAnswering(uint32_t ms, bool holdTimers);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace fw
