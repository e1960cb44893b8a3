#pragma once
// The signals the program turns off or takes over for itself, and gives back to the programs it
// starts (an ignored signal stays ignored across exec).
#include <signal.h>
#include <spawn.h>

#include <vector>

namespace platform {

// Called first at start-up. A write beyond the file-size limit (ulimit -f) then fails with EFBIG
// and is reported like a full disk, instead of killing the program in the middle of a save.
void IgnoreFileSizeLimitSignal();

// Sets up `attributes` so that the started program has every signal at its default action and
// none blocked, whatever the calling thread has; returns the flags to add to the attributes.
short GiveChildDefaultSignals(posix_spawnattr_t& attributes);

// The close signals: SIGINT (Ctrl+C in the terminal), SIGTERM (logging out) and SIGHUP (the
// terminal closed). The first line of main blocks them, before any thread exists, so that every
// thread started later (the toolkit's and the libraries' too) inherits the block: no handler ever
// runs, so no call anywhere (a device read's poll, a wait) is cut short with EINTR by them. One
// thread of ours takes them (CloseSignalThread).
void BlockCloseSignals();

// What the signal thread does with a close signal.
enum class CloseSignalAction {
  // Ends the program as the signal's default action would: there is no window to ask.
  kEndProgram,
  // Hands a close request to the window's thread (CloseRequestFd). A request made before the
  // window runs waits for it; one made after its loop has ended is left while the program ends.
  kAskTheWindow,
  // The window refused a close and the cause still stands: the next signal is handed over as a
  // request all the same, and the window's thread ends the program when its close is still
  // refused. Not taken within half a second (that thread in the middle of an exchange with the
  // device), it ends the program from the signal thread.
  kRefused,
};

// The one thread that takes the close signals, with sigwait, and does with each what the current
// action says. Made in main right after BlockCloseSignals; its end stops and joins the thread. A
// signal ignored from the start (Ctrl+C of a program started in the background by a script) is
// not taken and stays ignored. One at a time.
class CloseSignalThread {
 public:
  explicit CloseSignalThread(CloseSignalAction action);
  ~CloseSignalThread();
  CloseSignalThread(const CloseSignalThread&) = delete;
  CloseSignalThread& operator=(const CloseSignalThread&) = delete;

 private:
  bool started_ = false;
};

void SetCloseSignalAction(CloseSignalAction action);
CloseSignalAction GetCloseSignalAction();

// The read end of the close-request pipe while a signal thread runs, else -1.
int CloseRequestFd();
// Empties the pipe: the signals that asked for a close since the last call, oldest first.
std::vector<int> TakeCloseRequests();

// Ends the program as `signal` at its default action does, so that its parent (a shell) sees
// which signal ended it. Nothing runs on the way out: no destructor, no exit handler.
[[noreturn]] void EndProgramBy(int signal);

}  // namespace platform
