// Dialog 184: the program's own message box. Its set-up call replaces the size, the texts and the
// layout at initialisation; the template gives the controls and their kinds.
#include "resources/DialogTemplates.h"

namespace res {

using fw::ControlKind;
using fw::Du;

const fw::DialogTemplate& MessageBoxTemplate() {
  using K = ControlKind;
  static const fw::DialogTemplate tmpl{
      IDD_MESSAGE_BOX,
      {231, 59},
      "Arial",
      10,
      fw::DS_POPUP | fw::DS_MODALFRAME | fw::DS_SYSMENU,
      "",
      {
          {1025, K::Picture, Du(11, 10, 37, 32), 0, "", 0},
          {1026, K::Text, Du(59, 10, 160, 20), fw::CS_NOPREFIX, "", 0},
          {1, K::PushButton, Du(160, 38, 66, 12), fw::CS_DEFAULT, "OK", 0},
          {2, K::PushButton, Du(94, 38, 66, 12), 0, "Cancel", 0},
          {3, K::PushButton, Du(28, 38, 66, 12), fw::CS_HIDDEN, "", 0},
      }};
  return tmpl;
}

}  // namespace res
