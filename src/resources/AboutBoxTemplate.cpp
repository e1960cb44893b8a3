// Dialog 100: the About box, the maker's logo beside the program's name and version.
#include "resources/DialogTemplates.h"

namespace res {

using fw::ControlKind;
using fw::Du;

const fw::DialogTemplate& AboutBoxTemplate() {
  using K = ControlKind;
  static const fw::DialogTemplate tmpl{
      IDD_ABOUTBOX,
      {305, 50},
      "Arial",
      10,
      fw::DS_POPUP | fw::DS_MODALFRAME,
      "",
      {
          {1025, K::Picture, Du(12, 10, 37, 32), 0, "", IDB_LOGO},
          {1018, K::Text, Du(55, 9, 243, 8), fw::CS_CENTER | fw::CS_NOPREFIX, "", 0},
          {1019, K::Text, Du(55, 20, 243, 8), fw::CS_CENTER, "", 0},
          {1, K::PushButton, Du(225, 32, 62, 12), fw::CS_DEFAULT | fw::CS_TABSTOP, "OK", 0},
          {57670, K::PushButton, Du(67, 32, 150, 12), fw::CS_TABSTOP, "", 0},
      }};
  return tmpl;
}

}  // namespace res
