#include "localization/FirmwareTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TextChecks.h"
#include "localization/PageNumbers.h"
#include "localization/ServerFailureTexts.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "localization/TextRow.h"

namespace {

using namespace text;

using Getter = std::string (*)(int);

// Every language getter with its English text; the translations must take the same arguments
// and, where the English text breaks lines, break as many.
const std::vector<std::pair<Getter, std::string>>& Getters() {
  static const std::vector<std::pair<Getter, std::string>> getters = {
      {GetNoBackupFirmwareText, "NO backup firmware"},
      {GetNoBackupOnServerText, "No backup firmware on the server"},
      {GetCheckingFirmwareText, "Checking firmware"},
      {GetCheckingBackupFirmwareText, "Checking backup firmware"},
      {GetCannotGetStatusText, "Cannot get status"},
      {GetFirmwareCorruptedText, "Firmware corrupted"},
      {GetWithoutBackupText, "without backup firmware"},
      {GetAboutToMakeBackupText, "about to make backup firmware"},
      {GetCannotGetDeviceText, "Cannot get device"},
      {GetPressButtonText, "Press the [%s] button"},
      {GetPressRestoreButtonText, "Press the [RESTORE] button"},
      {GetRestoreAfterLanguageText, "Press the [RESTORE] button after selecting voice prompt language"},
      {GetPressUpdateButtonText, "Press the [UPDATE] button"},
      {GetDownloadFailedText, "Failed to download latest firmware"},
      {GetAboutToDownloadLatestText, "about to download latest firmware"},
      {GetAboutToDownloadBackupText, "about to download backup firmware"},
      {GetUsbMismatchText, "USB not match"},
      {GetCannotUpdateFirmwareText, "Cannot update firmware"},
      {GetBrowseText, "Browse..."},
      {GetDownloadButtonText, "Download..."},
      {GetPairingAdviceText,
       "It is strongly recommended to clear the existing pairing information from the phone and to perform a "
       "Bluetooth pairing again. You need to reconfigure the device setting again according to your original "
       "setting."},
      {GetCameraReconnectText,
       "1. Disconnect the USB cable from the THESSIK.\n2. Wait until the THESSIK completes update and powers off.\n"
       "3. Connect USB cable to the THESSIK and then power on it.\n4. Press [OK] button.\n"},
      {GetPowerCycleText, "%s.\nPower off and power on KV56 to apply new firmware."},
      {GetLatestVersionText, "Latest Version"},
      {GetFirmwareToUpdateText, "Firmware To Update"},
      {GetImageFilterText, "Firmware Files(*.img)|"},
      {GetVoicePromptInstructionsText,
       "1. To change the language of the voice prompt, click on the drop down\n    menu to select your desired "
       "voice prompt language.\n2. Press [DOWNLOAD] to download the firmware for your desired voice\n    prompt "
       "language to your computer.\n3. Press [UPDATE] to proceed with the firmware update."},
      {GetNewFirmwareQuestionText,
       "New firmware is now available.\nWould you like to download it from the server and update onto it?"},
      {GetCurrentVersionText, "Current version: v"},
      {GetNewVersionText, "New version: v"},
  };
  return getters;
}

TEST(FirmwareTexts, EnglishAsGivenTranslatedWithTheSamePlaceholdersAndBadIndicesEnglish) {
  for (const auto& [get, english] : Getters()) {
    SCOPED_TRACE(english);
    EXPECT_EQ(get(0), english);
    EXPECT_EQ(get(-1), english);
    EXPECT_EQ(get(11), english);
    for (int language = 1; language < kLanguageCount; ++language) {
      const std::string text = get(language);
      EXPECT_FALSE(text.empty()) << language;
      EXPECT_EQ(testing_text::PlaceholderSequence(text), testing_text::PlaceholderSequence(english)) << language;
      if (get != GetVoicePromptInstructionsText) {
        EXPECT_EQ(testing_text::CountOf(text, "\n"), testing_text::CountOf(english, "\n")) << language;
      }
    }
  }
}

// Where a text follows a full stop in a message (a page's progress headline, which ends in one, or
// a failure headline joined with ". "), it starts as a sentence does: "Firmware wird aktualisiert.
// neueste Firmware ..." reads wrong, "... Die neueste Firmware ..." right. English keeps its own texts.
TEST(FirmwareTexts, WhatFollowsAFullStopStartsAsASentence) {
  // A small letter of the Latin or Cyrillic script right after ". ".
  const auto lowerAfterFullStop = [](const std::string& message) {
    for (size_t at = message.find(". "); at != std::string::npos; at = message.find(". ", at + 1)) {
      const auto byte = [&](size_t i) { return i < message.size() ? static_cast<unsigned char>(message[i]) : 0u; };
      const unsigned first = byte(at + 2), second = byte(at + 3);
      const unsigned code = first < 0x80 ? first : ((first & 0x1F) << 6) | (second & 0x3F);
      if ((code >= 'a' && code <= 'z') || (code >= 0xDF && code <= 0xFF && code != 0xF7) ||
          (code >= 0x430 && code <= 0x45F)) {
        return true;
      }
    }
    return false;
  };
  const Getter afterProgress[] = {GetAboutToMakeBackupText, GetAboutToDownloadLatestText, GetAboutToDownloadBackupText,
                                  GetCheckingFirmwareText, GetCheckingBackupFirmwareText};
  const Getter afterFailure[] = {GetNoBackupFirmwareText, GetNoBackupOnServerText, GetCannotGetStatusText,
                                 GetFirmwareCorruptedText, GetCannotGetDeviceText, GetUsbMismatchText,
                                 GetCannotUpdateFirmwareText, GetCannotConnectToServerText, GetCannotOpenFileText,
                                 GetDeviceMismatchText};
  for (int language = 1; language < kLanguageCount; ++language) {
    for (const int page : {wizard::PAGE_FIRMWARE_UPDATE, wizard::PAGE_FIRMWARE_RESTORE}) {
      for (const Getter phrase : afterProgress) {
        const std::string message = GetPageProgressText(page, 0, language) + " " + phrase(language);
        EXPECT_FALSE(lowerAfterFullStop(message)) << message;
      }
      for (const Getter reason : afterFailure) {
        const std::string message = GetPageFailureText(page, 0, language) + ". " + reason(language);
        EXPECT_FALSE(lowerAfterFullStop(message)) << message;
      }
      const std::string download = GetDownloadFailedText(language) + ". " + GetCannotConnectToServerText(language);
      EXPECT_FALSE(lowerAfterFullStop(download)) << download;
    }
  }
  EXPECT_EQ(GetPageProgressText(wizard::PAGE_FIRMWARE_UPDATE, 0, 2) + " " + GetAboutToDownloadLatestText(2),
            "Firmware wird aktualisiert. Die neueste Firmware wird heruntergeladen");
}

TEST(FirmwareTexts, ModelNameOfTheImageCheck) {
  EXPECT_EQ(GetFirmwareNotForModelText(0x4D10, 0), "Firmware not for TQG27");
  EXPECT_EQ(GetFirmwareNotForModelText(0x0001, 0), "Firmware not for ");
}

TEST(FirmwareTexts, LanguageCodesOfImageNamesAndOfTheDevice) {
  EXPECT_EQ(GetLanguageIndexFromCode("FR"), 0);
  EXPECT_EQ(GetLanguageIndexFromCode("fr"), 1);
  EXPECT_EQ(GetLanguageIndexFromCode("dc"), 7);
  EXPECT_EQ(GetLanguageIndexFromCode("fn"), 10);
  EXPECT_EQ(GetLanguageIndexFromCode(""), 0);
  const int device[kLanguageCount] = {0, 1, 4, 3, 6, 5, 2, 7, 8, 9, 10};
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(GetVoicePromptLanguageCode(language), device[language]) << language;
  }
  EXPECT_EQ(GetVoicePromptLanguageCode(-1), 0);
  EXPECT_EQ(GetVoicePromptLanguageCode(11), 0);
}

}  // namespace
