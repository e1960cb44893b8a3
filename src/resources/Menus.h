#pragma once
// Pop-up menus by resource id.
#include "framework/DialogTemplate.h"

namespace res {

enum : int { IDR_CONTEXT_MENU = 190 };

enum : int {
  ID_MENU_DIAGNOSTIC_LOG = 32778,
  ID_MENU_ABOUT = 32780,
  ID_MENU_ONLINE_HELP = 32781,
  ID_MENU_LANGUAGE = 32783,
  ID_MENU_CLOSE = 32784,
};

// The main window's right-click menu; its items are relabelled in the current language when shown.
const fw::MenuTemplate& ContextMenuTemplate();

}  // namespace res
