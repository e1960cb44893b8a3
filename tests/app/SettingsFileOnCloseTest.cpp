// What the close does to a settings file the user keeps in an unusual way: one the program cannot
// read, a private one, one that is a link to a file kept elsewhere, one in a folder that refuses
// new files.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>

#include "app/MainWindowFixture.h"
#include "framework/TestSeams.h"
#include "io/ActingAsAUser.h"
#include "io/FaultyDisk.h"
#include "io/FilesBeside.h"
#include "io/ScopedUmask.h"

namespace testing_app {
namespace {

using testing_io::ActingAsAUser;
using testing_io::ModeOf;

// The file holds the user's choices even when this run could not read them: the close keeps it
// and says why on standard error, as it does for a save that fails.
TEST_F(MainWindowTest, ASettingsFileThatCouldNotBeReadIsKeptOnClose) {
  const std::string good = "keyManagerLanguage=Dutch\r\nkeyDeviceTarget=19728\r\nkeyCurrentPath=/home/u/fw/\r\n";
  std::string utf16 = "\xFF\xFE";
  for (const char c : good) utf16 += std::string{c, '\0'};
  std::string noise;
  for (int i = 0; i < 4000; ++i) noise += static_cast<char>((i * 7919 + 13) % 251);
  const std::string unreadable = " could not be read";
  const std::string notOurs = " holds none of this program's settings";
  struct Case {
    const char* name;
    std::string text;
    mode_t mode;
    std::string why;
  };
  const Case cases[] = {
      {"no right to read it", good, 0, unreadable},
      {"larger than the program reads", good + std::string(1u << 20, 'x') + "\r\n", 0644, unreadable},
      {"saved as UTF-16", utf16, 0644, notOurs},
      {"random bytes", noise, 0644, notOurs},
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
    EXPECT_TRUE(said.starts_with(std::string(program_invocation_short_name) + ": the settings file in " +
                                 ImageFolder() + c.why))
        << said;
    EXPECT_NE(said.find("so it is kept as it is"), std::string::npos) << said;
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
  EXPECT_EQ(said, std::string(program_invocation_short_name) + ": " + ImageFolder() +
                      " refuses new files, so the settings file in it was overwritten, not replaced atomically\n");
  EXPECT_TRUE(testing_io::FilesBeside(SettingsPath()).empty());
  app::CUpdaterDlg& second = Start();
  EXPECT_EQ(second.m_nLanguage, 2);
  ASSERT_EQ(chmod(ImageFolder().c_str(), 0755), 0);
}

// The close says in one line whether the settings file was written and, when not, whether the old
// one was kept: the in-place write of a folder that refuses new files finds the disk full (so it
// never begins), loses its reserved room halfway (so it puts the old bytes back), or cannot even
// do that; the atomic replace of a folder that takes new files finds the disk full.
TEST_F(MainWindowTest, TheCloseSaysWhetherTheOldSettingsFileWasKept) {
  const std::string old = "keyManagerLanguage=Dutch\r\n";
  const std::string cannot = "cannot write the settings file in " + ImageFolder() + " (No space left on device)";
  const struct {
    const char* name;
    bool folderRefuses;
    int createError;
    int reserveError;
    size_t room;
    bool roomComesBack;
    std::string said;
    bool oldKept;
    bool fileThere = true;
  } cases[] = {
      {"full disk, in place", true, 0, ENOSPC, SIZE_MAX, false, cannot + "; the old file is kept as it was", true},
      {"room lost halfway", true, 0, 0, 10, true, cannot + "; the old file is kept as it was", true},
      {"no room for the old bytes either", true, 0, 0, 10, false,
       cannot + ", and its old text could not be put back: the old file was not kept", false},
      {"full disk, atomic", false, ENOSPC, 0, SIZE_MAX, false, cannot + "; the old file is kept as it was", true},
      {"no file to overwrite", true, 0, 0, SIZE_MAX, false,
       "cannot write the settings file in " + ImageFolder() + " (Permission denied)", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.fileThere) {
      WriteSettingsFile(old);
    } else {
      std::filesystem::remove(SettingsPath());
    }
    ASSERT_EQ(chmod(ImageFolder().c_str(), c.folderRefuses ? 0555 : 0755), 0);
    std::string said;
    {
      ActingAsAUser user;
      app::CUpdaterDlg& w = Start();
      ASSERT_EQ(w.m_nLanguage, c.fileThere ? 7 : 0);
      w.m_nLanguage = 2;
      testing_io::FaultyDisk disk;
      disk.createError = c.createError;
      disk.reserveError = c.reserveError;
      disk.room = c.room;
      disk.roomComesBack = c.roomComesBack;
      io::DiskCalls::Scoped useDisk(disk);
      testing::internal::CaptureStderr();
      fw::RequestClose(w);
      said = testing::internal::GetCapturedStderr();
      EXPECT_TRUE(w.HasEnded());
    }
    ASSERT_EQ(chmod(ImageFolder().c_str(), 0755), 0);
    EXPECT_EQ(said, std::string(program_invocation_short_name) + ": " + c.said + "\n");
    if (c.oldKept) {
      EXPECT_EQ(SettingsFile(), old);
    }
    EXPECT_EQ(std::filesystem::exists(SettingsPath()), c.fileThere);
    EXPECT_TRUE(testing_io::FilesBeside(SettingsPath()).empty());
  }
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
