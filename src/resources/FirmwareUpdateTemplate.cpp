#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& FirmwareUpdateTemplate() {
  static const fw::DialogTemplate t = [] {
    using fw::Du;
    using K = fw::ControlKind;
    fw::DialogTemplate d = PageTemplateBase(IDD_FIRMWARE_UPDATE, {303, 123});
    // The captions are replaced when the page is dressed for the current language.
    d.controls = {
        {1027, K::Text, Du(6, 10, 222, 8), fw::CS_LEFT, "Firmware To Update :", 0},
        {1028, K::Edit, Du(6, 20, 222, 12), fw::CS_BORDER | fw::CS_READONLY | fw::CS_AUTOHSCROLL, "", 0},
        {1029, K::PushButton, Du(234, 20, 68, 12), fw::CS_TABSTOP, "Browse...", 0},
        {1030, K::Text, Du(6, 35, 222, 8), fw::CS_LEFT, "Latest Version : v1.0.0.0", 0},
        {1032, K::ComboBox, Du(235, 33, 67, 30), fw::CS_HIDDEN | fw::CS_VSCROLL | fw::CS_TABSTOP, "", 0},
        {1031, K::PushButton, Du(234, 46, 68, 12), fw::CS_TABSTOP, "Download...", 0},
        // Reaches further left than the list's own width so that the longest translations of its
        // caption fit; it shows only when the version label is short (no file name).
        {1035, K::Text, Du(118, 35, 110, 8), fw::CS_RIGHT | fw::CS_HIDDEN, "Voice Prompt :", 0},
        {1207, K::Text, Du(17, 63, 270, 60), fw::CS_LEFT,
         "1. To change the language of the voice prompt, click on the drop down menu to select your desired "
         "voice prompt language.",
         0},
    };
    return d;
  }();
  return t;
}

}  // namespace res
