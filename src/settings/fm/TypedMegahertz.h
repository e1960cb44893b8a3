#pragma once
// A frequency the user typed in megahertz, read the same whatever the C locale says.
#include <string_view>

namespace settings::fm {

// Lies outside every band: the answer for text that is no number, is not finite, or is too large
// to be a frequency at all.
inline constexpr int kOutsideEveryBand = -1;

// The text (blanks around it allowed) as a frequency in 10 kHz units, brought to the nearest
// 0.1 MHz: read in single precision and truncated, as the device's own tool always did, so
// 99.95 gives 9990 and 88.25 gives 8830.
int ParseTypedMegahertz(std::string_view text);

}  // namespace settings::fm
