#pragma once
// Messages that several parts of the program share, the wizard's page titles and the date-time
// pattern of each language. Every getter reads a language outside 1 to 10 as English.
#include <string>

namespace text {

// Pages 1 to 7 (5, 6 and 7 share one title); any other page gives "MODE NOT AVAILABLE".
std::string GetPageTitleText(int page, int language);

// A strftime pattern for a date and a 24-hour time with seconds.
std::string GetDateTimeFormatText(int language);

// The same text in every language.
std::string GetProductNameText(int language);
std::string GetNoticeLineText(int language);

std::string GetManagerSoftwareLanguageText(int language);
std::string GetOkText(int language);
std::string GetSendEmailText(int language);
std::string GetCancelText(int language);
std::string GetYesText(int language);
std::string GetNoText(int language);
std::string GetBackText(int language);
std::string GetNextText(int language);
std::string GetNewDeviceText(int language);
std::string GetUpdateText(int language);
std::string GetRestoreText(int language);

// Names of the device's controls, as the press-and-hold instructions use them.
std::string GetJogDialText(int language);
std::string GetPhoneButtonText(int language);
std::string GetCenterButtonText(int language);
std::string GetPlusButtonText(int language);
std::string GetMinusButtonText(int language);
std::string GetLeftButtonText(int language);
std::string GetRightButtonText(int language);
std::string GetPttButtonText(int language);
std::string GetPairingButtonText(int language);

std::string GetCannotOpenUsbText(int language);
std::string GetFirmwareManagementModeText(int language);
std::string GetCheckSdCardText(int language);
std::string GetTryAgainText(int language);
std::string GetCameraUpdateFailedText(int language);
std::string GetNotRecognizedDeviceText(int language);
std::string GetCannotMakeBackupText(int language);
std::string GetFirmwareWordText(int language);
std::string GetEnableText(int language);
std::string GetDisableText(int language);
std::string GetEnabledText(int language);
std::string GetDisabledText(int language);
std::string GetSecondsText(int language);
// Two sentences, each ending in a line feed.
std::string GetDeviceMismatchText(int language);
std::string GetVersionText(int language);

}  // namespace text
