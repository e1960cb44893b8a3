#pragma once
// Why settings that recognition was to write back are not on the device as they should be; the
// status line shows one after the success of the firmware or settings step that preceded it
// ("%s. %s"). No full stop of their own. A language outside 1 to 10 reads as English.
#include <string>

namespace text {

// No device took the settings, or it refused a write.
std::string GetSettingsNotWrittenText(int language);
// The device took them but does not read back what was written.
std::string GetSettingsDifferText(int language);

}  // namespace text
