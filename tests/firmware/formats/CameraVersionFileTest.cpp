#include "firmware/formats/CameraVersionFile.h"

#include <gtest/gtest.h>

namespace {

TEST(CameraVersionFile, ReadsMajorAndMinorFromTheJoinedLines) {
  struct Case {
    const char* text;
    int major, minor;
  };
  const Case cases[] = {
      {"2.10", 2, 10},        {"V2.1", 0, 1},          {"2\r\n.1\r\n", 2, 1}, {"3.4.5", 3, 4},
      {"7", 7, 0},            {"", 0, 0},              {".9", 0, 9},          {"1.x2", 1, 0},
      {"99999999999.1", 2147483647, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const firmware::CameraVersion version = firmware::ParseCameraVersionText(c.text);
    EXPECT_EQ(version.major, c.major);
    EXPECT_EQ(version.minor, c.minor);
  }
}

}  // namespace
