#include "device/RadioServices.h"

#include <array>
#include <cstddef>

#include "device/ProductIds.h"

namespace device {

namespace {

constexpr std::array<FmBand, kFmRegionCount> kBands = {{
    {7600, 10800, 10},  // Worldwide
    {8750, 10790, 20},  // Americas
    {8750, 10800, 10},  // Asia
    {8750, 10790, 20},  // Australia
    {8750, 10800, 10},  // Europe
    {7600, 9500, 10},   // Japan
}};

constexpr ProductIds kFmBlockInPersistentStore = {0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x5040, 0x5050};

// clang-format off
constexpr ProductIds kFmRadioOverHid = {
    0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x2030,
    0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570, 0x5520, 0x5526, 0x5720,
    0x5530, 0x5532, 0x5550, 0x3116, 0x3118, 0x3124, 0x3126, 0x3110, 0x3112, 0x3114, 0x5710,
    0x5623, 0x5622, 0x5624, 0x5524, 0x5536, 0x5522, 0x3030, 0x3050, 0x3060, 0x3040, 0x6210,
    0x6400, 0x5910, 0x5920, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416,
    0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026,
};
// clang-format on

}  // namespace

const FmBand* FindFmBand(int region) {
  if (region < 0 || region >= kFmRegionCount) return nullptr;
  return &kBands[static_cast<std::size_t>(region)];
}

bool HasFmRadio(int productId) {
  return kFmBlockInPersistentStore.Contains(productId) || kFmRadioOverHid.Contains(productId);
}

bool KeepsFmBlockInPersistentStore(int productId) { return kFmBlockInPersistentStore.Contains(productId); }

int CheckFmFrequency(int region, int frequency) {
  const FmBand* band = FindFmBand(region);
  if (!band || frequency < band->lowest || frequency > band->highest) return kFmFrequencyOutOfBand;
  return band->lowest % band->step == frequency % band->step ? kFmFrequencyValid : kFmFrequencyOffGrid;
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
