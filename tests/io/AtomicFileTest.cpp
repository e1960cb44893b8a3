#include "io/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "FilesBeside.h"
#include "ScopedUmask.h"

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

TEST(CrLf, NormalisesLineEnds) {
  EXPECT_EQ(io::ToCrLf("a\nb\r\nc\r"), "a\r\nb\r\nc\r");
  EXPECT_EQ(io::ToCrLf(""), "");
}

}  // namespace
