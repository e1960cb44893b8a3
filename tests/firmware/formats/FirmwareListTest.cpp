// The server's "Firmware" list: which lines make the model's entry and where it ends.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "firmware/formats/FirmwareList.h"

namespace {

using firmware::FirmwareListEntry;
using firmware::ReadFirmwareList;

constexpr const char* kKey = "VKT_TQG27N";

struct ListCase {
  const char* name;
  std::string list;
  bool found;
  std::string version;
  std::string file;
  std::vector<std::string> languages;  // variants in order; their files are "<language>.img" unless said
  std::optional<int> sub;
};

std::string Line(const std::string& rest) { return std::string(kKey) + rest + "\n"; }

TEST(FirmwareListTest, TakesTheModelsEntryAndEndsItWhereThePartsSay) {
  const std::vector<ListCase> cases = {
      {"single file with its number line", Line(": v2.1 : one.img") + Line(": 45"), true, "2.1", "one.img", {}, 45},
      {"lines before the entry are skipped whatever their form",
       Line(": 7") + "Other: v9.9 : English : o.img\nno separators\n:leading colon\nOther: v1.0 : x.img\n" +
           Line(": v3.0 : three.img\r"),
       true, "3.0", "three.img", {}, std::nullopt},
      {"any other line after a single file ends the entry",
       Line(": v2.1 : one.img") + "Other: 5\n" + Line(": 45"), true, "2.1", "one.img", {}, std::nullopt},
      {"a second single-file line is not read", Line(": v2.1 : one.img") + Line(": v9.9 : nine.img"), true, "2.1",
       "one.img", {}, std::nullopt},
      {"variant lines that follow each other",
       Line(": v4.0 : English : English.img") + Line(": v9.9 : French : French.img") + Line(": v4.0 : german : german.img") +
           Line(":12"),
       true, "4.0", "English.img", {"English", "French", "german"}, 12},
      {"variant lines must be contiguous",
       Line(": v4.0 : English : English.img") + "Other: v1.0 : English : other.img\n" +
           Line(": v4.0 : French : French.img"),
       true, "4.0", "English.img", {"English"}, std::nullopt},
      {"a single-file line after variants ends the entry unread",
       Line(": v4.0 : English : English.img") + Line(": v5.0 : single.img"), true, "4.0", "English.img", {"English"},
       std::nullopt},
      {"a language listed again (any case) is skipped",
       Line(": v4.0 : English : English.img") + Line(": v4.0 : ENGLISH : second.img"), true, "4.0", "English.img",
       {"English"}, std::nullopt},
      {"a number too large for an int is not taken", Line(": v2.1 : one.img") + Line(": 99999999999"), true, "2.1",
       "one.img", {}, std::nullopt},
      {"the largest int is taken", Line(": v2.1 : one.img") + Line(": 2147483647"), true, "2.1", "one.img", {},
       std::numeric_limits<int>::max()},
      {"one more is not", Line(": v2.1 : one.img") + Line(": 2147483648"), true, "2.1", "one.img", {}, std::nullopt},
      {"the smallest int is taken", Line(": v2.1 : one.img") + Line(": -2147483648"), true, "2.1", "one.img", {},
       std::numeric_limits<int>::min()},
      {"a number line reads like the C conversion", Line(": v2.1 : one.img") + Line(":   -3 trailing"), true, "2.1",
       "one.img", {}, -3},
      {"keys are case-sensitive", "vkt_tqg27n: v2.1 : one.img\n", false, "", "", {}, std::nullopt},
      {"blank lines between line feeds are skipped", "\n\n" + Line(": v2.1 : one.img") + "\n\n" + Line(": 8"), true,
       "2.1", "one.img", {}, 8},
      {"nothing for the model", "Other: v2.1 : one.img\n", false, "", "", {}, std::nullopt},
      {"an empty list", "", false, "", "", {}, std::nullopt},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    const FirmwareListEntry entry = ReadFirmwareList(c.list, kKey);
    EXPECT_EQ(entry.found, c.found);
    EXPECT_EQ(entry.version, c.version);
    EXPECT_EQ(entry.fileName, c.file);
    std::vector<std::string> languages;
    for (const auto& v : entry.variants) {
      languages.push_back(v.language);
      EXPECT_EQ(v.fileName, v.language + ".img");
    }
    EXPECT_EQ(languages, c.languages);
    EXPECT_EQ(entry.sub, c.sub);
  }
}

// A long list names each language many times: the first naming wins and keeps its place, however
// far the later ones stand and in whatever case they are written.
TEST(FirmwareListTest, EachLanguageIsTakenOnceInTheOrderOfItsFirstLine) {
  std::string list;
  std::vector<std::string> firstSeen;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 500; ++i) {
      const int n = round == 1 ? 499 - i : (i * 7) % 500;  // each round in another order
      std::string language = "Lang" + std::to_string(n) + "x";
      if (round == 0) firstSeen.push_back(language);
      if (round == 2) language = "LANG" + std::to_string(n) + "X";
      list += Line(": v4.0 : " + language + " : " + (round == 0 ? language : "later") + ".img");
    }
  }
  list += Line(": v4.0 : Lang500x : Lang500x.img");  // a new one after every repeat
  firstSeen.push_back("Lang500x");
  const FirmwareListEntry entry = ReadFirmwareList(list, kKey);
  std::vector<std::string> languages;
  for (const auto& v : entry.variants) {
    languages.push_back(v.language);
    EXPECT_EQ(v.fileName, v.language + ".img");
  }
  EXPECT_EQ(languages, firstSeen);
  EXPECT_EQ(entry.fileName, "Lang0x.img");
}

TEST(FirmwareListTest, AVariantFileMayHoldColons) {
  const FirmwareListEntry entry =
      ReadFirmwareList(std::string(kKey) + ": v1.5 : Dutch : dir:sub:nl.img \r\n", kKey);
  ASSERT_EQ(entry.variants.size(), 1u);
  EXPECT_EQ(entry.variants[0].fileName, "dir:sub:nl.img");
  EXPECT_EQ(entry.version, "1.5");
}

}  // namespace
