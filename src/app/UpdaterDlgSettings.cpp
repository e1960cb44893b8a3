// The main window's side of the preferences file: start values, then the file's values over them;
// and the close-time save, which also decides whether the window may close.
#include <iostream>

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
  m_bKeepSettingsFile = load == SettingsFileLoad::kUnreadable;
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
  // the next start forgets the choices.
  const std::string folder = platform::Paths::Get().ImageFolder();
  if (m_bKeepSettingsFile) {
    // This run started from the start values; writing them would lose what the file holds.
    std::cerr << "corvale-manager: the settings file in " << folder
              << " could not be read, so it is kept as it is and this run's settings are not saved\n";
  } else {
    switch (app::SaveSettingsFile(folder, prefs)) {
      case SettingsFileSave::kReplaced:
        break;
      case SettingsFileSave::kWrittenInPlace:
        std::cerr << "corvale-manager: " << folder
                  << " refuses new files, so the settings file in it was overwritten, not replaced atomically\n";
        break;
      case SettingsFileSave::kFailed:
        std::cerr << "corvale-manager: cannot write the settings file in " << folder << '\n';
        break;
    }
  }
  return true;
}

}  // namespace app
