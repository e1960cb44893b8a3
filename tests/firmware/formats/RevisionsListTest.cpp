#include <gtest/gtest.h>

#include "firmware/formats/RevisionsList.h"
#include "firmware/formats/ServerListLines.h"

namespace {

using firmware::RevisionsQuery;
using firmware::ScanRevisionsList;

RevisionsQuery Query(const char* model, int major, int minor, const char* language = "") {
  RevisionsQuery q;
  q.model = model;
  q.archivedMajor = major;
  q.archivedMinor = minor;
  q.firmwareLanguage = language;
  return q;
}

TEST(ServerListLines, SplitsAtUpToThreeColons) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"M:v1.2:file.img", {"M", "v1.2", "file.img"}},
      {" M : v1.2 : French : a:b.img \r", {"M", "v1.2", "French", "a:b.img"}},
      {"M:3", {"M", "3"}},
      {"M::x", {"M", ":x"}},
      {":M:v1:x", {":M:v1:x"}},
      {"no colon", {"no colon"}},
  };
  for (const auto& [line, fields] : cases) EXPECT_EQ(firmware::SplitListLine(line), fields) << line;
}

TEST(ServerListLines, ConsumesLinesLikeTheServerListsExpect) {
  std::string_view text = "\n\na\r\nb\n\nc", line;
  std::vector<std::string> lines;
  while (firmware::NextListLine(text, line)) lines.emplace_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a\r", "b", "c"}));
  text = "x\n\n";
  lines.clear();
  while (firmware::NextListLine(text, line)) lines.emplace_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"x"}));
}

TEST(RevisionsList, FirstMatchingVersionLineWins) {
  const auto m = ScanRevisionsList("TQG27N:v4.2:file_a\r\nTQG27N:v4.3:file_b\nTQG27N:v4.3:file_c\n", Query("TQG27N", 4, 3));
  EXPECT_TRUE(m.found);
  EXPECT_EQ(m.fileName, "file_b");
  EXPECT_EQ(m.major, 4);
  EXPECT_EQ(m.minor, 3);
  EXPECT_TRUE(m.variants.empty());
}

TEST(RevisionsList, VariantLinesMustFollowOneAnother) {
  const char* list =
      "M:v1.2:English:e.img\n"
      "M:v1.2:French:f.img\n"
      "M:v1.2:english:e2.img\n"
      "M:v1.2:x.img\n"
      "M:v1.2:German:g.img\n";
  auto m = ScanRevisionsList(list, Query("M", 1, 2, "FRENCH"));
  EXPECT_TRUE(m.found);
  ASSERT_EQ(m.variants.size(), 2u);
  EXPECT_EQ(m.variants[0].file, "e.img");
  EXPECT_EQ(m.variants[1].language, "French");
  EXPECT_EQ(m.selected, 1);
  EXPECT_EQ(m.fileName, "f.img");

  m = ScanRevisionsList("M:v1.2:English:e.img\nN:v1.2:French:f.img\nM:v1.2:German:g.img\n", Query("M", 1, 2));
  ASSERT_EQ(m.variants.size(), 1u);
  EXPECT_EQ(m.selected, 0);
  EXPECT_EQ(m.fileName, "e.img");

  m = ScanRevisionsList("M:v1.2:English:e.img\nM:3\nM:v1.2:German:g.img\n", Query("M", 1, 2));
  EXPECT_EQ(m.variants.size(), 1u);
}

TEST(RevisionsList, ALanguageNamedAgainFarLaterKeepsItsFirstFileAndPlace) {
  std::string list = "M:v1.2:Dutch:d.img\n";
  for (int i = 0; i < 300; ++i) list += "M:v1.2:L" + std::to_string(i) + ":l.img\n";
  list += "M:v1.2:DUTCH:late.img\nM:v1.2:Finnish:f.img\n";
  const auto m = ScanRevisionsList(list, Query("M", 1, 2, "dutch"));
  ASSERT_EQ(m.variants.size(), 302u);
  EXPECT_EQ(m.variants[0].file, "d.img");
  EXPECT_EQ(m.variants[301].language, "Finnish");
  EXPECT_EQ(m.selected, 0);
  EXPECT_EQ(m.fileName, "d.img");
}

TEST(RevisionsList, WhatDoesNotMatch) {
  const std::pair<const char*, RevisionsQuery> cases[] = {
      {"tqg27n:v4.3:x.img\n", Query("TQG27N", 4, 3)},  // models compare case-sensitively
      {"M:1.2:x.img\n", Query("M", 1, 2)},              // the version's first character is dropped
      {"M:v1.3:English:e.img\n", Query("M", 1, 2)},
      {"", Query("M", 1, 2)},
      {"M:3\n\nM\n:M:v1.2:x\n", Query("M", 1, 2)},
  };
  for (const auto& [list, query] : cases) {
    const auto m = ScanRevisionsList(list, query);
    EXPECT_FALSE(m.found) << list;
    EXPECT_TRUE(m.variants.empty()) << list;
  }
  // The job keeps the last version line of the model it read.
  const auto m = ScanRevisionsList("M:v1.0:a.img\nM:v1.1:b.img\n", Query("M", 1, 2));
  EXPECT_FALSE(m.found);
  EXPECT_EQ(m.fileName, "b.img");
  EXPECT_EQ(m.minor, 1);
}

TEST(RevisionsList, FourNumberVersionsCompareWholeOnVariantLines) {
  RevisionsQuery q = Query("CAM", 3, 4);
  q.fourPartVersions = true;
  q.archivedType = 1;
  q.archivedSub = 2;
  auto m = ScanRevisionsList("CAM:v1.9.3.4:English:a.img\nCAM:v1.2.3.4:English:b.img\n", q);
  ASSERT_TRUE(m.found);
  EXPECT_EQ(m.fileName, "b.img");
  EXPECT_EQ(m.type, 1);
  EXPECT_EQ(m.sub, 2);
  m = ScanRevisionsList("CAM:v9.9.3.4:c.img\n", q);  // version lines compare major and minor only
  EXPECT_TRUE(m.found);
}

}  // namespace
