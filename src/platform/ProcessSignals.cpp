#include "platform/ProcessSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace platform {

namespace {

constexpr int kCloseSignals[] = {SIGINT, SIGTERM};
constexpr int kCloseSignalCount = 2;

// Read by the handler, which may run on any thread.
std::atomic<int> g_requestWrite{-1};
int g_requestRead = -1;
// What each signal did before it was taken; a signal ignored from the start (a job started in the
// background) is left ignored.
struct sigaction g_before[kCloseSignalCount];
bool g_taken[kCloseSignalCount] = {};

void GiveBack() {
  for (int i = 0; i < kCloseSignalCount; ++i) {
    if (g_taken[i]) ::sigaction(kCloseSignals[i], &g_before[i], nullptr);
  }
}

// Async-signal-safe calls only.
void OnCloseSignal(int number) {
  const int saved = errno;
  GiveBack();
  const char byte = static_cast<char>(number);
  // A full pipe already holds a request.
  [[maybe_unused]] const ssize_t written = ::write(g_requestWrite.load(), &byte, 1);
  errno = saved;
}

}  // namespace

void IgnoreFileSizeLimitSignal() { ::signal(SIGXFSZ, SIG_IGN); }

short GiveChildDefaultSignals(posix_spawnattr_t& attributes) {
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

void TakeCloseSignalsAsRequests() {
  if (g_requestRead < 0) {
    int fds[2];
    // Non-blocking: the handler never waits, and emptying the pipe stops when it is empty.
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    g_requestRead = fds[0];
    g_requestWrite.store(fds[1]);
  }
  struct sigaction action {};
  action.sa_handler = OnCloseSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < kCloseSignalCount; ++i) {
    struct sigaction current {};
    ::sigaction(kCloseSignals[i], nullptr, &current);
    if (current.sa_handler == OnCloseSignal) continue;
    g_before[i] = current;
    g_taken[i] = current.sa_handler != SIG_IGN;
    if (g_taken[i]) ::sigaction(kCloseSignals[i], &action, nullptr);
  }
}

int CloseRequestFd() { return g_requestRead; }

bool TakeCloseRequest() {
  if (g_requestRead < 0) return false;
  bool asked = false;
  char bytes[16];
  for (;;) {
    const ssize_t n = ::read(g_requestRead, bytes, sizeof bytes);
    if (n > 0) {
      asked = true;
    } else if (n == 0 || errno != EINTR) {
      return asked;
    }
  }
}

void ReleaseCloseSignals() {
  GiveBack();
  for (bool& taken : g_taken) taken = false;
  if (g_requestRead < 0) return;
  ::close(g_requestWrite.exchange(-1));
  ::close(g_requestRead);
  g_requestRead = -1;
}

}  // namespace platform
