#include "io/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "ActingAsAUser.h"
#include "FaultyDisk.h"
#include "FilesBeside.h"
#include "ScopedUmask.h"
#include "ScratchFolder.h"
#include "platform/ProcessSignals.h"

namespace {

// The names in `folder`, to show that no temporary file is left behind.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Makes `path` look as if nobody had written it for `seconds`.
void Age(const std::string& path, int seconds) {
  const timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/corvale-atomic-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string dir_;
};

TEST_F(AtomicFileTest, WritesReadsAndReplaces) {
  const std::string path = dir_ + "/a.txt";
  ASSERT_TRUE(io::WriteFileAtomically(path, "first"));
  ASSERT_TRUE(io::WriteFileAtomically(path, "second"));
  EXPECT_EQ(io::ReadWholeFile(path).value_or(""), "second");
  EXPECT_EQ(Entries(dir_), std::vector<std::string>{"a.txt"}) << "no temporary file is left behind";
  EXPECT_FALSE(io::ReadWholeFile(dir_ + "/missing").has_value());
}

TEST_F(AtomicFileTest, FailedWriteLeavesOldFile) {
  const std::string path = dir_ + "/a.txt";
  ASSERT_TRUE(io::WriteFileAtomically(path, "old"));
  {
    io::AtomicFileWriter dropped(path);
    ASSERT_TRUE(dropped.Open());
    ASSERT_TRUE(dropped.Write("new", 3));
    EXPECT_EQ(Entries(dir_).size(), 2u);
  }
  EXPECT_EQ(io::ReadWholeFile(path).value_or(""), "old");
  // A folder in the target's place makes the rename fail.
  ASSERT_EQ(mkdir((dir_ + "/b").c_str(), 0755), 0);
  ASSERT_TRUE(io::WriteFileAtomically(dir_ + "/b/inside", "x"));
  EXPECT_FALSE(io::WriteFileAtomically(dir_ + "/b", "new"));
  EXPECT_EQ(Entries(dir_), (std::vector<std::string>{"a.txt", "b"}));
  EXPECT_FALSE(io::WriteFileAtomically(dir_ + "/no/such/folder/x", "x"));
}

TEST_F(AtomicFileTest, TwoWritersOfOneFileEachWriteAWholeFile) {
  const std::string path = dir_ + "/a.txt";
  io::AtomicFileWriter first(path);
  io::AtomicFileWriter second(path);
  ASSERT_TRUE(first.Open());
  ASSERT_TRUE(second.Open());
  ASSERT_TRUE(first.Write("first writer", 12));
  ASSERT_TRUE(second.Write("second", 6));
  EXPECT_TRUE(first.Commit());
  EXPECT_EQ(io::ReadWholeFile(path).value_or(""), "first writer");
  EXPECT_TRUE(second.Commit());
  EXPECT_EQ(io::ReadWholeFile(path).value_or(""), "second");
  EXPECT_EQ(Entries(dir_), std::vector<std::string>{"a.txt"});
}

TEST_F(AtomicFileTest, FailedRenameLeavesNoTemporaryFile) {
  // A folder in the target's place lets the temporary file be written but not renamed over it.
  const std::string path = dir_ + "/taken";
  ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
  io::AtomicFileWriter writer(path);
  ASSERT_TRUE(writer.Open());
  ASSERT_TRUE(writer.Write("data", 4));
  EXPECT_FALSE(writer.Commit());
  EXPECT_TRUE(testing_io::FilesBeside(path).empty());
  EXPECT_FALSE(io::WriteFileAtomically(path, "data"));
  EXPECT_TRUE(testing_io::FilesBeside(path).empty());
}

// A new file gets what a plain create gives under the umask; a replaced one keeps its mode
// whatever the umask, a private file staying private.
TEST_F(AtomicFileTest, ANewFileFollowsTheUmaskAndAReplacedFileKeepsItsPermissions) {
  const struct {
    mode_t umask;
    mode_t created;
  } cases[] = {{077, 0600}, {027, 0640}, {022, 0644}, {0, 0666}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.umask);
    const std::string path = dir_ + "/new-" + std::to_string(c.umask);
    {
      testing_io::ScopedUmask mask(c.umask);
      ASSERT_TRUE(io::WriteFileAtomically(path, "new"));
    }
    EXPECT_EQ(testing_io::ModeOf(path), c.created);
  }

  const std::string path = dir_ + "/private";
  ASSERT_TRUE(io::WriteFileAtomically(path, "old"));
  for (const mode_t kept : {0600, 0604}) {
    ASSERT_EQ(chmod(path.c_str(), kept), 0);
    testing_io::ScopedUmask mask(kept == 0600 ? 0 : 077);
    ASSERT_TRUE(io::WriteFileAtomically(path, "new"));
    EXPECT_EQ(testing_io::ModeOf(path), kept);
    EXPECT_EQ(io::ReadWholeFile(path).value_or(""), "new");
  }
}

// A power loss after the rename keeps the new name only once the folder is flushed, which must
// come after the rename: the folder of the file itself, where a link led.
TEST_F(AtomicFileTest, TheFolderIsFlushedAfterTheRename) {
  static std::string watched;
  static std::vector<std::pair<std::string, std::string>> flushes;  // folder, the file's text then
  watched = dir_ + "/real/file";
  flushes.clear();
  ASSERT_EQ(mkdir((dir_ + "/real").c_str(), 0755), 0);
  ASSERT_TRUE(io::WriteFileAtomically(watched, "old"));
  ASSERT_EQ(symlink("real/file", (dir_ + "/link").c_str()), 0);
  io::WatchFolderFlushes([](const std::string& folder) {
    flushes.emplace_back(folder, io::ReadWholeFile(watched).value_or(""));
  });
  const bool written = io::WriteFileAtomically(dir_ + "/link", "new");
  io::WatchFolderFlushes(nullptr);
  EXPECT_TRUE(written);
  EXPECT_EQ(flushes, (std::vector<std::pair<std::string, std::string>>{{dir_ + "/real", "new"}}));
}

// A writer silent for over a minute (a stalled download, a second instance) still holds its
// temporary file: the clean-up of another writer of the same target leaves it alone, and both
// commit. What a killed writer left, which nobody holds, goes.
TEST_F(AtomicFileTest, ASilentWriterKeepsItsTemporaryFileAndAKilledWritersFileGoes) {
  const std::string path = dir_ + "/a.txt";
  io::AtomicFileWriter silent(path);
  ASSERT_TRUE(silent.Open());
  ASSERT_TRUE(silent.Write("silent", 6));
  const std::vector<std::string> own = testing_io::FilesBeside(path);
  ASSERT_EQ(own.size(), 1u);
  const std::string killed = dir_ + "/a.txt.tmp-K1lled";
  std::ofstream(killed) << "half";
  for (const std::string& file : {dir_ + "/" + own[0], killed}) Age(file, 120);

  ASSERT_TRUE(io::WriteFileAtomically(path, "second"));
  EXPECT_FALSE(std::filesystem::exists(killed));
  EXPECT_TRUE(std::filesystem::exists(dir_ + "/" + own[0]));
  EXPECT_EQ(io::ReadWholeFile(path).value_or(""), "second");
  ASSERT_TRUE(silent.Write(" writer", 7));
  EXPECT_TRUE(silent.Commit());
  EXPECT_EQ(io::ReadWholeFile(path).value_or(""), "silent writer");
  EXPECT_TRUE(testing_io::FilesBeside(path).empty());
}

// A link to a link to a file in another folder: the links stay as they were and the file they
// lead to is replaced, its temporary file made (and gone) in its own folder.
TEST_F(AtomicFileTest, ATargetThatIsALinkStaysALinkAndItsFileIsReplaced) {
  ASSERT_EQ(mkdir((dir_ + "/real").c_str(), 0755), 0);
  ASSERT_TRUE(io::WriteFileAtomically(dir_ + "/real/file", "old"));
  ASSERT_EQ(symlink("real/file", (dir_ + "/hop").c_str()), 0);
  ASSERT_EQ(symlink((dir_ + "/hop").c_str(), (dir_ + "/link").c_str()), 0);
  ASSERT_EQ(symlink("real/new", (dir_ + "/dangling").c_str()), 0);

  ASSERT_TRUE(io::WriteFileAtomically(dir_ + "/link", "through two links"));
  ASSERT_TRUE(io::WriteFileAtomically(dir_ + "/dangling", "made where it points"));
  EXPECT_EQ(io::ReadWholeFile(dir_ + "/real/file").value_or(""), "through two links");
  EXPECT_EQ(io::ReadWholeFile(dir_ + "/real/new").value_or(""), "made where it points");
  for (const char* link : {"/hop", "/link", "/dangling"}) {
    struct stat info{};
    ASSERT_EQ(lstat((dir_ + link).c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << link;
  }
  EXPECT_EQ(std::filesystem::read_symlink(dir_ + "/link"), dir_ + "/hop");
  EXPECT_EQ(Entries(dir_ + "/real"), (std::vector<std::string>{"file", "new"}));
  EXPECT_EQ(Entries(dir_), (std::vector<std::string>{"dangling", "hop", "link", "real"}));

  // Links that lead round in a circle lead to no file.
  ASSERT_EQ(symlink("loop-b", (dir_ + "/loop-a").c_str()), 0);
  ASSERT_EQ(symlink("loop-a", (dir_ + "/loop-b").c_str()), 0);
  EXPECT_FALSE(io::WriteFileAtomically(dir_ + "/loop-a", "x"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ + "/loop-a"));
}

// A write killed before its rename leaves "<target>.tmp-XXXXXX". The next write of that target
// removes those nobody has written for a minute, and nothing else.
TEST_F(AtomicFileTest, AWriteRemovesItsTargetsOwnStaleTemporaryFilesOnly) {
  struct LeftOver {
    const char* name;
    int ageSeconds;
    bool removed;
  };
  const LeftOver leftOvers[] = {
      {"a.txt.tmp-Ab3dE9", 120, true},
      {"a.txt.tmp-zz0099", 3600 * 24, true},
      {"a.txt.tmp-Zq81Kx", 5, false},  // another writer's, still being written
      {"a.txt.tmp-Ab3dE", 120, false},
      {"a.txt.tmp-Ab3dE9.bak", 120, false},
      {"a.txt.tmp-Ab_dE9", 120, false},
      {"b.txt.tmp-Ab3dE9", 120, false},  // another target's
      {"xa.txt.tmp-Ab3dE9", 120, false},
      {"a.txt.old", 120, false},
  };
  for (const LeftOver& l : leftOvers) {
    ASSERT_TRUE(io::WriteFileAtomically(dir_ + "/" + l.name, "left over"));
    Age(dir_ + "/" + l.name, l.ageSeconds);
  }
  // Only plain files: not a folder or a link that happens to have such a name.
  ASSERT_EQ(mkdir((dir_ + "/a.txt.tmp-Dir123").c_str(), 0755), 0);
  ASSERT_EQ(symlink("a.txt.old", (dir_ + "/a.txt.tmp-Lnk123").c_str()), 0);
  Age(dir_ + "/a.txt.tmp-Dir123", 120);
  Age(dir_ + "/a.txt.tmp-Lnk123", 120);

  ASSERT_TRUE(io::WriteFileAtomically(dir_ + "/a.txt", "new"));
  for (const LeftOver& l : leftOvers) {
    EXPECT_EQ(std::filesystem::exists(dir_ + "/" + l.name), !l.removed) << l.name;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir_ + "/a.txt.tmp-Dir123"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ + "/a.txt.tmp-Lnk123"));
  EXPECT_EQ(io::ReadWholeFile(dir_ + "/a.txt").value_or(""), "new");
}

// The name an open file has now.
std::string NameOf(int fd) {
  char name[PATH_MAX];
  const ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), name, sizeof name);
  return n > 0 ? std::string(name, static_cast<size_t>(n)) : std::string();
}

// Every flush (with the file's name and size then) and every rename, in order.
class RecordingDisk : public io::DiskCalls {
 public:
  int Sync(int fd) override {
    struct stat info{};
    fstat(fd, &info);
    calls.push_back("sync " + NameOf(fd) + (S_ISREG(info.st_mode) ? " " + std::to_string(info.st_size) : ""));
    return DiskCalls::Sync(fd);
  }
  int Rename(const std::string& from, const std::string& to) override {
    calls.push_back("rename " + from + " " + to);
    return DiskCalls::Rename(from, to);
  }
  std::vector<std::string> calls;
};

// Without the flush before the rename a power loss can leave an empty file under the final name;
// the folder is flushed after it, so that the new name itself lasts.
TEST_F(AtomicFileTest, TheWholeFileIsFlushedBeforeTheRenameAndTheFolderAfterIt) {
  const std::string path = dir_ + "/a.txt";
  ASSERT_TRUE(io::WriteFileAtomically(path, "old"));
  RecordingDisk disk;
  {
    io::DiskCalls::Scoped useDisk(disk);
    io::AtomicFileWriter writer(path);
    ASSERT_TRUE(writer.Open());
    ASSERT_TRUE(writer.Write("new text", 8));
    ASSERT_TRUE(writer.Commit());
  }
  ASSERT_EQ(disk.calls.size(), 3u) << testing::PrintToString(disk.calls);
  const std::string prefix = "rename " + path + ".tmp-";
  ASSERT_TRUE(disk.calls[1].starts_with(prefix)) << disk.calls[1];
  const std::string temp = disk.calls[1].substr(7, prefix.size() - 7 + 6);
  EXPECT_EQ(disk.calls, (std::vector<std::string>{"sync " + temp + " 8", "rename " + temp + " " + path, "sync " + dir_}));
  EXPECT_EQ(io::ReadWholeFile(path).value_or(""), "new text");
}

// A killed write leaves its temporary file. Its owner's next write clears it whatever the target's
// mode, since the file is readable and writable by its owner until the commit gives it that mode.
TEST_F(AtomicFileTest, AKilledWriteOfAnUnreadableTargetLeavesNothingTheNextWriteCannotClear) {
  for (const mode_t mode : {0000, 0200, 0400}) {
    SCOPED_TRACE(mode);
    const std::string path = dir_ + "/locked-" + std::to_string(mode);
    const std::string killed = path + ".tmp-K1lled";
    ASSERT_TRUE(io::WriteFileAtomically(path, "old"));
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
    {
      io::AtomicFileWriter writer(path);
      ASSERT_TRUE(writer.Open());
      ASSERT_TRUE(writer.Write("half", 4));
      const std::vector<std::string> temp = testing_io::FilesBeside(path);
      ASSERT_EQ(temp.size(), 1u);
      // What a kill leaves: the file under its temporary name, held by nobody.
      ASSERT_EQ(link((dir_ + "/" + temp[0]).c_str(), killed.c_str()), 0);
    }
    Age(killed, 120);
    {
      testing_io::ActingAsAUser user;
      EXPECT_TRUE(io::WriteFileAtomically(path, "new"));
    }
    EXPECT_TRUE(testing_io::FilesBeside(path).empty()) << testing::PrintToString(testing_io::FilesBeside(path));
    EXPECT_EQ(testing_io::ModeOf(path), mode);
    EXPECT_EQ(io::ReadWholeFile(path).value_or(""), "new");
  }
}

// Lines of text of exactly `size` bytes.
std::string TextOf(size_t size, char letter) {
  std::string text;
  while (text.size() < size) text += std::string(30, letter) + "\r\n";
  text.resize(size);
  return text;
}

// Nothing is shortened or overwritten before the new text is known to fit, and a write that fails
// even so puts the old bytes back: afterwards the file holds exactly the old bytes or exactly the
// new ones, and the result says which.
TEST_F(AtomicFileTest, AnInPlaceWriteLeavesTheOldBytesOrTheNewOnesAndSaysWhich) {
  const std::string old = TextOf(3151, 'o');
  const struct {
    const char* name;
    size_t newSize;
    int reserveError;
    size_t room;
    bool roomComesBack;
    io::InPlaceOutcome outcome;
    int error;
  } cases[] = {
      {"room for all", 4101, 0, SIZE_MAX, false, io::InPlaceOutcome::kWritten, 0},
      {"a shorter text", 1000, 0, SIZE_MAX, false, io::InPlaceOutcome::kWritten, 0},
      {"the disk is full", 4101, ENOSPC, SIZE_MAX, false, io::InPlaceOutcome::kOldKept, ENOSPC},
      {"a shorter text on a full disk", 1000, ENOSPC, SIZE_MAX, false, io::InPlaceOutcome::kOldKept, ENOSPC},
      {"beyond the file-size limit", 4101, EFBIG, SIZE_MAX, false, io::InPlaceOutcome::kOldKept, EFBIG},
      {"the reserved room is gone after 1024 bytes", 4101, 0, 1024, true, io::InPlaceOutcome::kOldKept, ENOSPC},
      {"so is the room for the old bytes", 4101, 0, 1024, false, io::InPlaceOutcome::kTorn, ENOSPC},
  };
  const std::string path = dir_ + "/settings";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(io::WriteFileAtomically(path, old));
    const std::string text = TextOf(c.newSize, 'n');
    testing_io::FaultyDisk disk;
    disk.reserveError = c.reserveError;
    disk.room = c.room;
    disk.roomComesBack = c.roomComesBack;
    io::InPlaceResult result{};
    {
      io::DiskCalls::Scoped useDisk(disk);
      result = io::WriteFileInPlace(path, text);
    }
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.error, c.error);
    if (c.outcome == io::InPlaceOutcome::kWritten) {
      EXPECT_TRUE(io::ReadWholeFile(path) == text);
    } else if (c.outcome == io::InPlaceOutcome::kOldKept) {
      EXPECT_TRUE(io::ReadWholeFile(path) == old);
    }
  }
  EXPECT_EQ(io::WriteFileInPlace(dir_ + "/missing", "x").outcome, io::InPlaceOutcome::kOldKept);
  EXPECT_FALSE(std::filesystem::exists(dir_ + "/missing")) << "never created";
}

// Runs `body` in a child process of its own (the limit and the mount are the process's) and
// expects it to exit with 0; a non-zero status names the check that failed.
void InAChild(void (*body)()) {
  const std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // the toolkit may run threads: no bare fork
  EXPECT_EXIT(body(), testing::ExitedWithCode(0), "");
  GTEST_FLAG_SET(death_test_style, style);
}

// In place under a real file-size limit (which binds root too), with the program's handling of its
// signal: the new text beyond the limit, or the old one there already, leaves the old bytes.
TEST(InPlaceWrite, UnderAFileSizeLimitTheFileHoldsTheOldBytesOrTheNewOnes) {
  InAChild([] {
    char pattern[] = "/tmp/corvale-inplace-XXXXXX";
    if (!mkdtemp(pattern)) std::_Exit(10);
    const std::string path = std::string(pattern) + "/settings";
    platform::IgnoreFileSizeLimitSignal();
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 1024;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) std::_Exit(11);
    const struct {
      size_t oldSize, newSize;
      io::InPlaceOutcome outcome;
    } cases[] = {
        {3151, 4101, io::InPlaceOutcome::kOldKept},
        {500, 4101, io::InPlaceOutcome::kOldKept},
        {3151, 900, io::InPlaceOutcome::kOldKept},  // the old bytes could not be put back
        {500, 900, io::InPlaceOutcome::kWritten},
    };
    int check = 20;
    for (const auto& c : cases) {
      const std::string old = TextOf(c.oldSize, 'o');
      const std::string text = TextOf(c.newSize, 'n');
      limit.rlim_cur = RLIM_INFINITY;  // below the hard limit, so it can be raised again
      setrlimit(RLIMIT_FSIZE, &limit);
      if (!io::WriteFileAtomically(path, old)) std::_Exit(12);
      limit.rlim_cur = 1024;
      setrlimit(RLIMIT_FSIZE, &limit);
      const io::InPlaceResult result = io::WriteFileInPlace(path, text);
      if (result.outcome != c.outcome) std::_Exit(check);
      if (io::ReadWholeFile(path) != (c.outcome == io::InPlaceOutcome::kWritten ? text : old)) std::_Exit(check + 1);
      if (c.outcome == io::InPlaceOutcome::kOldKept && result.error != EFBIG) std::_Exit(check + 2);
      check += 3;
    }
    std::filesystem::remove_all(pattern);
    std::_Exit(0);
  });
}

// Whether this process may mount a file system of its own: a child tries it in a mount namespace
// of its own, with system calls only.
bool CanMountAFileSystem(const std::string& on) {
  const pid_t child = fork();
  if (child == 0) {
    const bool mounted = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                         mount("tmpfs", on.c_str(), "tmpfs", 0, "size=64k") == 0;
    _exit(mounted ? 0 : 1);
  }
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// On a real full file system (a 64 KiB tmpfs in a mount namespace of the test's own): the issue's
// 4095-byte file and a 4101-byte text that needs one more page.
TEST(InPlaceWrite, OnAFullFileSystemTheFileHoldsTheOldBytes) {
  {
    testutil::ScratchFolder probe;
    if (!CanMountAFileSystem(probe.Path())) GTEST_SKIP() << "this machine lets the tests mount no file system";
  }
  InAChild([] {
    char pattern[] = "/tmp/corvale-full-XXXXXX";
    if (!mkdtemp(pattern)) std::_Exit(10);
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", pattern, "tmpfs", 0, "size=64k") != 0) {
      std::_Exit(11);
    }
    const std::string path = std::string(pattern) + "/settings";
    const std::string old = TextOf(4095, 'o');
    if (!io::WriteFileAtomically(path, old)) std::_Exit(12);
    const int filler = open((std::string(pattern) + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
    const std::string block(4096, 'f');
    while (write(filler, block.data(), block.size()) > 0) {
    }
    close(filler);
    const io::InPlaceResult result = io::WriteFileInPlace(path, TextOf(4101, 'n'));
    const bool kept = result.outcome == io::InPlaceOutcome::kOldKept && result.error == ENOSPC;
    const bool same = io::ReadWholeFile(path) == old;
    umount(pattern);
    rmdir(pattern);
    std::_Exit(!kept ? 20 : !same ? 21 : 0);
  });
}

TEST(CrLf, NormalisesLineEnds) {
  EXPECT_EQ(io::ToCrLf("a\nb\r\nc\r"), "a\r\nb\r\nc\r");
  EXPECT_EQ(io::ToCrLf(""), "");
}

}  // namespace
