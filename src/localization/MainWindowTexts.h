#pragma once
// The main window's own texts: button captions composed from the shared words, menu labels, the
// unsaved-changes question, the press-and-hold instructions and the backup-failure message. Every
// getter reads a language outside 1 to 10 as English.
#include <string>

namespace text {

// Captions whose blanks are part of the layout: "%s        >  ", "  <       %s", "%s  >  ",
// "  <  %s" (update title) and "%s  >  " (restore title).
std::string GetNextButtonText(int language);
std::string GetBackButtonText(int language);
std::string GetNewDeviceButtonText(int language);
std::string GetUpdateShortcutText(int language);
std::string GetRestoreShortcutText(int language);

// ACTION captions of pages 3, 4 and 5 to 7.
std::string GetUpdateActionText(int language);
std::string GetRestoreActionText(int language);
std::string GetSaveActionText(int language);

// Context-menu labels; About and Close are also tooltips, Online Help the About box's button.
std::string GetAboutMenuText(int language);
std::string GetOnlineHelpMenuText(int language);
std::string GetDiagnosticLogText(int language);
std::string GetCloseMenuText(int language);

// The question asked before leaving a settings page with unsaved changes, complete.
std::string GetSaveChangesPromptText(int language);

// What to hold down until the update page's message disappears, naming the controls of the
// device target's model: one control, or two.
std::string GetPressAndHoldText(int deviceTarget, int language);
std::string GetPressAndHoldTwoText(int deviceTarget, int language);

// Complete: the archive could not be written, so the user is sent to the maker's web site for the
// previous firmware.
std::string GetBackupFailedText(int language);

}  // namespace text
