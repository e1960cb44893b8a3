#pragma once
// The selection page's texts of the program's own update check. Every getter reads a language
// outside 1 to 10 as English.
#include <string>

namespace text {

// Complete: offers version major.minor (".build" added when the build is above 0) in place of the
// running version, naming the YES and NO captions.
std::string GetNewerProgramText(int major, int minor, int build, int language);
std::string GetDownloadingUpdateText(int language);
// The save dialog's filter, the same in every language: a description only, then the separator.
std::string GetUpdateFileFilterText(int language);
std::string GetUpdateSucceededText(int language);

}  // namespace text
