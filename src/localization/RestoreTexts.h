#pragma once
// Texts of the firmware restore page. A language outside 1 to 10 reads as English.
#include <string>

namespace text {

// The page's title above the archive summary.
std::string GetBackupFirmwareInfoText(int language);

}  // namespace text
