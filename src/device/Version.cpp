#include "device/Version.h"

#include <cstdint>
#include <limits>

#include "io/Blanks.h"

namespace device {

namespace {

using io::IsBlank;
using io::Trim;

int ClampToInt(int64_t value) {
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

// Splits at the first dot into trimmed parts; false when there is no dot or it stands first.
bool SplitAtDot(std::string_view text, std::string_view& left, std::string_view& right) {
  const std::size_t dot = text.find('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  left = Trim(text.substr(0, dot));
  right = Trim(text.substr(dot + 1));
  return true;
}

}  // namespace

int ReadInteger(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int>::max()} + 1;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    value = value * 10 + (s[i] - '0');
    if (value > kLimit) value = kLimit;
  }
  return ClampToInt(negative ? -value : value);
}

int ClampedDifference(int a, int b) { return ClampToInt(int64_t{a} - int64_t{b}); }

int CompareMajorMinor(int aMajor, int aMinor, int bMajor, int bMinor) {
  return aMajor != bMajor ? ClampedDifference(aMajor, bMajor) : ClampedDifference(aMinor, bMinor);
}

int CompareThreePartVersions(int aFirst, int aSecond, int aThird, int bFirst, int bSecond,
                             int bThird) {
  const int r = CompareMajorMinor(aFirst, aSecond, bFirst, bSecond);
  return r != 0 ? r : ClampedDifference(aThird, bThird);
}

int CompareVersions(int aMajor, int aMinor, int aType, int aSecondary, int bMajor, int bMinor,
                    int bType, int bSecondary, bool typeFirst) {
  if (typeFirst) {
    const int r = CompareMajorMinor(aType, aSecondary, bType, bSecondary);
    return r != 0 ? r : CompareMajorMinor(aMajor, aMinor, bMajor, bMinor);
  }
  const int r = CompareMajorMinor(aMajor, aMinor, bMajor, bMinor);
  if (r != 0) return r;
  if (aType != bType) {
    // A release candidate ranks below every other type.
    const auto rank = [](int type) { return type == kVersionReleaseCandidate ? -1 : type; };
    return rank(aType) > rank(bType) ? 1 : -1;
  }
  if (aSecondary != bSecondary) return aSecondary > bSecondary ? 1 : -1;
  return 0;
}

bool ParseTwoPartVersion(std::string_view text, int& major, int& minor) {
  major = 0;
  minor = 0;
  std::string_view left, right;
  if (!SplitAtDot(text, left, right)) return false;
  major = ReadInteger(left);
  minor = ReadInteger(right);
  return true;
}

bool ParseFourPartVersion(std::string_view text, int& a, int& b, int& c, int& d) {
  a = b = c = d = 0;
  std::string_view part, rest;
  if (!SplitAtDot(text, part, rest)) return false;
  a = ReadInteger(part);
  if (!SplitAtDot(rest, part, rest)) return false;
  b = ReadInteger(part);
  if (!SplitAtDot(rest, part, rest)) return false;
  c = ReadInteger(part);
  d = ReadInteger(rest);
  return true;
}

}  // namespace device
