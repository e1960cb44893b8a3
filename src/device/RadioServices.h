#pragma once
// FM bands of the six radio regions, and the three-way choice of a radio transmit gain.

namespace device {

inline constexpr int kFmRegionCount = 6;  // Worldwide, Americas, Asia, Australia, Europe, Japan

enum FmFrequencyCheck : int {
  kFmFrequencyValid = 0,
  kFmFrequencyOutOfBand = 1,
  kFmFrequencyOffGrid = 2,
};

// The band of one region, in 10 kHz units: both ends are valid channels, and so is every
// `step` from `lowest`.
struct FmBand {
  int lowest;
  int highest;
  int step;
};

// The band of `region`; nullptr for a region outside 0 to 5, which has none.
const FmBand* FindFmBand(int region);

// Products with a built-in FM radio, whose presets the FM page edits.
bool HasFmRadio(int productId);
// The FM radio products that keep the FM block in a persistent-store key.
bool KeepsFmBlockInPersistentStore(int productId);

// `frequency` in 10 kHz units against the band and channel grid of `region`. Both band ends are
// valid; a region outside 0 to 5 has no band, so every frequency is out of it.
int CheckFmFrequency(int region, int frequency);

// The three radio transmit gains a device takes.
inline constexpr int kRadioTransmitGainLow = 12;
inline constexpr int kRadioTransmitGainMedium = 15;
inline constexpr int kRadioTransmitGainHigh = 17;

// 12 gives 0 (Low), 17 gives 2 (High), every other gain 1 (Medium).
int TransmitGainToIndex(int gain);

}  // namespace device
