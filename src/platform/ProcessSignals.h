#pragma once
// The signals the program turns off for itself, and gives back to the programs it starts (an
// ignored signal stays ignored across exec).
#include <signal.h>

namespace platform {

// Called first at start-up. A write beyond the file-size limit (ulimit -f) then fails with EFBIG
// and is reported like a full disk, instead of killing the program in the middle of a save.
void IgnoreFileSizeLimitSignal();

// The signals a started program must have at their default action.
sigset_t SignalsToRestoreInChildren();

}  // namespace platform
