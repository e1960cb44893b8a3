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
        {1028, K::Edit, Du(6, 20, 210, 12), fw::CS_BORDER | fw::CS_READONLY | fw::CS_AUTOHSCROLL, "", 0},
        {1029, K::PushButton, Du(222, 20, 80, 12), fw::CS_TABSTOP, "Browse...", 0},
        {1030, K::Text, Du(6, 35, 210, 8), fw::CS_LEFT, "Latest Version : v1.0.0.0", 0},
        {1032, K::ComboBox, Du(222, 33, 80, 30), fw::CS_HIDDEN | fw::CS_VSCROLL | fw::CS_TABSTOP, "", 0},
        {1031, K::PushButton, Du(222, 46, 80, 12), fw::CS_TABSTOP, "Download...", 0},
        // The right-hand column is wider than the original layout's so that the longest language
        // names of the list fit; the caption reaches further left for its longest translations and
        // shows only when the version label is short (no file name).
        {1035, K::Text, Du(110, 35, 106, 8), fw::CS_RIGHT | fw::CS_HIDDEN, "Voice Prompt :", 0},
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
