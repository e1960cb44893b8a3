// Every reader of a file the user chooses (the local image of page 3, the restore's download) or
// that lies where anybody may put one (the settings file, the settings archive) refuses what is no
// plain file at once: a named pipe without a writer would otherwise hold the window for good.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>

#include "ScratchFolder.h"
#include "firmware/formats/DfuModelTag.h"
#include "firmware/formats/FirmwareImageFile.h"
#include "io/AtomicFile.h"
#include "platform/ReadGuard.h"
#include "platform/dfu/DfuFile.h"

namespace {

TEST(ChosenFileReaders, RefuseWhatIsNoPlainFileWithoutWaiting) {
  testutil::ScratchFolder folder;
  const std::string pipe = folder.File("image.img");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const struct {
    const char* reader;
    std::function<bool(const std::string&)> reads;
  } readers[] = {
      {"DFU file", [](const std::string& path) { return dfu::ReadDfuFile(path).has_value(); }},
      {"checked DFU file", [](const std::string& path) { return dfu::ReadValidDfuFile(path).has_value(); }},
      {"DFU model tag", [](const std::string& path) { return firmware::ReadDfuTagWindow(path).has_value(); }},
      {"image container",
       [](const std::string& path) {
         firmware::FirmwareImageFile image;
         return image.Read(path, firmware::ImageLayout::Newer, {}) != firmware::ImageCheck::NotOpened;
       }},
      {"whole file",
       [](const std::string& path) {
         bool missing = true;
         return io::ReadWholeFile(path, 1u << 20, &missing).has_value() || missing;
       }},
  };
  const struct {
    const char* what;
    std::string path;
  } files[] = {{"named pipe without a writer", pipe}, {"folder", folder.Path()}, {"device node", "/dev/null"}};
  for (const auto& r : readers) {
    for (const auto& f : files) {
      SCOPED_TRACE(testing::Message() << r.reader << ", " << f.what);
      testutil::ReadGuard guard([&] { testutil::OpenPipeWriteEnd(pipe); });
      EXPECT_FALSE(r.reads(f.path));
      EXPECT_FALSE(guard.Done()) << "the reader waited on the pipe";
    }
  }
}

}  // namespace
