#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

#include "platform/Paths.h"
#include "platform/Process.h"

namespace {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

platform::ProcessResult Shell(const std::string& script, std::chrono::milliseconds timeout = 10s) {
  return platform::ProcessRunner::Real().Run({"sh", "-c", script}, timeout);
}

TEST(ProcessRunnerTest, BothStreamsArriveInOnePipeInTheOrderWritten) {
  const platform::ProcessResult run = Shell("echo out; echo err >&2; printf 'tail'");
  EXPECT_TRUE(run.started);
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.output, "out\nerr\ntail");
}

TEST(ProcessRunnerTest, AChildHoldingTheOutputExtendsTheRun) {
  const platform::ProcessResult run = Shell("(sleep 0.3; echo late) & echo early");
  EXPECT_EQ(run.output, "early\nlate\n");
  EXPECT_FALSE(run.timedOut);
}

TEST(ProcessRunnerTest, TimeOutEndsTheToolAndWhatItStarted) {
  const auto start = Steady::now();
  const platform::ProcessResult run = Shell("echo begun; sleep 30 & sleep 30", 300ms);
  EXPECT_TRUE(run.started);
  EXPECT_TRUE(run.timedOut);
  EXPECT_EQ(run.output, "begun\n");
  EXPECT_LT(Steady::now() - start, 5s);

  // Output closed early, process still running: ended at the deadline all the same.
  const platform::ProcessResult quiet = Shell("exec >/dev/null 2>&1; sleep 30", 300ms);
  EXPECT_TRUE(quiet.timedOut);
  EXPECT_LT(Steady::now() - start, 10s);
}

TEST(ProcessRunnerTest, MissingProgramIsNotStarted) {
  for (const std::vector<std::string>& argv : std::vector<std::vector<std::string>>{
           {"corvale-no-such-tool", "upgrade"}, {"/nonexistent/tool"}, {}, {""}}) {
    const platform::ProcessResult run = platform::ProcessRunner::Real().Run(argv, 2s);
    EXPECT_FALSE(run.started) << (argv.empty() ? "(empty)" : argv[0]);
    EXPECT_EQ(run.output, "");
  }
}

TEST(ProcessRunnerTest, BareNameIsFoundInTheProgramFolderFirst) {
  char folder[] = "/tmp/corvale-tool-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string tool = std::string(folder) + "/corvale-test-tool";
  std::ofstream(tool) << "#!/bin/sh\necho \"tool got $1\"\n";
  ASSERT_EQ(chmod(tool.c_str(), 0755), 0);

  platform::FixedPaths paths(folder);
  platform::Paths::Scoped usePaths(paths);
  const platform::ProcessResult run =
      platform::ProcessRunner::Real().Run({"corvale-test-tool", "a b"}, 5s);
  EXPECT_TRUE(run.started);
  EXPECT_EQ(run.output, "tool got a b\n");
  std::system((std::string("rm -rf '") + folder + "'").c_str());
}

}  // namespace
