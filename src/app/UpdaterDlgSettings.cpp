// The main window's side of the preferences file: start values, then the file's values over them;
// and the close-time save, which also decides whether the window may close.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/SettingsFile.h"
#include "app/UpdaterDlg.h"
#include "localization/LanguageNames.h"
#include "platform/Paths.h"

namespace app {

void CUpdaterDlg::SetStartValues() {
  m_nCurrentPage = 0;
  m_bDeviceRecognized = false;
  ResetHidHandles();
  ResetSettingsPageList();
  m_strManagerVersion = "v0.0";
  m_nLanguage = 0;
  m_bApplyToFirmwareLanguage = true;
  m_nDeviceTarget = 0;
  m_bWaitAfterOk = false;
  m_bWaitForUserOk = false;
  m_strFirmwareLanguage = text::GetLanguageEnglishName(0);
  m_strCurrentPath.clear();
  m_nUsbStatus = 0;
  m_bStatusNormal = true;
}

void CUpdaterDlg::LoadSettingsFile() {
  SetStartValues();

  m_progress.ShowWindow(false);
  m_progress.SetRange(0, 100);
  m_progress.SetStep(1);
  m_progress.SetPos(0);
  m_nProgress = -1;
  m_staticPercentSign.ShowWindow(false);
  m_staticPercentNumber.ShowWindow(false);

  ManagerPreferences prefs;  // its defaults are the start values
  const SettingsFileLoad load = app::LoadSettingsFile(platform::Paths::Get().ImageFolder(), prefs);
  m_strKeepSettingsFileWhy = load == SettingsFileLoad::kUnreadable ? "could not be read"
                            : load == SettingsFileLoad::kNotOurs  ? "holds none of this program's settings (another encoding?)"
                                                                  : "";
  if (load != SettingsFileLoad::kRead) return;
  m_strManagerVersion = prefs.managerVersion;
  m_nLanguage = text::LanguageOrEnglish(prefs.language);
  m_bApplyToFirmwareLanguage = prefs.applyToFirmwareLanguage;
  m_nDeviceTarget = prefs.deviceTarget;
  m_strFirmwareLanguage = prefs.firmwareLanguage;
  m_strCurrentPath = prefs.currentPath;
}

bool CUpdaterDlg::SaveSettingsFile() {
  if (IsRefusingCommands()) return false;
  CloseHidHandles();
  ManagerPreferences prefs;
  prefs.language = m_nLanguage;
  prefs.applyToFirmwareLanguage = m_bApplyToFirmwareLanguage;
  prefs.deviceTarget = m_nDeviceTarget;
  prefs.firmwareLanguage = m_strFirmwareLanguage;
  prefs.currentPath = m_strCurrentPath;
  // A file that cannot be written does not keep the program from closing, but the user hears why
  // the next start forgets the choices, and whether the file there is still the old one. Each
  // program names itself: the demo shares this code.
  const std::string folder = platform::Paths::Get().ImageFolder();
  std::string note;
  if (!m_strKeepSettingsFileWhy.empty()) {
    // This run started from the start values; writing them would lose what the file holds.
    note = "the settings file in " + folder + " " + m_strKeepSettingsFileWhy +
           ", so it is kept as it is and this run's settings are not saved";
  } else {
    const SettingsFileSaved saved = app::SaveSettingsFile(folder, prefs);
    const std::string cannot =
        "cannot write the settings file in " + folder + " (" + std::strerror(saved.error) + ")";
    std::error_code error;
    switch (saved.outcome) {
      case SettingsFileSave::kReplaced:
        break;
      case SettingsFileSave::kWrittenInPlace:
        note = folder + " refuses new files, so the settings file in it was overwritten, not replaced atomically";
        break;
      case SettingsFileSave::kFailed:
        note = cannot;
        if (std::filesystem::exists(folder + "/" + kSettingsFileName, error)) note += "; the old file is kept as it was";
        break;
      case SettingsFileSave::kTorn:
        note = cannot + ", and its old text could not be put back: the old file was not kept";
        break;
    }
  }
  if (!note.empty()) std::cerr << program_invocation_short_name << ": " << note << '\n';
  return true;
}

}  // namespace app
