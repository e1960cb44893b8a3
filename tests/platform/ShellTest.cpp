#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/Shell.h"

namespace {

namespace fs = std::filesystem;

// Puts a folder of our own first on PATH for the life of the fixture.
class ShellTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("shell-test-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    const char* path = std::getenv("PATH");
    oldPath_ = path ? path : "";
  }
  void TearDown() override {
    ::setenv("PATH", oldPath_.c_str(), 1);
    fs::remove_all(folder_);
  }
  void UseOnlyOurFolder() { ::setenv("PATH", folder_.c_str(), 1); }
  void PutOurFolderFirst() { ::setenv("PATH", (folder_.string() + ":" + oldPath_).c_str(), 1); }

  static bool AppearsWithin(const fs::path& file, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!fs::exists(file) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return fs::exists(file);
  }

  fs::path folder_;
  std::string oldPath_;
};

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
