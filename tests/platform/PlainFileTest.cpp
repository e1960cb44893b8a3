// The opener of chosen files: only a plain file is opened, nothing else is waited for, and a read
// never waits for bytes that a shrunken file no longer holds.
#include "platform/PlainFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "platform/ReadGuard.h"

namespace {

void WriteBytes(const std::string& path, size_t count) {
  std::ofstream(path, std::ios::binary) << std::string(count, 'x');
}

TEST(PlainFile, OnlyAPlainFileIsOpenedAndNothingElseIsWaitedFor) {
  testutil::ScratchFolder folder;
  const std::string plain = folder.File("image.img");
  WriteBytes(plain, 3);
  const std::string pipe = folder.File("pipe.img");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const struct {
    const char* what;
    std::string path;
    int error;  // 0: opened
  } cases[] = {
      {"plain file", plain, 0},
      {"named pipe without a writer", pipe, EINVAL},
      {"folder", folder.Path(), EINVAL},
      {"device node", "/dev/null", EINVAL},
      {"missing file", folder.File("missing.img"), ENOENT},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testutil::ReadGuard guard([&] { testutil::OpenPipeWriteEnd(pipe); });
    const platform::PlainFile file(c.path);
    EXPECT_FALSE(guard.Done()) << "the opening waited";
    EXPECT_EQ(file.IsOpen(), c.error == 0);
    EXPECT_EQ(file.Error(), c.error);
    EXPECT_EQ(file.Size(), c.error == 0 ? 3u : 0u);
    EXPECT_EQ(file.Descriptor() >= 0, c.error == 0);
  }
}

// A file cut short after it was opened (as by a download writing it again) ends a read of bytes it
// no longer holds as a failure; left waiting for them, the read would hold the window for good.
TEST(PlainFile, AReadOfBytesAShrunkenFileNoLongerHoldsFails) {
  testutil::ScratchFolder folder;
  const std::string path = folder.File("image.img");
  WriteBytes(path, 100);
  const platform::PlainFile file(path);
  ASSERT_TRUE(file.IsOpen());
  ASSERT_EQ(file.Size(), 100u);
  const struct {
    uint64_t offset;
    size_t length;
    bool read;
  } cases[] = {{0, 40, true}, {30, 10, true}, {35, 10, false}, {0, 100, false}, {40, 1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.offset << " + " << c.length);
    std::filesystem::resize_file(path, 40);
    std::vector<char> bytes(c.length);
    // Given its bytes back, the file lets a read that waits for them end.
    testutil::ReadGuard guard([&] { std::filesystem::resize_file(path, 100); });
    const bool read = file.ReadAt(c.offset, bytes.data(), bytes.size());
    EXPECT_FALSE(guard.Done()) << "the read waited for bytes the file no longer holds";
    EXPECT_EQ(read, c.read);
    if (read) {
      EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string(c.length, 'x'));
    }
  }
}

}  // namespace
