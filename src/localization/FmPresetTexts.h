#pragma once
// Messages of the FM radio presets page. Every getter reads a language outside 1 to 10 as
// English.
#include <string>

namespace text {

// A typed preset outside the region's band; formatted with the band's ends in megahertz ("%0.1f").
std::string GetFmPresetRangeText(int language);
// A typed preset off the region's channel grid.
std::string GetFmPresetInvalidText(int language);
// The RDS AF help box: the title in brackets, a line break, the explanation.
std::string GetRdsHelpText(int language);

}  // namespace text
