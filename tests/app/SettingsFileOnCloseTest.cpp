// What the close does to a settings file the user keeps in an unusual way: one the program cannot
// read, a private one, one that is a link to a file kept elsewhere.
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "app/MainWindowFixture.h"
#include "framework/TestSeams.h"
#include "io/FilesBeside.h"

namespace testing_app {
namespace {

// Root reads every file whatever its mode. While this object lives the calling thread reads as
// any other user does: it gives up the two capabilities that override file permissions.
class ReadingAsAUser {
 public:
  ReadingAsAUser() {
    header_.version = _LINUX_CAPABILITY_VERSION_3;
    syscall(SYS_capget, &header_, saved_);
    __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
    lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    syscall(SYS_capset, &header_, lowered);
  }
  ~ReadingAsAUser() { syscall(SYS_capset, &header_, saved_); }
  ReadingAsAUser(const ReadingAsAUser&) = delete;
  ReadingAsAUser& operator=(const ReadingAsAUser&) = delete;

 private:
  __user_cap_header_struct header_{};
  __user_cap_data_struct saved_[2]{};
};

mode_t ModeOf(const std::string& path) {
  struct stat info{};
  EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 0777;
}

// The file holds the user's choices even when this run could not read them: the close keeps it
// and says why on standard error, as it does for a save that fails.
TEST_F(MainWindowTest, ASettingsFileThatCouldNotBeReadIsKeptOnClose) {
  const std::string good = "keyManagerLanguage=Dutch\r\nkeyDeviceTarget=19728\r\nkeyCurrentPath=/home/u/fw/\r\n";
  struct Case {
    const char* name;
    std::string text;
    mode_t mode;
  };
  const Case cases[] = {
      {"no right to read it", good, 0},
      {"larger than the program reads", good + std::string(1u << 20, 'x') + "\r\n", 0644},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteSettingsFile(c.text);
    ASSERT_EQ(chmod(SettingsPath().c_str(), c.mode), 0);
    {
      ReadingAsAUser user;
      Start();
    }
    app::CUpdaterDlg& w = *window_;
    EXPECT_EQ(w.m_nLanguage, 0) << "the start values hold";
    w.m_nLanguage = 2;
    testing::internal::CaptureStderr();
    fw::RequestClose(w);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(w.HasEnded());
    EXPECT_NE(said.find("the settings file in " + ImageFolder() + " could not be read"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(ModeOf(SettingsPath()), c.mode);
    ASSERT_EQ(chmod(SettingsPath().c_str(), 0644), 0);
    EXPECT_EQ(io::ReadWholeFile(SettingsPath(), 2u << 20).value_or(""), c.text);
  }
}

TEST_F(MainWindowTest, TheCloseKeepsAPrivateSettingsFilePrivateAndALinkALink) {
  WriteSettingsFile("keyManagerLanguage=Dutch\r\n");
  ASSERT_EQ(chmod(SettingsPath().c_str(), 0600), 0);
  app::CUpdaterDlg& first = Start();
  first.m_nLanguage = 1;
  fw::RequestClose(first);
  ASSERT_TRUE(first.HasEnded());
  EXPECT_EQ(ModeOf(SettingsPath()), 0600u);
  EXPECT_NE(SettingsFile().value_or("").find("keyManagerLanguage=French\r\n"), std::string::npos);

  // The user keeps the file with other ones and links it into place.
  const std::string kept = folder_ + "/dotfiles/manager.conf";
  ASSERT_EQ(mkdir((folder_ + "/dotfiles").c_str(), 0755), 0);
  ASSERT_EQ(rename(SettingsPath().c_str(), kept.c_str()), 0);
  ASSERT_EQ(symlink("../dotfiles/manager.conf", SettingsPath().c_str()), 0);
  app::CUpdaterDlg& second = Start();
  EXPECT_EQ(second.m_nLanguage, 1);
  second.m_nLanguage = 2;
  fw::RequestClose(second);
  ASSERT_TRUE(second.HasEnded());
  ASSERT_TRUE(std::filesystem::is_symlink(SettingsPath()));
  EXPECT_EQ(std::filesystem::read_symlink(SettingsPath()), "../dotfiles/manager.conf");
  EXPECT_NE(io::ReadWholeFile(kept).value_or("").find("keyManagerLanguage=German\r\n"), std::string::npos);
  EXPECT_EQ(ModeOf(kept), 0600u);
  EXPECT_TRUE(testing_io::FilesBeside(SettingsPath()).empty());
  EXPECT_TRUE(testing_io::FilesBeside(kept).empty());
}

}  // namespace
}  // namespace testing_app
