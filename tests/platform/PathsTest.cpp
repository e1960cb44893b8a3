#include "platform/Paths.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

// Sets (or, with nullopt, unsets) an environment variable for its lifetime.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* before = std::getenv(name)) before_ = before;
    Apply(value);
  }
  ~ScopedVariable() { Apply(before_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  void Apply(const std::optional<std::string>& value) {
    if (value) {
      setenv(name_, value->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  const char* name_;
  std::optional<std::string> before_;
};

// The real user data folder, with a program folder that has no IMG folder of its own.
class ProgramWithoutImageFolder : public platform::Paths {
 public:
  explicit ProgramWithoutImageFolder(std::string folder) : folder_(std::move(folder)) {}
  std::string ProgramFolder() override { return folder_; }
  std::string UserDataFolder() override { return platform::Paths::Real().UserDataFolder(); }

 private:
  std::string folder_;
};

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(dir_.empty()); }
  const testutil::ScratchFolder scratch_{"corvale-paths"};
  const std::string dir_ = scratch_.Path();
};

TEST_F(PathsTest, AnEmptyHomeFallsBackLikeAnUnsetOneAndAMissingOneIsNoHome) {
  const passwd* entry = getpwuid(getuid());
  const std::string fromDatabase = entry && entry->pw_dir ? entry->pw_dir : "";
  if (fromDatabase.empty() || !fs::is_directory(fromDatabase)) GTEST_SKIP() << "no home folder in the password database";
  ASSERT_EQ(mkdir((dir_ + "/home").c_str(), 0755), 0);
  const struct {
    std::optional<std::string> home;
    std::string expected;
  } cases[] = {
      {dir_ + "/home", dir_ + "/home"},
      {std::nullopt, fromDatabase},
      {"", fromDatabase},
      {dir_ + "/gone", ""},
  };
  for (const auto& c : cases) {
    ScopedVariable home("HOME", c.home);
    EXPECT_EQ(platform::Paths::HomeFolder(), c.expected) << c.home.value_or("(unset)");
  }
}

// As root nothing stops the folders from being made from the top, a home that is not there
// included: it must stay not there, and the IMG folder beside the program serves.
TEST_F(PathsTest, TheImageFolderIsMadeBelowAHomeThatIsThereAndAMissingHomeIsNeverMade) {
  ProgramWithoutImageFolder paths(dir_ + "/program");
  ScopedVariable data("XDG_DATA_HOME", std::nullopt);
  {
    ScopedVariable home("HOME", dir_ + "/gone");
    EXPECT_EQ(paths.ImageFolder(), dir_ + "/program/IMG");
    EXPECT_FALSE(fs::exists(dir_ + "/gone"));
  }
  ASSERT_EQ(mkdir((dir_ + "/home").c_str(), 0755), 0);
  ScopedVariable home("HOME", dir_ + "/home");
  EXPECT_EQ(paths.ImageFolder(), dir_ + "/home/.local/share/corvale-manager/IMG");
  EXPECT_TRUE(fs::is_directory(dir_ + "/home/.local/share/corvale-manager/IMG"));
}

}  // namespace
