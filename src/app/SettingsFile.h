#pragma once
// The program's preferences between runs: a key=value text file in the IMG folder beside the
// program. Plain C++ so that the format can be tested and fuzzed without a window.
#include <string>

namespace app {

inline constexpr const char* kSettingsFileName = "CorvalezodidadudediradevorDeviceManager.kelnuconf";

struct ManagerPreferences {
  std::string managerVersion = "v0.0";
  int language = 0;
  bool applyToFirmwareLanguage = true;
  int deviceTarget = 0;
  std::string firmwareLanguage = "English";
  std::string currentPath;
};

// Reads the keys it knows from `text` (LF or CR LF lines) over the values already in `prefs`;
// returns how many lines held one.
int ParseSettingsText(const std::string& text, ManagerPreferences& prefs);

// The file's contents, UTF-8 with CR LF line ends.
std::string FormatSettingsText(const ManagerPreferences& prefs);

enum class SettingsFileLoad {
  kRead,
  kMissing,     // no file (or no IMG folder): a save makes one
  kUnreadable,  // a file is there but could not be read (no rights, too large): it must be kept
  kNotOurs,     // a file with text but not one key of ours (another encoding, other bytes): kept too
};

// Reads the file over `prefs`; unless it was read, `prefs` stays as it was.
SettingsFileLoad LoadSettingsFile(const std::string& imageFolder, ManagerPreferences& prefs);
enum class SettingsFileSave {
  kReplaced,
  kWrittenInPlace,  // the folder refuses new files, so the file was overwritten, not replaced atomically
  kFailed,          // not saved; the file, when there was one, holds exactly what it held
  kTorn,            // an in-place write failed and could not put the old bytes back either
};
struct SettingsFileSaved {
  SettingsFileSave outcome;
  int error = 0;  // why it failed (an errno value)
};

// Replaces the file atomically, or, where the folder refuses the temporary file but the file may be
// written, writes it in place: the choices of a run are kept also with a read-only folder.
SettingsFileSaved SaveSettingsFile(const std::string& imageFolder, const ManagerPreferences& prefs);

// Decimal as the C run time's integer reader takes it: blanks, a sign, digits up to the first
// non-digit, 0 when there are none; clamped to the int range instead of overflowing.
int ParseDecimal(const std::string& value);

}  // namespace app
