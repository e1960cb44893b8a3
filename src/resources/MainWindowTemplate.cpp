// Dialog 102: the main window, a borderless picture with its own buttons around the page frame.
#include "resources/DialogTemplates.h"

namespace res {

using fw::ControlKind;
using fw::Du;

const fw::DialogTemplate& MainWindowTemplate() {
  using K = ControlKind;
  constexpr uint32_t kOwner = fw::CS_OWNERDRAW;
  constexpr uint32_t kHidden = fw::CS_HIDDEN;
  constexpr uint32_t kDisabled = fw::CS_DISABLED;
  static const fw::DialogTemplate tmpl{
      IDD_UPDATER_DIALOG,
      {416, 242},
      "Arial",
      10,
      fw::DS_POPUP | fw::DS_BORDER | fw::DS_SYSMENU | fw::DS_APPWINDOW,
      "",
      {
          {1001, K::Picture, Du(0, 0, 417, 243), 0, "", 0},
          {1006, K::PushButton, Du(2, 1, 14, 13), kOwner, "?", 0},
          {1166, K::Picture, Du(387, 4, 10, 7), fw::CS_NOTIFY, "", 0},
          {1, K::PushButton, Du(400, 1, 14, 13), kOwner, "X", 0},
          {1003, K::Text, Du(123, 20, 249, 8), fw::CS_RIGHT, "", 0},
          {1004, K::Text, Du(12, 28, 360, 8), fw::CS_RIGHT | fw::CS_NOTIFY, "", 0},
          {1002, K::Picture, Du(380, 18, 33, 20), fw::CS_CENTERIMAGE, "", 0},
          {1007, K::PushButton, Du(6, 38, 89, 34), kOwner, "", 0},
          {1008, K::PushButton, Du(6, 80, 89, 34), kOwner, "", 0},
          {1009, K::PushButton, Du(6, 123, 89, 34), kOwner, "", 0},
          {1010, K::PushButton, Du(6, 165, 89, 34), kOwner, "", 0},
          {1011, K::PushButton, Du(6, 206, 89, 34), kOwner, "", 0},
          {1014, K::Picture, Du(97, 49, 317, 155), fw::CS_CENTERIMAGE | fw::CS_BORDER, "", IDB_PAGE_FRAME},
          {1012, K::Text, Du(97, 39, 317, 10), 0, "", 0},
          {1025, K::PushButton, Du(272, 39, 67, 11), kOwner | kHidden, "", 0},
          {1027, K::PushButton, Du(345, 39, 69, 11), kOwner | kHidden, "", 0},
          {1171, K::ListBox, Du(345, 49, 68, 26), fw::CS_BORDER | fw::CS_VSCROLL | fw::CS_NOTIFY | kHidden, "", 0},
          {1013, K::Text, Du(97, 204, 317, 36), 0, "", 0},
          {1016, K::Text, Du(102, 205, 311, 34), 0, "", 0},
          {1015, K::PushButton, Du(393, 231, 13, 8), kOwner, "...", 0},
          {1017, K::PushButton, Du(98, 189, 75, 14), kOwner | fw::CS_LEFT | kDisabled, "", 0},
          {1019, K::PushButton, Du(210, 189, 86, 14), kOwner | kHidden | kDisabled, "", 0},
          {1018, K::PushButton, Du(332, 189, 75, 14), kOwner | fw::CS_RIGHT, "", 0},
          {1020, K::PushButton, Du(98, 173, 114, 14), kOwner | fw::CS_LEFT | kHidden | kDisabled, "", 0},
          {1024, K::PushButton, Du(293, 173, 114, 14), kOwner | fw::CS_RIGHT | kHidden | kDisabled, "", 0},
          {1021, K::ProgressBar, Du(115, 156, 281, 14), 0, "", 0},
          {1023, K::Text, Du(244, 172, 13, 8), fw::CS_RIGHT, "", 0},
          {1022, K::Text, Du(262, 172, 8, 8), 0, "%", 0},
      }};
  return tmpl;
}

}  // namespace res
