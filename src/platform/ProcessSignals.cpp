#include "platform/ProcessSignals.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace platform {

namespace {

constexpr int kCloseSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr const char* kThreadName = "close-signals";
// How long a window that refused a close has to take the next request before the program ends.
constexpr int kWindowAnswersWithinMs = 500;

sigset_t CloseSignalSet() {
  sigset_t set;
  sigemptyset(&set);
  for (const int number : kCloseSignals) sigaddset(&set, number);
  return set;
}

std::atomic<CloseSignalAction> g_action{CloseSignalAction::kEndProgram};
std::atomic<bool> g_stopping{false};
std::atomic<int> g_requestRead{-1};
int g_requestWrite = -1;
// The close signals the thread waits for, and one of them that its owner sends it to stop it.
sigset_t g_taken;
int g_wake = 0;
std::thread g_thread;
bool g_running = false;

// Requests written by the signal thread, and read by the window's thread, which the signal
// thread waits on.
uint64_t g_handed = 0;
std::mutex g_takenLock;
std::condition_variable g_takenChanged;
uint64_t g_takenCount = 0;

bool HandToTheWindow(int number) {
  if (g_requestWrite < 0) return false;
  const char byte = static_cast<char>(number);
  if (::write(g_requestWrite, &byte, 1) == 1) {
    ++g_handed;
    return true;
  }
  // Non-blocking: a full pipe holds requests enough already.
  return errno == EAGAIN;
}

void TakeSignals() {
  // The one thread whose mask lacks them while it waits (sigwait takes them through that).
  ::pthread_setname_np(::pthread_self(), kThreadName);
  for (;;) {
    int number = 0;
    if (::sigwait(&g_taken, &number) != 0) continue;
    if (g_stopping.load()) return;
    switch (g_action.load()) {
      case CloseSignalAction::kAskTheWindow:
        if (!HandToTheWindow(number)) EndProgramBy(number);
        break;
      case CloseSignalAction::kRefused: {
        // The window tries the close again, and ends the program itself when it is still
        // refused; a window's thread that does not take the request (in the middle of an exchange
        // with the device) is busy, and the program ends from here.
        const bool handed = HandToTheWindow(number);
        std::unique_lock<std::mutex> lock(g_takenLock);
        if (!handed || !g_takenChanged.wait_for(lock, std::chrono::milliseconds(kWindowAnswersWithinMs),
                                                [] { return g_takenCount >= g_handed; })) {
          EndProgramBy(number);
        }
        break;
      }
      case CloseSignalAction::kEndProgram:
        EndProgramBy(number);
    }
  }
}

}  // namespace

void IgnoreFileSizeLimitSignal() { ::signal(SIGXFSZ, SIG_IGN); }

short GiveChildDefaultSignals(posix_spawnattr_t& attributes) {
  // The close signals are blocked in every thread of ours; a started program could not be stopped
  // by them if it inherited that.
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  // Caught signals are reset by exec itself; these the program ignores.
  sigset_t ignored;
  sigemptyset(&ignored);
  sigaddset(&ignored, SIGPIPE);
  sigaddset(&ignored, SIGXFSZ);
  posix_spawnattr_setsigdefault(&attributes, &ignored);
  return POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
}

void BlockCloseSignals() {
  const sigset_t set = CloseSignalSet();
  ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

CloseSignalThread::CloseSignalThread(CloseSignalAction action) {
  if (g_running) return;
  g_action.store(action);
  sigemptyset(&g_taken);
  g_wake = 0;
  for (const int number : kCloseSignals) {
    struct sigaction current {};
    ::sigaction(number, nullptr, &current);
    if (current.sa_handler == SIG_IGN) continue;
    sigaddset(&g_taken, number);
    g_wake = number;
  }
  if (g_wake == 0) return;
  int fds[2];
  // Without the pipe every signal ends the program, as when there is no window to ask.
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
    g_requestWrite = fds[1];
    g_requestRead.store(fds[0]);
  }
  g_stopping.store(false);
  g_thread = std::thread(TakeSignals);
  g_running = true;
  started_ = true;
}

CloseSignalThread::~CloseSignalThread() {
  if (!started_) return;
  g_stopping.store(true);
  // Thread-directed: only the signal thread takes it, whatever else is pending for the process.
  ::pthread_kill(g_thread.native_handle(), g_wake);
  g_thread.join();
  g_running = false;
  if (g_requestWrite >= 0) {
    ::close(g_requestRead.exchange(-1));
    ::close(g_requestWrite);
    g_requestWrite = -1;
  }
}

void SetCloseSignalAction(CloseSignalAction action) { g_action.store(action); }

CloseSignalAction GetCloseSignalAction() { return g_action.load(); }

int CloseRequestFd() { return g_requestRead.load(); }

std::vector<int> TakeCloseRequests() {
  std::vector<int> asked;
  const int fd = g_requestRead.load();
  if (fd < 0) return asked;
  char bytes[16];
  for (;;) {
    const ssize_t n = ::read(fd, bytes, sizeof bytes);
    if (n > 0) {
      asked.insert(asked.end(), bytes, bytes + n);
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  if (asked.empty()) return asked;
  {
    const std::lock_guard<std::mutex> lock(g_takenLock);
    g_takenCount += asked.size();
  }
  g_takenChanged.notify_all();
  return asked;
}

void EndProgramBy(int signal) {
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  sigemptyset(&byDefault.sa_mask);
  ::sigaction(signal, &byDefault, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(signal);
  // Not reached for the close signals, whose default action ends the process.
  ::_exit(128 + signal);
}

}  // namespace platform
