#include "resources/Menus.h"

namespace res {

const fw::MenuTemplate& ContextMenuTemplate() {
  static const fw::MenuTemplate menu = {IDR_CONTEXT_MENU,
                                        {
                                            {ID_MENU_ABOUT, "About..."},
                                            {ID_MENU_ONLINE_HELP, "Online Help"},
                                            {0, ""},
                                            {ID_MENU_LANGUAGE, "Manager Language"},
                                            {ID_MENU_DIAGNOSTIC_LOG, "Diagnostic Log"},
                                            {0, ""},
                                            {ID_MENU_CLOSE, "Close"},
                                        }};
  return menu;
}

}  // namespace res
