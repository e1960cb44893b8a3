#include "firmware/transfer/CardFileCopy.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>

#include "io/Md5.h"
#include "platform/Drives.h"

namespace {

namespace fs = std::filesystem;
using firmware::CardCopyResult;

std::optional<std::string> ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The renames a card's file system may refuse: the final file is replaced only when asked, and a
// failed rename takes away no file that was not asked to go.
TEST(CardFileCopy, RenamesReplaceTheFinalFileOnlyWhenAsked) {
  const std::string bytes = "new firmware";
  const std::span<const uint8_t> span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  const io::Md5Digest digest = io::Md5Of(span.data(), static_cast<unsigned>(span.size()));
  struct Case {
    const char* what;
    platform::FakeDrives::CardFaults faults;
    bool finalBefore;  // an older final file is on the card
    bool replaceFinal;
    CardCopyResult result;
    std::optional<std::string> finalAfter;
  };
  const Case cases[] = {
      {"a file system that cannot refuse replacing, the name free", {.renamesOnlyReplacing = true}, false, false,
       CardCopyResult::Copied, bytes},
      {"a file system that cannot refuse replacing, the name taken", {.renamesOnlyReplacing = true}, true, false,
       CardCopyResult::RenameFailed, std::nullopt},
      {"a failed rename that was to replace", {.renameFails = true}, true, true, CardCopyResult::RenameFailed, "old"},
      {"a failed rename that was not to replace", {.renameFails = true}, true, false, CardCopyResult::RenameFailed,
       std::nullopt},
      {"a rename that replaces", {}, true, true, CardCopyResult::Copied, bytes},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    const fs::path card = fs::temp_directory_path() / ("corvale-card-" + std::to_string(::getpid()));
    fs::create_directories(card);
    if (k.finalBefore) std::ofstream(card / "FINAL.bin") << "old";
    platform::FakeDrives drives;
    drives.SetCardFaults(k.faults);
    {
      platform::Drives::Scoped scope(drives);
      const firmware::CardFileNames names{card.string(), "__temporary__.bin", "FINAL.bin", k.replaceFinal};
      EXPECT_EQ(firmware::CopyFileToCard(names, span, digest), k.result);
    }
    EXPECT_EQ(ReadText(card / "FINAL.bin"), k.finalAfter);
    EXPECT_FALSE(fs::exists(card / "__temporary__.bin"));
    fs::remove_all(card);
  }
}

}  // namespace
