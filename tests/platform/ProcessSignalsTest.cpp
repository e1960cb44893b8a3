#include "platform/ProcessSignals.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "OwnPathFolderTest.h"
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

bool Readable(int fd) {
  pollfd ready{fd, POLLIN, 0};
  return ::poll(&ready, 1, 0) == 1;
}

sighandler_t ActionOf(int number) {
  struct sigaction action {};
  ::sigaction(number, nullptr, &action);
  return action.sa_handler;
}

TEST(CloseSignalsTest, TheFirstSignalAsksToCloseAndGivesBothTheirDefaultBack) {
  for (const int number : {SIGTERM, SIGINT}) {
    platform::TakeCloseSignalsAsRequests();
    ASSERT_GE(platform::CloseRequestFd(), 0);
    EXPECT_FALSE(Readable(platform::CloseRequestFd()));
    ASSERT_EQ(::raise(number), 0) << "the process would have ended";
    EXPECT_TRUE(Readable(platform::CloseRequestFd())) << number;
    EXPECT_EQ(ActionOf(SIGTERM), SIG_DFL) << "a second signal ends the program";
    EXPECT_EQ(ActionOf(SIGINT), SIG_DFL);
    EXPECT_TRUE(platform::TakeCloseRequest());
    EXPECT_FALSE(platform::TakeCloseRequest());
    EXPECT_FALSE(Readable(platform::CloseRequestFd()));
  }
  platform::ReleaseCloseSignals();
  EXPECT_EQ(platform::CloseRequestFd(), -1);
}

TEST(CloseSignalsTest, ASignalIgnoredFromTheStartStaysIgnored) {
  // A program started in the background by a script has Ctrl+C ignored; it is not the window's.
  const sighandler_t before = ::signal(SIGINT, SIG_IGN);
  platform::TakeCloseSignalsAsRequests();
  EXPECT_EQ(ActionOf(SIGINT), SIG_IGN);
  EXPECT_NE(ActionOf(SIGTERM), SIG_DFL);
  ::raise(SIGINT);
  EXPECT_FALSE(platform::TakeCloseRequest());
  platform::ReleaseCloseSignals();
  EXPECT_EQ(ActionOf(SIGINT), SIG_IGN);
  EXPECT_EQ(ActionOf(SIGTERM), SIG_DFL);
  ::signal(SIGINT, before);
}

}  // namespace
