#include "resources/PageTemplates.h"

namespace res {

const fw::DialogTemplate& FirmwareRestoreTemplate() {
  static const fw::DialogTemplate t = [] {
    using fw::Du;
    using K = fw::ControlKind;
    constexpr uint32_t kHidden = fw::CS_HIDDEN;
    fw::DialogTemplate d = PageTemplateBase(IDD_FIRMWARE_RESTORE, {309, 123});
    // The captions are replaced when the page shows an archive.
    d.controls = {
        {1012, K::Text, Du(1, 1, 299, 8), fw::CS_CENTER, "Backup Firmware Information", 0},
        // Ends where the version text begins; its whole width lets the centred version line stand
        // clear of the voice-prompt label.
        {1013, K::Text, Du(1, 12, 186, 8), fw::CS_RIGHT | kHidden, "Version :", 0},
        {1014, K::Text, Du(190, 12, 102, 8), fw::CS_LEFT | kHidden, "v3.2", 0},
        // The drop-down and its label reach further left than they must in English, so that the
        // longest translations of the language names and of the label fit.
        {1034, K::ComboBox, Du(228, 9, 76, 30), kHidden | fw::CS_VSCROLL | fw::CS_TABSTOP, "", 0},
        {1167, K::Text, Du(124, 12, 102, 8), fw::CS_RIGHT | fw::CS_WORDWRAP_OFF, "Voice Prompt :", 0},
        {1015, K::Text, Du(1, 22, 185, 8), fw::CS_RIGHT | kHidden, "Date :", 0},
        {1016, K::Text, Du(190, 22, 102, 8), fw::CS_LEFT | kHidden, "21/12/2012 17:35:56", 0},
        {1017, K::Text, Du(1, 32, 185, 8), fw::CS_RIGHT | kHidden, "Intercom VOX :", 0},
        {1018, K::Text, Du(190, 32, 102, 8), fw::CS_LEFT | kHidden, "Disabled", 0},
        {1019, K::Text, Du(1, 42, 185, 8), fw::CS_RIGHT | kHidden, "Handsfree VOX :", 0},
        {1020, K::Text, Du(190, 42, 102, 8), fw::CS_LEFT | kHidden, "Disabled", 0},
        {1021, K::Text, Du(1, 52, 185, 8), fw::CS_RIGHT | kHidden, "EDR (Enhanced Data Rate) :", 0},
        {1022, K::Text, Du(190, 52, 102, 8), fw::CS_LEFT | kHidden, "Disabled", 0},
        {1023, K::Text, Du(1, 62, 185, 8), fw::CS_RIGHT | kHidden, "PLC (Packet Loss Concealment) :", 0},
        {1024, K::Text, Du(190, 62, 102, 8), fw::CS_LEFT | kHidden, "Disabled", 0},
        {1025, K::Text, Du(1, 72, 185, 8), fw::CS_RIGHT | kHidden, "High Quality A2DP :", 0},
        {1026, K::Text, Du(190, 72, 102, 8), fw::CS_LEFT | kHidden, "Disabled", 0},
        {1027, K::Text, Du(1, 82, 185, 8), fw::CS_RIGHT | kHidden, "Microphone Boost :", 0},
        {1028, K::Text, Du(190, 82, 102, 8), fw::CS_LEFT | kHidden, "Disabled", 0},
        // Overlaps the pairs: the page shows one or the other.
        {1202, K::ListView, Du(0, 31, 306, 90),
         fw::CS_OWNERDRAW | fw::CS_NOCOLUMNHEADER | fw::CS_TABSTOP, "", 0},
    };
    return d;
  }();
  return t;
}

}  // namespace res
