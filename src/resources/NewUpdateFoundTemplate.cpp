// Dialog 188: the offer of a newer firmware, with the maker's logo, the two versions and the
// voice-prompt choice. Its texts are replaced at initialisation. The list is wider than the
// original layout's so that the longest language names fit.
#include "resources/DialogTemplates.h"

namespace res {

using fw::ControlKind;
using fw::Du;

const fw::DialogTemplate& NewUpdateFoundTemplate() {
  using K = ControlKind;
  static const fw::DialogTemplate tmpl{
      IDD_NEW_UPDATE_FOUND,
      {235, 85},
      "Arial",
      10,
      fw::DS_POPUP | fw::DS_MODALFRAME | fw::DS_SYSMENU,
      "",
      {
          {1025, K::Picture, Du(12, 10, 37, 32), 0, "", IDB_LOGO},
          {1026, K::Text, Du(56, 8, 172, 24), fw::CS_LEFT | fw::CS_NOPREFIX,
           "New firmware is now available.\nWould you like to download it from the server\nand update to it?", 0},
          {1, K::PushButton, Du(176, 66, 50, 12), fw::CS_DEFAULT | fw::CS_TABSTOP, "YES", 0},
          {2, K::PushButton, Du(123, 66, 50, 12), fw::CS_TABSTOP, "NO", 0},
          {1027, K::Text, Du(51, 37, 89, 8), fw::CS_RIGHT | fw::CS_NOPREFIX, "Current version : v", 0},
          {1028, K::Text, Du(59, 45, 81, 8), fw::CS_RIGHT | fw::CS_NOPREFIX, "New version : v", 0},
          {1029, K::Text, Du(142, 37, 32, 8), fw::CS_LEFT | fw::CS_NOPREFIX, "3.3", 0},
          {1030, K::Text, Du(142, 45, 23, 8), fw::CS_LEFT | fw::CS_NOPREFIX, "4.1.1", 0},
          {1032, K::ComboBox, Du(148, 52, 77, 30), fw::CS_VSCROLL | fw::CS_TABSTOP | fw::CS_HIDDEN, "", 0},
          {1168, K::Text, Du(40, 54, 105, 8), fw::CS_RIGHT, "Voice Prompt :", 0},
      }};
  return tmpl;
}

}  // namespace res
