#include "platform/Shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include "platform/ProcessSignals.h"

extern char** environ;

namespace platform {

namespace {

class XdgShell : public Shell {
 public:
  bool Open(const std::string& target) override {
    if (target.empty()) return false;
    // The opener detaches from us; we only wait for it to start, never for the browser.
    std::string program = "xdg-open";
    char* argv[] = {program.data(), const_cast<char*>(target.c_str()), nullptr};
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    const sigset_t defaults = SignalsToRestoreInChildren();
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, "xdg-open", nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0) return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
};

}  // namespace

Shell& Shell::Real() {
  static XdgShell shell;
  return shell;
}

}  // namespace platform
