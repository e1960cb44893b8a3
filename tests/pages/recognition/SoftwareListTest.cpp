#include <gtest/gtest.h>

#include <string>

#include "pages/recognition/ProgramUpdateCheck.h"

namespace {

using pages::IsNewerThanRunning;
using pages::ReadSoftwareList;

const std::string K(pages::kProgramKey);

TEST(SoftwareList, ReadsVersionFileAndBuildByTheListsRules) {
  struct Case {
    const char* name;
    std::string list;
    int major, minor, build;
    const char* file;
  };
  const Case cases[] = {
      {"version line", K + ": v1.1 : setup110.exe\n", 1, 1, 0, "setup110.exe"},
      {"only a build line", "Other: v9.9 : other.exe\n" + K + ":3\n", 1, 0, 3, "other.exe"},
      {"only a build line, no file", K + ":3\n", 1, 0, 3, ""},
      {"version without a dot", K + ": v10 : a.exe\n", 0, 0, 0, "a.exe"},
      {"first version counts, build after it read",
       K + ": v1.1 : a.exe\n" + K + ":4\n" + K + ": v2.0 : b.exe\n" + K + ":7\n", 1, 1, 4, "a.exe"},
      {"scan ends at the line after the version", K + ": v1.1 : a.exe\nOther:1\n" + K + ":4\n", 1, 1, 0, "a.exe"},
      {"the last build before the version counts", K + ":1\n" + K + ":6\n" + K + ": v1.0 : a\n", 1, 0, 6, "a"},
      {"CR LF lines", K + ":2\r\n" + K + ": v1.1 : a.exe\r\n", 1, 1, 2, "a.exe"},
      {"empty line skipped in a LF list", K + ": v1.1 : a.exe\n\n" + K + ":5\n", 1, 1, 5, "a.exe"},
      {"empty line judged in a CR LF list", K + ": v1.1 : a.exe\r\n\r\n" + K + ":5\r\n", 1, 1, 0, "a.exe"},
      {"a colon first does not cut", ":" + K + ": v2.0 : x.exe\n", 1, 0, 0, ""},
      {"the key is case-sensitive", "corvalezodidadudediradevordevicemanagerforwindows: v2.0 : x.exe\n", 1, 0, 0,
       "x.exe"},
      {"the file keeps further colons", K + ": v1.2 : dir:x:y.exe \n", 1, 2, 0, "dir:x:y.exe"},
      {"build read like atoi", K + ":  12abc\n", 1, 0, 12, ""},
      {"build beyond int saturates", K + ":99999999999999999999\n", 1, 0, 2147483647, ""},
      {"version letter may be any character", K + ": é2.3 : z\n", 2, 3, 0, "z"},
      {"nothing at all", "", 1, 0, 0, ""},
      {"only line feeds", "\n\n\n", 1, 0, 0, ""},
      {"no line feed at the end", K + ": v3.4 : end.exe", 3, 4, 0, "end.exe"},
  };
  for (const Case& c : cases) {
    const pages::SoftwareOffer offer = ReadSoftwareList(c.list);
    EXPECT_EQ(offer.major, c.major) << c.name;
    EXPECT_EQ(offer.minor, c.minor) << c.name;
    EXPECT_EQ(offer.build, c.build) << c.name;
    EXPECT_EQ(offer.fileName, c.file) << c.name;
  }
}

TEST(SoftwareList, NewerThanRunningComparesPartByPart) {
  struct Case {
    int major, minor, build;
    bool newer;
  };
  const Case cases[] = {
      {1, 0, 0, false}, {1, 0, 1, true},  {1, 1, 0, true},    {0, 9, 99, false},
      {2, 0, -5, true}, {1, -1, 9, false}, {1, 0, -1, false}, {0, 0, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNewerThanRunning(c.major, c.minor, c.build), c.newer) << c.major << "." << c.minor << "." << c.build;
  }
}

}  // namespace
