#pragma once
// TEMPORARY STAND-INS, to be removed when the main-window texts land on main. Each declaration
// below has the name and signature of the real one, so that replacing this file's contents by
//   #include "localization/MainWindowTexts.h"
// is all the merge needs.
#include <string>

#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"

namespace text {

// English only until the translated texts land.
inline std::string GetSaveChangesPromptText(int language) {
  return Format("Would you like to save %s changes?", GetPageTitleText(5, language));
}
inline std::string GetAboutMenuText(int) { return "About..."; }
inline std::string GetOnlineHelpMenuText(int) { return "Online Help"; }
inline std::string GetDiagnosticLogText(int) { return "Diagnostic Log"; }
inline std::string GetCloseMenuText(int) { return "Close"; }

}  // namespace text
