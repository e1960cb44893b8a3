#include "firmware/formats/DfuModelTag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "ScratchFolder.h"

namespace {

using firmware::DfuFileMatch;

// The first bytes of a DFU file with `field` written from byte 16.
std::vector<uint8_t> Window(const std::string& field, size_t size = firmware::kDfuTagWindowBytes) {
  std::vector<uint8_t> bytes(size, 0);
  for (size_t i = 0; i < field.size() && 16 + i < size; ++i) bytes[16 + i] = static_cast<uint8_t>(field[i]);
  return bytes;
}

TEST(DfuModelTag, TagIsFileNameFormHashAndCode) {
  EXPECT_EQ(firmware::MakeDfuModelTag(0x4D21, 0x4D21), "VKT_TQG27N#4D21");
  EXPECT_EQ(firmware::MakeDfuModelTag(0x5060, 0x5061), "VRK38#5061");
}

TEST(DfuModelTag, MatchesByModelAliasAndSpaceRule) {
  struct Case {
    std::string field;
    int product;
    int target;
    DfuFileMatch expected;
  };
  const Case cases[] = {
      {"VKT_TQG27N#4D21", 0x4D21, 0x4D21, DfuFileMatch::kForDevice},
      {"VKT_TQG27N#4D21 and more text", 0x4D21, 0x4D21, DfuFileMatch::kForDevice},
      {"VKT_TQG27N#4D2", 0x4D21, 0x4D21, DfuFileMatch::kNotForDevice},
      {" VKT_TQG27N#4D21", 0x4D21, 0x4D21, DfuFileMatch::kNotForDevice},
      {"vkt_tqg27n#4d21", 0x4D21, 0x4D21, DfuFileMatch::kNotForDevice},
      {" ", 0x4D21, 0x4D21, DfuFileMatch::kNotForDevice},  // the space rule is not this model's
      {"TQG27#4D30", 0x4D10, 0x4D10, DfuFileMatch::kForDevice},
      {" untagged", 0x4D10, 0x4D10, DfuFileMatch::kForDevice},
      {"TQG27#4D20", 0x4D10, 0x4D10, DfuFileMatch::kNotForDevice},
      {"TQG6-FM#4D15", 0x4D45, 0x4D15, DfuFileMatch::kForDevice},
      {"VRK38#5061", 0x5060, 0x5060, DfuFileMatch::kForDevice},
      {"VRK38#5060", 0x5010, 0x5010, DfuFileMatch::kForDevice},
      {"VRK38#5070", 0x5010, 0x5010, DfuFileMatch::kNotForDevice},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(firmware::MatchDfuFile(Window(c.field), c.product, c.target, false), c.expected)
        << c.field << " for " << std::hex << c.product;
  }
}

TEST(DfuModelTag, OnlyAWholeWindowCanMatch) {
  EXPECT_EQ(firmware::MatchDfuFile(Window("VKT_TQG27N#4D21", 1647), 0x4D21, 0x4D21, false), DfuFileMatch::kNotForDevice);
  EXPECT_EQ(firmware::MatchDfuFile(Window("VKT_TQG27N#4D21", 1648), 0x4D21, 0x4D21, false), DfuFileMatch::kForDevice);
}

// The file's first bytes are the window; a file shorter than it carries no tag.
TEST(DfuModelTag, TheWindowIsReadFromTheStartOfTheFile) {
  testutil::ScratchFolder folder;
  const std::string path = folder.File("image.dfu");
  for (size_t size : {firmware::kDfuTagWindowBytes - 1, firmware::kDfuTagWindowBytes, size_t{5000}}) {
    SCOPED_TRACE(size);
    const std::vector<uint8_t> file = Window("VKT_TQG27N#4D21", size);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    const auto window = firmware::ReadDfuTagWindow(path);
    ASSERT_EQ(window.has_value(), size >= firmware::kDfuTagWindowBytes);
    if (window) {
      EXPECT_TRUE(std::equal(window->begin(), window->end(), file.begin()));
    }
  }
}

TEST(DfuModelTag, AlternateBatchTakesTheAlternateModelsFile) {
  const auto window = Window("K-P_VRK38#5011");
  EXPECT_EQ(firmware::MatchDfuFile(window, 0x5060, 0x5060, true), DfuFileMatch::kForAlternateModel);
  EXPECT_EQ(firmware::MatchDfuFile(window, 0x5060, 0x5060, false), DfuFileMatch::kNotForDevice);
}

}  // namespace
