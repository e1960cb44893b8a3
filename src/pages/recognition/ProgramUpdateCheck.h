#pragma once
// The program's own update check: what the server's "Software" list offers, and whether that is
// newer than the running program. The page's side of the check (timers, prompt, save dialog and
// the installer download) is part of CDialogDeviceSelection.
#include <string>
#include <string_view>

namespace pages {

// The version of this program.
inline constexpr int kRunningMajor = 1;
inline constexpr int kRunningMinor = 0;
inline constexpr int kRunningBuild = 0;

// The key under which the "Software" list names this program (exact, case-sensitive).
inline constexpr std::string_view kProgramKey = "CorvalezodidadudediradevorDeviceManagerForWindows";
// The list's name on the update server.
inline constexpr const char* kSoftwareListName = "Software";

struct SoftwareOffer {
  int major = kRunningMajor;
  int minor = kRunningMinor;
  int build = kRunningBuild;
  // The installer's name on the server: the third field of the program's version line, or of the
  // last three-field line read before it.
  std::string fileName;
};

// Reads a "Software" list: lines cut at line feeds, fields at the first two colons. The first
// version line of the program key ("key: vMAJOR.MINOR : file") fixes version and file; a build
// line ("key: BUILD") before it or right after it gives the build.
SoftwareOffer ReadSoftwareList(std::string_view list);

// (major, minor, build) is above the running version.
bool IsNewerThanRunning(int major, int minor, int build);

}  // namespace pages
