#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "device/DeviceSettings.h"
#include "device/Version.h"

namespace {

using namespace device;

struct Version {
  int major, minor, type, secondary;
};

std::string Text(const Version& v) {
  return std::to_string(v.major) + "." + std::to_string(v.minor) + " type " +
         std::to_string(v.type) + " #" + std::to_string(v.secondary);
}

int Compare(const Version& a, const Version& b, bool typeFirst = false) {
  return CompareVersions(a.major, a.minor, a.type, a.secondary, b.major, b.minor, b.type,
                         b.secondary, typeFirst);
}

TEST(Version, MajorMinorAndThreePartDifferences) {
  EXPECT_EQ(CompareMajorMinor(1, 2, 1, 5), -3);
  EXPECT_EQ(CompareMajorMinor(2, 0, 1, 9), 1);
  EXPECT_EQ(CompareMajorMinor(3, 1, 3, 1), 0);
  EXPECT_GT(CompareMajorMinor(4, 10, 4, 2), 0);  // numbers, not decimal fractions
  EXPECT_EQ(CompareThreePartVersions(1, 2, 9, 1, 2, 2), 7);
  EXPECT_EQ(CompareThreePartVersions(1, 3, 0, 1, 2, 9), 1);

  // Extreme values keep their sign instead of wrapping around.
  EXPECT_LT(CompareMajorMinor(INT_MIN, 0, INT_MAX, 0), 0);
  EXPECT_GT(CompareMajorMinor(INT_MAX, 0, INT_MIN, 0), 0);
  EXPECT_LT(CompareMajorMinor(0, INT_MIN, 0, 1), 0);
  EXPECT_GT(CompareThreePartVersions(1, 1, INT_MAX, 1, 1, -1), 0);
  EXPECT_LT(CompareVersions(INT_MIN, 0, 0, 0, 1, 0, 0, 0, false), 0);
  EXPECT_GT(CompareVersions(0, 0, INT_MAX, 0, 0, 0, INT_MIN, 0, true), 0);

  CDeviceSettings s;
  s.m_nVersionMajor = 4;
  s.m_nVersionMinor = 10;
  EXPECT_GT(s.CompareVersion(4, 2), 0);
  EXPECT_LT(s.CompareVersion(4, 11), 0);
  EXPECT_EQ(s.CompareVersion(4, 10), 0);
}

TEST(Version, ReleaseCandidateReleaseAndThirdNumberOrder) {
  // Strictly ascending.
  const std::vector<Version> ascending = {
      {0, 9, 2, 9},  // 0.9.9
      {1, 0, 1, 1},  // 1.0rc1
      {1, 0, 1, 5},  // 1.0rc5
      {1, 0, 0, 0},  // 1.0
      {1, 0, 0, 3},  // 1.0 with a secondary number of its own
      {1, 0, 2, 1},  // 1.0.1
      {1, 0, 2, 3},  // 1.0.3
      {1, 0, 2, 9},  // 1.0.9
      {1, 0, 3, 0},  // a type above 2 compares as a plain number
      {1, 1, 1, 1},  // 1.1rc1
      {1, 1, 0, 0},  // 1.1
      {4, 2, 0, 0},
      {4, 10, 0, 0},
  };
  for (std::size_t i = 0; i < ascending.size(); ++i) {
    EXPECT_EQ(Compare(ascending[i], ascending[i]), 0) << Text(ascending[i]);
    for (std::size_t j = i + 1; j < ascending.size(); ++j) {
      EXPECT_LT(Compare(ascending[i], ascending[j]), 0)
          << Text(ascending[i]) << " < " << Text(ascending[j]);
      EXPECT_GT(Compare(ascending[j], ascending[i]), 0)
          << Text(ascending[j]) << " > " << Text(ascending[i]);
    }
  }
}

TEST(Version, FourNumberFormComparesTypeAndSecondaryFirst) {
  EXPECT_EQ(Compare({1, 0, 2, 3}, {2, 0, 2, 3}, true), -1);
  EXPECT_EQ(Compare({5, 0, 2, 3}, {1, 0, 2, 4}, true), -1);  // secondary before major
  EXPECT_EQ(Compare({5, 0, 3, 3}, {1, 0, 2, 4}, true), 1);
  EXPECT_EQ(Compare({5, 0, 1, 3}, {5, 0, 1, 3}, true), 0);
  EXPECT_GT(Compare({0, 0, 1, 0}, {9, 9, 0, 9}, true), 0);  // type 1 is no release candidate here

  // 0x3020 keeps A.B.C.D as type A, secondary B, major C, minor D: 1.2.3.4 against 1.1.9.9.
  CDeviceSettings s;
  s.m_nSecondaryVersionType = 1;
  s.m_nSecondaryVersion = 2;
  s.m_nVersionMajor = 3;
  s.m_nVersionMinor = 4;
  s.m_nProductId = 0x3020;
  EXPECT_GT(s.CompareFullVersion(9, 9, 1, 1), 0);
  EXPECT_LT(s.CompareFullVersion(0, 0, 1, 3), 0);
  EXPECT_EQ(s.CompareFullVersion(3, 4, 1, 2), 0);
  s.m_nProductId = 0x4D10;  // any other product: major and minor first
  EXPECT_LT(s.CompareFullVersion(9, 9, 1, 1), 0);
}

TEST(Version, ParsesTwoPartText) {
  struct Case {
    const char* text;
    bool ok;
    int major, minor;
  };
  const Case cases[] = {
      {"1.2", true, 1, 2},
      {" 4 . 13 ", true, 4, 13},
      {"\t4\t.\t13\r\n", true, 4, 13},
      {"1.2.3", true, 1, 2},
      {"4.10", true, 4, 10},
      {"-1.+2", true, -1, 2},
      {"1.x", true, 1, 0},
      {"1.", true, 1, 0},
      {"v1.2", true, 0, 2},  // callers strip the "v"
      {"99999999999.1", true, INT_MAX, 1},
      {"1.-99999999999", true, 1, INT_MIN},
      {".5", false, 0, 0},
      {"12", false, 0, 0},
      {"", false, 0, 0},
  };
  for (const Case& c : cases) {
    int major = -7, minor = -7;
    EXPECT_EQ(ParseTwoPartVersion(c.text, major, minor), c.ok) << c.text;
    EXPECT_EQ(major, c.major) << c.text;
    EXPECT_EQ(minor, c.minor) << c.text;
  }

  CDeviceSettings s;
  s.m_nVersionMajor = 9;
  EXPECT_TRUE(s.ParseVersion("2.07"));
  EXPECT_EQ(s.m_nVersionMajor, 2);
  EXPECT_EQ(s.m_nVersionMinor, 7);
  EXPECT_FALSE(s.ParseVersion("none"));
  EXPECT_EQ(s.m_nVersionMajor, 0);
}

TEST(Version, ParsesFourPartTextKeepingWhatWasReadBeforeAFailure) {
  struct Case {
    const char* text;
    bool ok;
    int a, b, c, d;
  };
  const Case cases[] = {
      {"1.2.3.4", true, 1, 2, 3, 4},
      {" 1 . 2 . 3 . 4 ", true, 1, 2, 3, 4},
      {"1.2.3.4.5", true, 1, 2, 3, 4},
      {"1.2.3", false, 1, 2, 0, 0},
      {"1..2.3", false, 1, 0, 0, 0},
      {"1.2..3", false, 1, 2, 0, 0},
      {".1.2.3", false, 0, 0, 0, 0},
      {"", false, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    int a = -7, b = -7, cc = -7, d = -7;
    EXPECT_EQ(ParseFourPartVersion(c.text, a, b, cc, d), c.ok) << c.text;
    EXPECT_EQ((std::vector<int>{a, b, cc, d}), (std::vector<int>{c.a, c.b, c.c, c.d})) << c.text;
  }
}

}  // namespace
