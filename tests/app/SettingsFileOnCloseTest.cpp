// What the close does to a settings file the user keeps in an unusual way: one the program cannot
// read, a private one, one that is a link to a file kept elsewhere, one in a folder that refuses
// new files.
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "app/MainWindowFixture.h"
#include "framework/TestSeams.h"
#include "io/FilesBeside.h"
#include "io/ScopedUmask.h"

namespace testing_app {
namespace {

// Root reads and writes every file whatever its mode. While this object lives the calling thread
// does as any other user does: it gives up the two capabilities that override file permissions.
class ActingAsAUser {
 public:
  ActingAsAUser() {
    header_.version = _LINUX_CAPABILITY_VERSION_3;
    syscall(SYS_capget, &header_, saved_);
    __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
    lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    syscall(SYS_capset, &header_, lowered);
  }
  ~ActingAsAUser() { syscall(SYS_capset, &header_, saved_); }
  ActingAsAUser(const ActingAsAUser&) = delete;
  ActingAsAUser& operator=(const ActingAsAUser&) = delete;

 private:
  __user_cap_header_struct header_{};
  __user_cap_data_struct saved_[2]{};
};

using testing_io::ModeOf;

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
      ActingAsAUser user;
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

// The folder refuses the temporary file of an atomic replace, but the file may be written: the
// close overwrites it, says on standard error that it did, and the next run has the choices.
TEST_F(MainWindowTest, AFolderThatRefusesNewFilesKeepsTheChoicesOfTheRunInItsWritableSettingsFile) {
  WriteSettingsFile("keyManagerLanguage=Dutch\r\n");
  ASSERT_EQ(chmod(ImageFolder().c_str(), 0555), 0);
  std::string said;
  {
    ActingAsAUser user;
    app::CUpdaterDlg& first = Start();
    EXPECT_EQ(first.m_nLanguage, 7);
    first.m_nLanguage = 2;
    testing::internal::CaptureStderr();
    fw::RequestClose(first);
    said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(first.HasEnded());
  }
  EXPECT_NE(said.find(ImageFolder() + " refuses new files, so the settings file in it was overwritten, not "
                                      "replaced atomically"),
            std::string::npos)
      << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_TRUE(testing_io::FilesBeside(SettingsPath()).empty());
  app::CUpdaterDlg& second = Start();
  EXPECT_EQ(second.m_nLanguage, 2);
  ASSERT_EQ(chmod(ImageFolder().c_str(), 0755), 0);
}

// A new settings file is as private as the user's umask makes new files.
TEST_F(MainWindowTest, ANewSettingsFileFollowsTheUmask) {
  app::CUpdaterDlg& w = Start();
  testing_io::ScopedUmask mask(077);
  fw::RequestClose(w);
  ASSERT_TRUE(w.HasEnded());
  EXPECT_EQ(ModeOf(SettingsPath()), 0600u);
}

}  // namespace
}  // namespace testing_app
