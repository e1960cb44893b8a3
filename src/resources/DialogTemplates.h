#pragma once
// The program's dialog layouts and menus, by resource id.
#include "framework/DialogTemplate.h"

namespace res {

enum : int {
  IDD_ABOUTBOX = 100,
  IDD_UPDATER_DIALOG = 102,  // the main window
  IDD_MESSAGE_BOX = 184,
  IDD_NEW_UPDATE_FOUND = 188,
  IDD_LANGUAGE_MANAGER = 190,
};

enum : int {
  IDI_MAINFRAME = 128,  // the program's icon
};

enum : int {
  IDB_WARNING = 184,
  IDB_LOGO = 186,
  IDB_PAGE_FRAME = 218,
  IDB_BACKGROUND = 327,
};

const fw::DialogTemplate& MainWindowTemplate();  // 102
const fw::DialogTemplate& MessageBoxTemplate();  // 184
const fw::DialogTemplate& AboutBoxTemplate();    // 100
const fw::DialogTemplate& LanguageManagerTemplate();  // 190
const fw::DialogTemplate& NewUpdateFoundTemplate();   // 188

// The template with resource id `id`; nullptr when there is none.
const fw::DialogTemplate* FindDialogTemplate(int id);

}  // namespace res
