#pragma once
// A fixture with a folder of its own that a test can put on PATH (first, or alone) for scripts
// that stand in for the programs the platform layer starts; PATH and the folder are restored and
// removed afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace platformtest {

class OwnPathFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("path-folder-test-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    const char* path = std::getenv("PATH");
    oldPath_ = path ? path : "";
  }
  void TearDown() override {
    ::setenv("PATH", oldPath_.c_str(), 1);
    std::filesystem::remove_all(folder_);
  }
  void UseOnlyOurFolder() { ::setenv("PATH", folder_.c_str(), 1); }
  void PutOurFolderFirst() { ::setenv("PATH", (folder_.string() + ":" + oldPath_).c_str(), 1); }

  static bool AppearsWithin(const std::filesystem::path& file, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!std::filesystem::exists(file) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::filesystem::exists(file);
  }

  std::filesystem::path folder_;
  std::string oldPath_;
};

}  // namespace platformtest
