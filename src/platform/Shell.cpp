#include "platform/Shell.h"

#include <cerrno>
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
    // Without a desktop the opener runs the browser itself until it is closed, and it is called on
    // the window's thread: a short-lived shell starts it in the background instead, so we wait
    // only for that shell, which says whether the opener exists.
    std::string shell = "/bin/sh";
    std::string option = "-c";
    std::string script =
        "command -v xdg-open >/dev/null 2>&1 || exit 127; "
        "xdg-open \"$1\" </dev/null >/dev/null 2>&1 & exit 0";
    std::string name = "sh";
    char* argv[] = {shell.data(), option.data(), script.data(), name.data(), const_cast<char*>(target.c_str()),
                    nullptr};
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, GiveChildDefaultSignals(attributes));
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, shell.c_str(), nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0) return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
};

}  // namespace

Shell& Shell::Real() {
  static XdgShell shell;
  return shell;
}

}  // namespace platform
