// Properties every shared text must keep, checked over the whole catalogue: the exact English
// text, the English fallback, a text in every language, and the same placeholders in every
// translation as in English.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "TextChecks.h"
#include "localization/FmPresetTexts.h"
#include "localization/MainWindowTexts.h"
#include "localization/RecognitionPageTexts.h"
#include "localization/SelectionPageTexts.h"
#include "localization/ServerFailureTexts.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "localization/TextRow.h"

namespace {

using namespace text;

struct Entry {
  std::string name;
  std::function<std::string(int)> get;
  std::string english;
  bool mayBeEmpty = false;
  // A strftime pattern orders its fields by language; its own test checks every language.
  bool printfFormat = true;
};

std::vector<Entry> Catalogue() {
  std::vector<Entry> entries = {
      {"GetManagerSoftwareLanguageText", GetManagerSoftwareLanguageText,
       "Manager Software Language"},
      {"GetOkText", GetOkText, "OK"},
      {"GetSendEmailText", GetSendEmailText, "SEND Email"},
      {"GetFmPresetRangeText", GetFmPresetRangeText,
       "FM Radio preset should be between %0.1f MHz and %0.1f MHz. Enter valid value again."},
      {"GetFmPresetInvalidText", GetFmPresetInvalidText, "FM Radio preset is not valid. Enter valid value again."},
      {"GetRdsHelpText", GetRdsHelpText,
       "[RDS (Radio Data System) AF (Alternative Frequencies)]\nRDS AF (Radio Data System Alternative Frequencies) "
       "enables the headset to re-tune to an alternative frequency for the same radio station if the primary "
       "frequency loses signal strength. Please check that your local radio stations support the RDS AF feature."},
      {"GetCancelText", GetCancelText, "CANCEL"},
      {"GetYesText", GetYesText, "YES"},
      {"GetNoText", GetNoText, "NO"},
      {"GetBackText", GetBackText, "BACK"},
      {"GetNextText", GetNextText, "NEXT"},
      {"GetNewDeviceText", GetNewDeviceText, "NEW DEVICE"},
      {"GetUpdateText", GetUpdateText, "UPDATE"},
      {"GetRestoreText", GetRestoreText, "RESTORE"},
      {"GetJogDialText", GetJogDialText, "Jog Dial"},
      {"GetPhoneButtonText", GetPhoneButtonText, "Phone Button"},
      {"GetCenterButtonText", GetCenterButtonText, "Center Button"},
      {"GetPlusButtonText", GetPlusButtonText, "[+] Button"},
      {"GetMinusButtonText", GetMinusButtonText, "[-] Button"},
      {"GetLeftButtonText", GetLeftButtonText, "[L] Button"},
      {"GetRightButtonText", GetRightButtonText, "[R] Button"},
      {"GetPttButtonText", GetPttButtonText, "PTT Button"},
      {"GetPairingButtonText", GetPairingButtonText, "Pairing Button"},
      {"GetCannotOpenUsbText", GetCannotOpenUsbText, "Cannot open USB"},
      {"GetFirmwareManagementModeText", GetFirmwareManagementModeText, "Firmware management mode"},
      {"GetCheckSdCardText", GetCheckSdCardText, "Check your SD Card."},
      {"GetTryAgainText", GetTryAgainText, "Try again"},
      {"GetCameraUpdateFailedText", GetCameraUpdateFailedText, "Camera firmware update failed"},
      {"GetNotRecognizedDeviceText", GetNotRecognizedDeviceText, "Not the recognized device"},
      {"GetCannotMakeBackupText", GetCannotMakeBackupText, "Cannot make backup firmware"},
      {"GetFirmwareWordText", GetFirmwareWordText, "firmware"},
      {"GetEnableText", GetEnableText, "Enable"},
      {"GetDisableText", GetDisableText, "Disable"},
      {"GetEnabledText", GetEnabledText, "Enabled"},
      {"GetDisabledText", GetDisabledText, "Disabled"},
      {"GetSecondsText", GetSecondsText, "seconds"},
      {"GetDeviceMismatchText", GetDeviceMismatchText,
       "Recognized device is not connected or is not the same as the connected device.\n"
       "Select appropriate device.\n"},
      {"GetVersionText", GetVersionText, "Version"},
      {"GetDateTimeFormatText", GetDateTimeFormatText, "%m/%d/%Y %H:%M:%S", false, false},
      {"GetProductNameText", GetProductNameText, "Corvale communication system device manager"},
      {"GetNoticeLineText", GetNoticeLineText, GetNoticeLineText(0)},
      {"GetFirmwareNotSupportedText", GetFirmwareNotSupportedText,
       "Firmware version is not supported by the P7E ULKA. Update to the latest version of P7E "
       "ULKA firmware."},
  };

  const char* titles[] = {"MODE NOT AVAILABLE", "WELCOME", "DEVICE RECOGNITION",
                          "FIRMWARE UPDATE", "FIRMWARE RESTORE", "DEVICE SETTING",
                          "DEVICE SETTING", "DEVICE SETTING", "MODE NOT AVAILABLE"};
  const char* progress[] = {"", "On selecting device.", "On recognizing device.",
                            "On updating firmware.", "On restoring firmware.",
                            "On saving device setting.", "On saving device setting.",
                            "On saving device setting.", ""};
  const char* success[] = {"", "%s selected. %s", "Device recognized successfully. %s",
                           "Firmware updated successfully", "Firmware restored successfully",
                           "Device setting saved successfully", "Device setting saved successfully",
                           "Device setting saved successfully", ""};
  const char* failure[] = {"", "", "Failed to recognize device", "Failed to update firmware",
                           "Failed to restore firmware", "Failed to save device setting",
                           "Failed to save device setting", "Failed to save device setting", ""};
  const char* instruction[] = {"", "Press NEXT to proceed.", "Ready for DEVICE RECOGNITION",
                               "Ready for FIRMWARE UPDATE", "Ready for FIRMWARE RESTORE",
                               "Ready for DEVICE SETTING", "Ready for DEVICE SETTING",
                               "Ready for DEVICE SETTING", ""};

  const std::string product = "Corvale communication system device manager";
  const std::string diagnosticAdvice =
      "Send email to Technical Support (support@zelto.com) with diagnostic log which can be "
      "created by pressing the right mouse button and selecting [Diagnostic Log] menu.\n";
  const std::vector<Entry> pageEntries = {
      // Main window
      {"GetNextButtonText", GetNextButtonText, "NEXT        >  "},
      {"GetBackButtonText", GetBackButtonText, "  <       BACK"},
      {"GetNewDeviceButtonText", GetNewDeviceButtonText, "NEW DEVICE  >  "},
      {"GetUpdateShortcutText", GetUpdateShortcutText, "  <  FIRMWARE UPDATE"},
      {"GetRestoreShortcutText", GetRestoreShortcutText, "FIRMWARE RESTORE  >  "},
      {"GetUpdateActionText", GetUpdateActionText, "UPDATE"},
      {"GetRestoreActionText", GetRestoreActionText, "RESTORE"},
      {"GetSaveActionText", GetSaveActionText, "SAVE"},
      {"GetAboutMenuText", GetAboutMenuText, "About..."},
      {"GetOnlineHelpMenuText", GetOnlineHelpMenuText, "Online Help"},
      {"GetDiagnosticLogText", GetDiagnosticLogText, "Diagnostic Log"},
      {"GetCloseMenuText", GetCloseMenuText, "Close"},
      {"GetSaveChangesPromptText", GetSaveChangesPromptText,
       "Would you like to save DEVICE SETTING changes?"},
      {"GetPressAndHoldText(0x4D21)", [](int l) { return GetPressAndHoldText(0x4D21, l); },
       "Press and hold the Center Button until this message disappears."},
      {"GetPressAndHoldTwoText(0x4D21)", [](int l) { return GetPressAndHoldTwoText(0x4D21, l); },
       "Press and hold the Center Button and [+] Button until this message disappears."},
      {"GetPressAndHoldText(0x4D10)", [](int l) { return GetPressAndHoldText(0x4D10, l); },
       "Press and hold the Phone Button until this message disappears."},
      {"GetPressAndHoldTwoText(0x4D10)", [](int l) { return GetPressAndHoldTwoText(0x4D10, l); },
       "Press and hold the Jog Dial and Phone Button until this message disappears."},
      {"GetBackupFailedText", GetBackupFailedText,
       "Creating a backup file for FIRMWARE RESTORE has failed. For FIRMWARE RESTORE, download the "
       "previous firmware file from www.zelto.com, and update the file manually using the Device "
       "Manager's FIRMWARE UPDATE. To continue, click the [OK] button below."},
      // Recognition page
      {"GetDeviceActivatedText", GetDeviceActivatedText, "Device activated"},
      {"GetUsbInterfaceCountText(5)", [](int l) { return GetUsbInterfaceCountText(5, l); },
       "less USB interface(s)"},
      {"GetUsbInterfaceCountText(8)", [](int l) { return GetUsbInterfaceCountText(8, l); },
       "more USB interface(s)"},
      {"GetOddUsbInterfaceText", GetOddUsbInterfaceText, "odd USB interface(s)"},
      {"GetPressNextStepText(3)", [](int l) { return GetPressNextStepText(3, l); },
       "3. Press the [NEXT >] button."},
      {"GetProvisioningStepsText(1)",
       [](int l) { return GetProvisioningStepsText(kUnplugUsbVariant, l); },
       "1. Unplug the USB cable from PC.\n\n"
       "2. Power off your Corvale product and connect it with PC \n    by the USB cable.\n\n"
       "3. Power on your Corvale product.\n\n\n"
       "4. Press the [NEXT >] button."},
      {"GetConnectStepsText", GetConnectStepsText,
       "1. Power off your product and connect it to your PC using the supplied microUSB cable.\n\n\n"
       "2. Power on your Corvale product.\n\n\n"
       "3. Press the [NEXT >] button."},
      {"GetPreparationListText", GetPreparationListText, GetPreparationListText(0)},
      {"GetOemProductsText", GetOemProductsText,
       "[Zelto OEM Products]\n"
       "- K4G for Skavro Quorvin: Hold down the [-] Button for more than 5 seconds.\n"
       "- K4G for Tuveck Marvek: Hold down the [-] Button for more than 5 seconds.\n"
       "- Trelvo KQU-7: Power it on.\n"
       "- P7E for Kravo-Pundel: Leave it powered off.\n"},
      {"GetProvisionedText", GetProvisionedText,
       "Device has successfully been activated upon recognition.\nFollow the instructions to "
       "recognize the device again.\n\n%s"},
      {"GetSendDiagnosticLogText", GetSendDiagnosticLogText, diagnosticAdvice},
      {"GetInterfaceCountErrorText(obtained, 5)",
       [](int l) { return GetInterfaceCountErrorText(true, 5, l); },
       "USB interface(s) less than expected is(are) obtained.\n" + diagnosticAdvice},
      {"GetInterfaceCountErrorText(found, 8)",
       [](int l) { return GetInterfaceCountErrorText(false, 8, l); },
       "USB interface(s) more than expected is(are) found.\n" + diagnosticAdvice},
      {"GetUsbInterfaceProblemText", GetUsbInterfaceProblemText,
       "There is problem in the USB interface.\n" + diagnosticAdvice},
      {"GetOtherDeviceText", GetOtherDeviceText,
       "A device other than the %s is recognized. Select the appropriate device.\n"},
      // Selection page
      {"GetNewerProgramText(1.1)", [](int l) { return GetNewerProgramText(1, 1, 0, l); },
       "Newer version of " + product + " is available. Would you like to update " + product +
           " to v1.1?\n\nPressing the [YES] button will close this program, start downloading "
           "the update and guide to installation.\nPressing the [NO] button will start " +
           product + " v1.0 without updating."},
      {"GetDownloadingUpdateText", GetDownloadingUpdateText, "Downloading the update file."},
      {"GetUpdateFileFilterText", GetUpdateFileFilterText, "Manager Update Files(*.exe)|"},
      {"GetUpdateSucceededText", GetUpdateSucceededText,
       "Successfully downloaded the update file."},
      {"GetCannotConnectToServerText", GetCannotConnectToServerText,
       "Cannot connect to the server"},
      {"GetCannotOpenFileText", GetCannotOpenFileText, "Cannot open file"},
  };
  entries.insert(entries.end(), pageEntries.begin(), pageEntries.end());

  for (int page = 0; page <= 8; ++page) {
    const std::string p = "(page " + std::to_string(page) + ")";
    const bool pageExists = page >= 1 && page <= 7;
    entries.push_back({"GetPageTitleText" + p, [page](int l) { return GetPageTitleText(page, l); },
                       titles[page]});
    entries.push_back({"GetPageProgressText" + p,
                       [page](int l) { return GetPageProgressText(page, 0, l); }, progress[page],
                       !pageExists});
    entries.push_back({"GetPageSuccessText" + p,
                       [page](int l) { return GetPageSuccessText(page, 0, l); }, success[page],
                       !pageExists});
    entries.push_back({"GetPageFailureText" + p,
                       [page](int l) { return GetPageFailureText(page, 0, l); }, failure[page],
                       !pageExists || page == 1});
    entries.push_back({"GetPageInstructionText" + p,
                       [page](int l) { return GetPageInstructionText(page, 0, l); },
                       instruction[page], !pageExists});
  }
  return entries;
}

TEST(TextCatalogue, EnglishTextsAreExact) {
  for (const Entry& e : Catalogue()) EXPECT_EQ(e.get(0), e.english) << e.name;
}

TEST(TextCatalogue, AnyLanguageOutside1To10ReadsAsEnglish) {
  for (const Entry& e : Catalogue()) {
    for (int language : {-1, 0, 11, 99, INT_MIN, INT_MAX}) {
      EXPECT_EQ(e.get(language), e.english) << e.name << " language " << language;
    }
  }
}

TEST(TextCatalogue, EveryLanguageHasAText) {
  for (const Entry& e : Catalogue()) {
    if (e.mayBeEmpty) continue;
    for (int language = 0; language < kLanguageCount; ++language) {
      EXPECT_FALSE(e.get(language).empty()) << e.name << " language " << language;
    }
  }
}

TEST(TextCatalogue, EmptyTextsAreEmptyInEveryLanguage) {
  for (const Entry& e : Catalogue()) {
    if (!e.english.empty()) continue;
    for (int language = 0; language < kLanguageCount; ++language) {
      EXPECT_EQ(e.get(language), "") << e.name << " language " << language;
    }
  }
}

TEST(TextCatalogue, TranslationsKeepTheEnglishPlaceholders) {
  for (const Entry& e : Catalogue()) {
    if (!e.printfFormat) continue;
    const auto english = testing_text::PlaceholderSequence(e.get(0));
    for (int language = 1; language < kLanguageCount; ++language) {
      EXPECT_EQ(testing_text::PlaceholderSequence(e.get(language)), english)
          << e.name << " language " << language << ": " << e.get(language);
    }
  }
}

TEST(TextCatalogue, PlaceholderSequenceSeesEscapesAndStrayPercents) {
  using testing_text::PlaceholderSequence;
  EXPECT_EQ(PlaceholderSequence("Ready for %%s. %s"), (std::vector<std::string>{"%%", "%s"}));
  EXPECT_EQ(PlaceholderSequence("%-5d of %02X"), (std::vector<std::string>{"%-5d", "%02X"}));
  EXPECT_EQ(PlaceholderSequence("100% sure"), (std::vector<std::string>{"% "}));
  EXPECT_EQ(PlaceholderSequence("end %"), (std::vector<std::string>{"%"}));
  EXPECT_TRUE(PlaceholderSequence("none").empty());
}

}  // namespace
