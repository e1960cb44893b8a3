#pragma once
// The signals the program turns off or takes over for itself, and gives back to the programs it
// starts (an ignored signal stays ignored across exec).
#include <signal.h>
#include <spawn.h>

namespace platform {

// Called first at start-up. A write beyond the file-size limit (ulimit -f) then fails with EFBIG
// and is reported like a full disk, instead of killing the program in the middle of a save.
void IgnoreFileSizeLimitSignal();

// Sets up `attributes` so that the started program has every signal at its default action and
// none blocked, whatever the calling thread has; returns the flags to add to the attributes.
short GiveChildDefaultSignals(posix_spawnattr_t& attributes);

// Ctrl+C in the terminal and SIGTERM (the desktop logging out) ask the window to close, as its
// own close button does, so that the settings are saved and the program ends normally. The handler
// only writes to a pipe whose read end CloseRequestFd() gives; the event loop watches it. The first
// signal also gives both their default action back: when the close is refused (a job that must not
// be cut) or stalls, a second one ends the program at once. A signal ignored from the start (a
// program started in the background by a script) stays ignored. Called first at start-up; calling
// it again arms the signals again.
void TakeCloseSignalsAsRequests();
// The read end of the pipe, -1 when the signals are not taken.
int CloseRequestFd();
// Empties the pipe; true when a close was asked for since the last call.
bool TakeCloseRequest();
// Both signals back as they were before they were taken, the pipe closed.
void ReleaseCloseSignals();

}  // namespace platform
