#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/ProcessSignals.h"

extern char** environ;

namespace platform {

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr size_t kReadBlock = 10240;
// A tool that floods its output is still drained, but only this much is kept.
constexpr size_t kMaxOutput = 16u << 20;

// A bare name is taken from the program's folder or the current one before PATH.
std::string ResolveProgram(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  for (const std::string& folder : {Paths::Get().ProgramFolder(), std::string(".")}) {
    const std::string candidate = folder + "/" + name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

int RemainingMs(SteadyClock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
  return left <= 0 ? 0 : left > 1000000 ? 1000000 : static_cast<int>(left);
}

class SpawnSetup {
 public:
  explicit SpawnSetup(int outputFd) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions_, outputFd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions_, outputFd, STDERR_FILENO);
    // Its own process group, so that a time-out ends whatever the tool started as well.
    posix_spawnattr_init(&attributes_);
    posix_spawnattr_setpgroup(&attributes_, 0);
    const short signalFlags = GiveChildDefaultSignals(attributes_);
    posix_spawnattr_setflags(&attributes_, static_cast<short>(POSIX_SPAWN_SETPGROUP | signalFlags));
  }
  ~SpawnSetup() {
    posix_spawnattr_destroy(&attributes_);
    posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  pid_t Spawn(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    const std::string resolved = ResolveProgram(argv[0]);
    const int error =
        resolved.empty()
            ? posix_spawnp(&pid, argv[0].c_str(), &actions_, &attributes_, args.data(), environ)
            : posix_spawn(&pid, resolved.c_str(), &actions_, &attributes_, args.data(), environ);
    return error == 0 ? pid : -1;
  }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

// Reaps the tool, ending its group first when it outlives the deadline; true when it had to.
bool Reap(pid_t pid, SteadyClock::time_point deadline) {
  int status = 0;
  for (;;) {
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) return false;
    if (SteadyClock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(-pid, SIGKILL);
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return true;
}

class PosixProcessRunner : public ProcessRunner {
 public:
  ProcessResult Run(const std::vector<std::string>& argv,
                    std::chrono::milliseconds timeout) override {
    ProcessResult result;
    if (argv.empty() || argv[0].empty()) return result;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return result;
    const SteadyClock::time_point deadline = SteadyClock::now() + timeout;
    pid_t pid = -1;
    {
      SpawnSetup setup(pipeFds[1]);
      pid = setup.Spawn(argv);
    }
    // Only the tool holds the write end now, so the pipe ends when the tool's output does.
    ::close(pipeFds[1]);
    if (pid < 0) {
      ::close(pipeFds[0]);
      return result;
    }
    result.started = true;

    char block[kReadBlock];
    for (;;) {
      pollfd wait{pipeFds[0], POLLIN, 0};
      const int ready = ::poll(&wait, 1, RemainingMs(deadline));
      if (ready < 0 && errno == EINTR) continue;
      if (ready <= 0) {
        result.timedOut = true;
        break;
      }
      const ssize_t n = ::read(pipeFds[0], block, sizeof block);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      const size_t room = kMaxOutput - result.output.size();
      result.output.append(block, static_cast<size_t>(n) < room ? static_cast<size_t>(n) : room);
    }
    if (result.timedOut) ::kill(-pid, SIGKILL);
    if (Reap(pid, deadline)) result.timedOut = true;
    ::close(pipeFds[0]);
    return result;
  }
};

}  // namespace

ProcessRunner& ProcessRunner::Real() {
  static PosixProcessRunner runner;
  return runner;
}

}  // namespace platform
