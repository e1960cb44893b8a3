#include "io/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "FilesBeside.h"

namespace {

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
  EXPECT_NE(access((path + ".tmp").c_str(), F_OK), 0) << "no temporary file is left behind";
  EXPECT_FALSE(io::ReadWholeFile(dir_ + "/missing").has_value());
}

TEST_F(AtomicFileTest, FailedWriteLeavesOldFile) {
  const std::string path = dir_ + "/a.txt";
  ASSERT_TRUE(io::WriteFileAtomically(path, "old"));
  // A folder where the temporary file would go makes the write fail before the rename.
  ASSERT_EQ(mkdir((path + ".tmp").c_str(), 0755), 0);
  EXPECT_FALSE(io::WriteFileAtomically(path, "new"));
  EXPECT_EQ(io::ReadWholeFile(path).value_or(""), "old");
  EXPECT_FALSE(io::WriteFileAtomically(dir_ + "/no/such/folder/x", "x"));
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
