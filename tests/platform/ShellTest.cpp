#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "OwnPathFolderTest.h"
#include "platform/Shell.h"

namespace {

namespace fs = std::filesystem;

using ShellTest = platformtest::OwnPathFolderTest;

TEST_F(ShellTest, TheOpenerIsStartedWithTheTargetAndNotWaitedFor) {
  // An opener that, as one without a desktop does, stays until the page it opened is closed.
  const fs::path opener = folder_ / "xdg-open";
  {
    std::ofstream script(opener);
    script << "#!/bin/sh\n"
           << "printf '%s' \"$1\" > '" << (folder_ / "started").string() << "'\n"
           << "i=0; while [ ! -e '" << (folder_ / "closed").string() << "' ] && [ $i -lt 300 ]; do"
           << " sleep 0.1; i=$((i+1)); done\n"
           << ": > '" << (folder_ / "ended").string() << "'\n";
  }
  fs::permissions(opener, fs::perms::owner_all);
  PutOurFolderFirst();

  EXPECT_TRUE(platform::Shell::Real().Open("https://www.example.com/a b"));
  EXPECT_FALSE(fs::exists(folder_ / "ended")) << "the caller waited for the opener to end";
  ASSERT_TRUE(AppearsWithin(folder_ / "started", std::chrono::seconds(10)));
  std::ifstream started(folder_ / "started");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(started), {}), "https://www.example.com/a b");
  std::ofstream(folder_ / "closed").flush();
  EXPECT_TRUE(AppearsWithin(folder_ / "ended", std::chrono::seconds(10)));
}

TEST_F(ShellTest, WithoutAnOpenerNothingOpens) {
  UseOnlyOurFolder();
  EXPECT_FALSE(platform::Shell::Real().Open("https://www.example.com/"));
  EXPECT_FALSE(platform::Shell::Real().Open(""));
}

}  // namespace
