#pragma once
// Captions of the settings pages' own buttons and labels, and the two notes of the device
// settings page. Every getter reads a language outside 1 to 10 as English.
#include <string>

namespace text {

// The DEFAULT button of pages 5, 6 and 7.
std::string GetDefaultButtonText(int language);
std::string GetMoreSettingsText(int language);
// The unit label of the audio channel time-out: "seconds (3 ~ 60)".
std::string GetTimeoutRangeText(int language);

// The note under the EDR row (two lines).
std::string GetOnboardAudioNoteText(int language);
// The note that changes take effect after a restart.
std::string GetRestartNoteText(int language);

}  // namespace text
