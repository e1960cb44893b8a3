#pragma once
// The firmware update's own texts: reasons and steps composed into the status line, the captions
// of the firmware update page and of the new-firmware dialog, and the boxes shown when an update
// ends. Reasons carry no full stop: callers compose them ("%s. %s"). Every getter reads a
// language outside 1 to 10 as English. The two server-failure reasons the update shares with the
// program's own update check are in ServerFailureTexts.h.
#include <string>

namespace text {

// --- Reasons and steps ---------------------------------------------------------------------------
std::string GetNoBackupFirmwareText(int language);
std::string GetNoBackupOnServerText(int language);
std::string GetCheckingFirmwareText(int language);
std::string GetCheckingBackupFirmwareText(int language);
std::string GetCannotGetStatusText(int language);
std::string GetFirmwareCorruptedText(int language);
// "Firmware not for " and the model's display name (nothing for a product without a name).
std::string GetFirmwareNotForModelText(int productId, int language);
std::string GetWithoutBackupText(int language);
std::string GetAboutToMakeBackupText(int language);
std::string GetCannotGetDeviceText(int language);
// A format with one %s: the caption of the button to press.
std::string GetPressButtonText(int language);
std::string GetPressRestoreButtonText(int language);
std::string GetRestoreAfterLanguageText(int language);
std::string GetPressUpdateButtonText(int language);
std::string GetDownloadFailedText(int language);
std::string GetAboutToDownloadLatestText(int language);
std::string GetAboutToDownloadBackupText(int language);
std::string GetUsbMismatchText(int language);
std::string GetCannotUpdateFirmwareText(int language);

// --- The firmware update page ---------------------------------------------------------------------
std::string GetBrowseText(int language);
std::string GetDownloadButtonText(int language);
std::string GetPairingAdviceText(int language);
std::string GetCameraReconnectText(int language);
// A format with one %s: the job's message.
std::string GetPowerCycleText(int language);
std::string GetLatestVersionText(int language);
std::string GetFirmwareToUpdateText(int language);
// The whole filter of the image save dialog, the same in every language.
std::string GetImageFilterText(int language);
std::string GetVoicePromptInstructionsText(int language);

// --- The new-firmware dialog ------------------------------------------------------------------------
std::string GetNewFirmwareQuestionText(int language);
std::string GetCurrentVersionText(int language);
std::string GetNewVersionText(int language);

// --- Languages of the device's voice prompt --------------------------------------------------------
// The UI language of a two-letter code at the end of an image's name ("fr", "dc", ...; exact
// case); anything else is English (0).
int GetLanguageIndexFromCode(const std::string& code);
// The device's voice-prompt language code for a UI language; English (0) for anything unknown.
int GetVoicePromptLanguageCode(int language);

}  // namespace text
