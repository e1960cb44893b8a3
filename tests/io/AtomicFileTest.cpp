#include "io/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FilesBeside.h"

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
  struct stat info{};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
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

TEST(CrLf, NormalisesLineEnds) {
  EXPECT_EQ(io::ToCrLf("a\nb\r\nc\r"), "a\r\nb\r\nc\r");
  EXPECT_EQ(io::ToCrLf(""), "");
}

}  // namespace
