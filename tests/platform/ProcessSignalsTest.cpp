#include "platform/ProcessSignals.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <sys/ioctl.h>  // before linux/hidraw.h, which uses its macros
#include <linux/hidraw.h>
#include <linux/seccomp.h>
#include <poll.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "OwnPathFolderTest.h"
#include "platform/HidBus.h"
#include "platform/Process.h"
#include "platform/Shell.h"

namespace {

namespace fs = std::filesystem;

// The program ignores SIGPIPE and SIGXFSZ and its threads may block signals; a started program
// must see none of that.
class ProcessSignalsTest : public platformtest::OwnPathFolderTest {
 protected:
  void SetUp() override {
    OwnPathFolderTest::SetUp();
    oldPipe_ = ::signal(SIGPIPE, SIG_IGN);
    oldFileSize_ = ::signal(SIGXFSZ, SIG_IGN);
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &blocked, &oldMask_);
  }
  void TearDown() override {
    pthread_sigmask(SIG_SETMASK, &oldMask_, nullptr);
    ::signal(SIGPIPE, oldPipe_);
    ::signal(SIGXFSZ, oldFileSize_);
    OwnPathFolderTest::TearDown();
  }

  // The file the script `xdg-open` beside the test writes, once it is there.
  std::string OpenerWrites(const std::string& command) {
    const fs::path written = folder_ / "written";
    const fs::path opener = folder_ / "xdg-open";
    std::ofstream(opener) << "#!/bin/sh\n" << command << " > '" << written.string() << ".part' && mv '"
                          << written.string() << ".part' '" << written.string() << "'\n";
    fs::permissions(opener, fs::perms::owner_all);
    PutOurFolderFirst();
    if (!platform::Shell::Real().Open("https://www.example.com/")) return "not started";
    if (!AppearsWithin(written, std::chrono::seconds(10))) return "not written";
    std::ifstream in(written);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  sighandler_t oldPipe_ = SIG_DFL;
  sighandler_t oldFileSize_ = SIG_DFL;
  sigset_t oldMask_;
};

// The mask of field `name` ("SigIgn", "SigBlk") in a copy of /proc/PID/status.
unsigned long long StatusMask(const std::string& status, const std::string& name) {
  std::istringstream lines(status);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(name + ":", 0) == 0) return std::stoull(line.substr(name.size() + 1), nullptr, 16);
  }
  ADD_FAILURE() << "no " << name << " in: " << status;
  return ~0ull;
}

constexpr unsigned long long Bit(int number) { return 1ull << (number - 1); }

TEST_F(ProcessSignalsTest, ToolsAndTheOpenerStartWithDefaultSignalsAndNoneBlocked) {
  // grep reads its own status: a shell in between would clear the mask it was given.
  const std::vector<std::string> command = {"grep", "-E", "^Sig(Ign|Blk):", "/proc/self/status"};
  const struct {
    const char* starter;
    std::function<std::string()> run;
  } starters[] = {
      {"tool", [&] { return platform::ProcessRunner::Real().Run(command, std::chrono::seconds(10)).output; }},
      {"opener", [&] { return OpenerWrites("grep -E '^Sig(Ign|Blk):' /proc/self/status"); }},
  };
  for (const auto& s : starters) {
    const std::string status = s.run();
    EXPECT_EQ(StatusMask(status, "SigIgn") & (Bit(SIGPIPE) | Bit(SIGXFSZ)), 0u) << s.starter << ": " << status;
    EXPECT_EQ(StatusMask(status, "SigBlk"), 0u) << s.starter << ": " << status;
  }
}

constexpr unsigned long long kCloseSignalBits = Bit(SIGINT) | Bit(SIGTERM) | Bit(SIGHUP);

// While it lives, close signals are handed to the window as requests, as they are while the
// program's window runs; then the requests left are dropped and signals end the test program again.
class AskingTheWindow {
 public:
  AskingTheWindow() { platform::SetCloseSignalAction(platform::CloseSignalAction::kAskTheWindow); }
  ~AskingTheWindow() {
    platform::SetCloseSignalAction(platform::CloseSignalAction::kEndProgram);
    platform::TakeCloseRequests();
  }
  AskingTheWindow(const AskingTheWindow&) = delete;
  AskingTheWindow& operator=(const AskingTheWindow&) = delete;
};

// The requests the signal thread hands over within 10 s (all of them once one is there).
std::vector<int> AwaitRequests() {
  pollfd ready{platform::CloseRequestFd(), POLLIN, 0};
  if (::poll(&ready, 1, 10000) != 1) return {};
  return platform::TakeCloseRequests();
}

// The real hidapi opens only a file that answers hidraw's descriptor-size request. From now on,
// on the calling thread, a seccomp filter answers that request with success for any file, so that
// hidapi opens a pseudo-terminal and reads from it as from a headset that stays silent.
bool LetHidapiOpenAnyFile() {
  sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_ioctl, 0, 3),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[1])),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(HIDIOCGRDESCSIZE), 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | 0),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
  return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

constexpr int kWaitMs = 600;

// Runs `wait` on this thread while another sends SIGTERM to the process in the middle of it: what
// went wrong, nothing when the wait timed out (returned 0) after its full time and the signal
// still asked the window to close.
std::string WaitThroughASignal(const std::function<int()>& wait) {
  const auto start = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point sent;
  std::thread sender([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ::kill(::getpid(), SIGTERM);
    sent = std::chrono::steady_clock::now();
  });
  const int result = wait();
  const int error = errno;
  const auto end = std::chrono::steady_clock::now();
  sender.join();
  const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(end - start).count();
  std::string failure;
  if (result != 0) failure += "returned " + std::to_string(result) + " (" + std::strerror(error) + "), not a time-out; ";
  if (waited < kWaitMs) failure += "ended after " + std::to_string(waited) + " ms; ";
  if (sent >= end) failure += "the signal came after the wait; ";
  if (AwaitRequests() != std::vector<int>{SIGTERM}) failure += "no close request; ";
  return failure;
}

// No thread but ours sees a close signal, so none is cut short: a SIGTERM in the middle of a poll
// or of a HID read on the window's thread leaves it to its time-out, and still asks for a close.
// Each runs in a process of its own, on its main thread, to which the kernel gives a signal for
// the process first when it may.
TEST(CloseSignalsTest, ASignalCutsNoWaitOnTheWindowsThreadShort) {
  const std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // the signal thread must be there in the child
  const struct {
    const char* wait;
    std::function<std::string()> run;
  } waits[] = {
      {"poll", [] { return WaitThroughASignal([] { return ::poll(nullptr, 0, kWaitMs); }); }},
      {"HID read",
       [] {
         if (!LetHidapiOpenAnyFile()) return std::string("no seccomp filter");
         const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
         if (terminal < 0 || ::grantpt(terminal) != 0 || ::unlockpt(terminal) != 0) return std::string("no terminal");
         const std::unique_ptr<platform::HidDevice> device = platform::HidBus::Real().Open(::ptsname(terminal));
         if (!device) return std::string("hidapi did not open the terminal");
         return WaitThroughASignal([&] {
           uint8_t reply[65];
           return device->Read(reply, sizeof reply, kWaitMs);
         });
       }},
  };
  for (const auto& w : waits) {
    EXPECT_EXIT(
        {
          platform::SetCloseSignalAction(platform::CloseSignalAction::kAskTheWindow);
          const std::string failure = w.run();
          std::fputs(failure.c_str(), stderr);
          std::_Exit(failure.empty() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "")
        << w.wait;
  }
  GTEST_FLAG_SET(death_test_style, style);
}

TEST(CloseSignalsTest, EachCloseSignalAsksTheWindowToClose) {
  AskingTheWindow asking;
  for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
    ASSERT_EQ(::kill(::getpid(), number), 0);
    EXPECT_EQ(AwaitRequests(), std::vector<int>{number});
  }
}

// The block is inherited: every thread of the program but the one that takes them, the toolkit's
// and those started now too.
TEST(CloseSignalsTest, EveryThreadHasThemBlocked) {
  std::promise<void> end;
  std::thread started([ended = end.get_future()] { ended.wait(); });
  int threads = 0;
  for (const auto& task : fs::directory_iterator("/proc/self/task")) {
    std::ifstream in(task.path() / "status");
    const std::string status(std::istreambuf_iterator<char>(in), {});
    if (status.empty()) continue;  // ended meanwhile
    ++threads;
    // While it waits in sigwait, the kernel shows the signals it waits for as not blocked.
    if (status.rfind("Name:\tclose-signals\n", 0) == 0) continue;
    EXPECT_EQ(StatusMask(status, "SigBlk") & kCloseSignalBits, kCloseSignalBits) << status;
  }
  end.set_value();
  started.join();
  EXPECT_GE(threads, 3) << "this one, the signal thread and the one started here";
}

// With no window to ask (a test program, the demo's screenshot walk), or while the window's
// refusal stands, a signal ends the program as its default action would.
TEST(CloseSignalsTest, WithNoWindowToAskOrARefusalStandingASignalEndsTheProgram) {
  const std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // the signal thread must be there in the child
  const struct {
    platform::CloseSignalAction action;
    int number;
  } cases[] = {
      {platform::CloseSignalAction::kEndProgram, SIGINT},
      {platform::CloseSignalAction::kEndProgram, SIGTERM},
      {platform::CloseSignalAction::kEndProgram, SIGHUP},
      {platform::CloseSignalAction::kRefused, SIGTERM},
  };
  for (const auto& c : cases) {
    EXPECT_EXIT(
        {
          platform::SetCloseSignalAction(c.action);
          ::kill(::getpid(), c.number);
          std::this_thread::sleep_for(std::chrono::seconds(30));
          std::_Exit(0);
        },
        testing::KilledBySignal(c.number), "")
        << static_cast<int>(c.action) << " " << c.number;
  }
  GTEST_FLAG_SET(death_test_style, style);
}

}  // namespace
