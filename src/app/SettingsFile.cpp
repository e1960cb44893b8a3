#include "app/SettingsFile.h"

#include <cerrno>
#include <climits>

#include "io/AtomicFile.h"
#include "io/Blanks.h"
#include "localization/LanguageNames.h"
#include "localization/SafeFormat.h"
#include "localization/Utf8.h"

namespace app {

namespace {

constexpr const char* kKeyManagerVersion = "keyManagerVersion";
constexpr const char* kKeyManagerLanguage = "keyManagerLanguage";
constexpr const char* kKeyApplyToFirmwareLanguage = "keyApplyToFirmwareLanguage";
constexpr const char* kKeyDeviceTarget = "keyDeviceTarget";
constexpr const char* kKeyFirmwareLanguage = "keyFirmwareLanguage";
constexpr const char* kKeyCurrentPath = "keyCurrentPath";

// The file is UTF-8; a text value that is not would be written back unchanged into it, so it
// reads as invalid: the key's default. (Numbers and language names need no such check: stray
// bytes already make them invalid.)
std::string TextOrDefault(const std::string& value, const std::string& fallback) {
  return text::IsValidUtf8(value) ? value : fallback;
}

// False for a key that is none of ours.
bool Apply(const std::string& key, const std::string& value, ManagerPreferences& prefs) {
  static const ManagerPreferences defaults;
  if (key == kKeyManagerVersion) {
    prefs.managerVersion = TextOrDefault(value, defaults.managerVersion);
  } else if (key == kKeyManagerLanguage) {
    const int language = text::FindLanguageByEnglishName(value, true);
    prefs.language = (language >= 0 && language <= 10) ? language : 0;
  } else if (key == kKeyApplyToFirmwareLanguage) {
    prefs.applyToFirmwareLanguage = ParseDecimal(value) != 0;
  } else if (key == kKeyDeviceTarget) {
    prefs.deviceTarget = ParseDecimal(value);
  } else if (key == kKeyFirmwareLanguage) {
    prefs.firmwareLanguage = TextOrDefault(value, defaults.firmwareLanguage);
  } else if (key == kKeyCurrentPath) {
    prefs.currentPath = TextOrDefault(value, defaults.currentPath);
  } else {
    return false;
  }
  return true;
}

std::string FilePath(const std::string& imageFolder) { return imageFolder + "/" + kSettingsFileName; }

}  // namespace

int ParseDecimal(const std::string& value) {
  size_t i = 0;
  while (i < value.size() && io::IsBlank(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  long long n = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    n = n * 10 + (value[i] - '0');
    if (n > static_cast<long long>(INT_MAX) + 1) n = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) n = -n;
  if (n > INT_MAX) n = INT_MAX;
  return static_cast<int>(n);
}

int ParseSettingsText(const std::string& text, ManagerPreferences& prefs) {
  int known = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    const size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 0) continue;
    if (Apply(std::string(io::Trim(line.substr(0, equals))), std::string(io::Trim(line.substr(equals + 1))), prefs)) {
      ++known;
    }
  }
  return known;
}

std::string FormatSettingsText(const ManagerPreferences& prefs) {
  std::string out;
  out += text::Format("%s=v%d.%d%s\n", kKeyManagerVersion, 1, 0, "");
  out += text::Format("%s=%s\n", kKeyManagerLanguage, text::GetLanguageEnglishName(prefs.language));
  out += text::Format("%s=%d\n", kKeyApplyToFirmwareLanguage, prefs.applyToFirmwareLanguage ? 1 : 0);
  out += text::Format("%s=%d\n", kKeyDeviceTarget, prefs.deviceTarget);
  if (!prefs.firmwareLanguage.empty())
    out += text::Format("%s=%s\n", kKeyFirmwareLanguage, prefs.firmwareLanguage);
  if (!prefs.currentPath.empty()) out += text::Format("%s=%s\n", kKeyCurrentPath, prefs.currentPath);
  return io::ToCrLf(out);
}

SettingsFileLoad LoadSettingsFile(const std::string& imageFolder, ManagerPreferences& prefs) {
  bool missing = false;
  const auto contents = io::ReadWholeFile(FilePath(imageFolder), 1u << 20, &missing);
  if (!contents) return missing ? SettingsFileLoad::kMissing : SettingsFileLoad::kUnreadable;
  // Read into a copy: what is not our file must not set a value by chance.
  ManagerPreferences read = prefs;
  if (ParseSettingsText(*contents, read) == 0 && !contents->empty()) return SettingsFileLoad::kNotOurs;
  prefs = read;
  return SettingsFileLoad::kRead;
}

SettingsFileSaved SaveSettingsFile(const std::string& imageFolder, const ManagerPreferences& prefs) {
  const std::string path = FilePath(imageFolder);
  const std::string text = FormatSettingsText(prefs);
  io::AtomicFileWriter writer(path);
  if (writer.Open()) {
    if (writer.Write(text.data(), text.size()) && writer.Commit()) return {SettingsFileSave::kReplaced};
    return {SettingsFileSave::kFailed, writer.Error()};
  }
  // Only a refusal of the folder: on a full disk, say, there is no room for the new text in place
  // either, and a missing folder holds no file.
  if (writer.Error() != EACCES && writer.Error() != EPERM) return {SettingsFileSave::kFailed, writer.Error()};
  const io::InPlaceResult written = io::WriteFileInPlace(path, text);
  switch (written.outcome) {
    case io::InPlaceOutcome::kWritten:
      return {SettingsFileSave::kWrittenInPlace};
    case io::InPlaceOutcome::kOldKept:
      // With no file to overwrite, the reason is the folder's refusal.
      return {SettingsFileSave::kFailed, written.error == ENOENT ? writer.Error() : written.error};
    case io::InPlaceOutcome::kTorn:
      break;
  }
  return {SettingsFileSave::kTorn, written.error};
}

}  // namespace app
