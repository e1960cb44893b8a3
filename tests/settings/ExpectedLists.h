#pragma once
// The row lists every product with settings rows lands on, band by band, written out from the
// product documents: the length and the first and last English label of each list.
#include <tuple>
#include <vector>

#include "device/DeviceSettings.h"

namespace settings_test {

struct Band {
  int major, minor;  // where the band starts
  int rows;
  const char* first;
  const char* last;
};
struct Expected {
  std::vector<int> ids;
  std::vector<Band> bands;
};

// Every product with rows once, in groups sharing their lists.
const std::vector<Expected>& ExpectedLists();

// The band of `bands` a major.minor falls in, compared as whole numbers.
const Band& BandOf(const std::vector<Band>& bands, int major, int minor);

// A record of firmware major.minor, as a release candidate if asked.
device::CDeviceSettings Firmware(int major, int minor, bool releaseCandidate = false);

// The versions worth trying on a group: each band start, just below it and a release candidate
// of it, with 0.0, 1.9, 1.10 and a far future (major, minor, release candidate).
std::vector<std::tuple<int, int, bool>> EdgeVersions(const Expected& expected);

}  // namespace settings_test
