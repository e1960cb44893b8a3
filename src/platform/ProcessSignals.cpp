#include "platform/ProcessSignals.h"

namespace platform {

void IgnoreFileSizeLimitSignal() { ::signal(SIGXFSZ, SIG_IGN); }

sigset_t SignalsToRestoreInChildren() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGPIPE);
  sigaddset(&signals, SIGXFSZ);
  return signals;
}

}  // namespace platform
