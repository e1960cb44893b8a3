#include "device/RadioServices.h"

#include <array>
#include <cstddef>

namespace device {

namespace {

struct FmBand {
  int lowest;
  int highest;
  int step;
};

constexpr std::array<FmBand, kFmRegionCount> kBands = {{
    {7600, 10800, 10},  // Worldwide
    {8750, 10790, 20},  // Americas
    {8750, 10800, 10},  // Asia
    {8750, 10790, 20},  // Australia
    {8750, 10800, 10},  // Europe
    {7600, 9500, 10},   // Japan
}};

}  // namespace

int CheckFmFrequency(int region, int frequency) {
  if (region < 0 || region >= kFmRegionCount) return kFmFrequencyOutOfBand;
  const FmBand& band = kBands[static_cast<std::size_t>(region)];
  if (frequency < band.lowest || frequency > band.highest) return kFmFrequencyOutOfBand;
  return band.lowest % band.step == frequency % band.step ? kFmFrequencyValid : kFmFrequencyOffGrid;
}

int TransmitGainToIndex(int gain) {
  switch (gain) {
    case 12:
      return 0;
    case 17:
      return 2;
    default:
      return 1;
  }
}

}  // namespace device
