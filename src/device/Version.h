#pragma once
// Firmware versions: major, minor, a type (0 release, 1 release candidate, 2 third number) and a
// secondary number. Comparisons return a difference whose sign tells older (< 0), equal, newer;
// they are worked out in 64 bits and clamped to int, so no pair of ints can overflow them.
#include <string_view>

namespace device {

enum SecondaryVersionType : int {
  kVersionRelease = 0,
  kVersionReleaseCandidate = 1,
  kVersionThirdNumber = 2,
};

// Like atoi: optional blanks and sign, then digits up to the first other character; no digits
// give 0. Values beyond int saturate instead of wrapping.
int ReadInteger(std::string_view s);

// a - b, clamped into int so that its sign is always right.
int ClampedDifference(int a, int b);

// aMajor - bMajor when the majors differ, else aMinor - bMinor: 4.10 is newer than 4.2.
int CompareMajorMinor(int aMajor, int aMinor, int bMajor, int bMinor);

// Major and minor first; when they are equal, aThird - bThird.
int CompareThreePartVersions(int aFirst, int aSecond, int aThird, int bFirst, int bSecond,
                             int bThird);

// Whole versions. A release candidate sorts below the release, which sorts below a third number.
// With `typeFirst` (the four-number form of product 0x3020) type and secondary decide before
// major and minor.
int CompareVersions(int aMajor, int aMinor, int aType, int aSecondary, int bMajor, int bMinor,
                    int bType, int bSecondary, bool typeFirst);

// "A.B": both numbers read like atoi after trimming blanks. False (and both 0) when there is no
// dot or the text starts with it; anything after a second dot is ignored ("1.2.3" is 1.2).
bool ParseTwoPartVersion(std::string_view text, int& major, int& minor);

// "A.B.C.D". On failure the numbers read before the failing dot are kept, the rest are 0.
bool ParseFourPartVersion(std::string_view text, int& a, int& b, int& c, int& d);

}  // namespace device
