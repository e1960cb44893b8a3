#include "pages/recognition/RecognitionReport.h"

#include "device/ModelNames.h"
#include "device/UsbIdentities.h"
#include "localization/DeviceAccessTexts.h"
#include "headset/RecognitionStates.h"
#include "localization/MakerAddresses.h"
#include "localization/PageNumbers.h"
#include "localization/RecognitionPageTexts.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "localization/WriteBackTexts.h"
#include "platform/Shell.h"

namespace pages::recognition {

namespace {

// Return codes above this stand for "saved on a settings page, then go on to code - 100".
constexpr int kAfterSaveCodeBase = 100;

using ReasonText = std::string (*)(int language);

ReasonText WriteBackReason(headset::WriteBack writeBack) {
  switch (writeBack) {
    case headset::WriteBack::kNotWritten: return text::GetSettingsNotWrittenText;
    case headset::WriteBack::kDiffers: return text::GetSettingsDifferText;
    default: return nullptr;
  }
}

// "Firmware restored successfully. Settings not written to the device": the step that preceded
// the recognition did succeed, the settings it was to put back did not.
void ShowWriteBackFailure(ReportTarget& target, int page, ReasonText reason) {
  const int usb = target.UsbStatus();
  target.ShowStatus(text::InEveryLanguage([&](int language) {
                      return text::Format("%s. %s", text::GetPageSuccessText(page, usb, language), reason(language));
                    }),
                    true);
}

void ReportFound(int state, int returnPage, ReportTarget& target, headset::WriteBack writeBack) {
  target.StopHidPairPoll();
  const ReasonText writeBackFailure = WriteBackReason(writeBack);
  if (returnPage > kAfterSaveCodeBase) {
    target.GoToPage(returnPage - kAfterSaveCodeBase);
    const int usb = target.UsbStatus();
    if (writeBackFailure) return ShowWriteBackFailure(target, wizard::PAGE_DEVICE_SETTING, writeBackFailure);
    if (!device::IsDfuMode(usb)) return;
    const int page = target.CurrentPage();
    target.ShowStatus(text::InEveryLanguage([&](int language) {
                        return text::Format(text::GetPageSuccessText(page, usb, language),
                                            text::GetPageInstructionText(page + 1, usb, language));
                      }),
                      true);
    return;
  }
  if (returnPage >= wizard::PAGE_FIRMWARE_UPDATE && returnPage <= wizard::LAST_PAGE) {
    target.GoToPageKeepingStatus(returnPage);
    if (writeBackFailure) return ShowWriteBackFailure(target, returnPage, writeBackFailure);
    const int usb = target.UsbStatus();
    target.ShowStatus(
        text::InEveryLanguage([&](int language) { return text::GetPageSuccessText(returnPage, usb, language); }),
        false);
    return;
  }
  const int usb = target.UsbStatus();
  const text::LocalizedText status = text::InEveryLanguage([&](int language) {
    const std::string headline =
        state == headset::RECOGNIZE_OK ? text::GetPageSuccessText(wizard::PAGE_RECOGNITION, usb, language)
                              : text::Format("%s. %%s", text::GetFirmwareManagementModeText(language));
    return text::Format(headline, text::GetPageInstructionText(wizard::PAGE_FIRMWARE_UPDATE, 0, language));
  });
  target.GoToPageKeepingStatus(wizard::PAGE_FIRMWARE_UPDATE);
  target.ShowStatus(status, device::IsDfuMode(usb));
}

// The failure headline of page 2 and a reason, in every language.
template <typename Reason>
text::LocalizedText FailureStatus(ReportTarget& target, const char* format, Reason&& reason) {
  const int usb = target.UsbStatus();
  return text::InEveryLanguage([&](int language) {
    return text::Format(format, text::GetPageFailureText(wizard::PAGE_RECOGNITION, usb, language), reason(language));
  });
}

// A warning with OK and "Send email"; the latter opens a mail to technical support.
void WarnWithMailOption(ReportTarget& target, const std::string& message) {
  const int language = target.Language();
  const ReportBox box{message, true, text::GetSendEmailText(language), text::GetOkText(language), 520, 180};
  if (target.RunBox(box)) platform::Shell::Get().Open(std::string("mailto:") + text::kSupportMailAddress);
}

void ReportInterfaceCount(int state, ReportTarget& target) {
  const bool obtained = state == headset::RECOGNIZE_FEWER_INTERFACES_OBTAINED || state == headset::RECOGNIZE_MORE_INTERFACES_OBTAINED;
  WarnWithMailOption(target, text::GetInterfaceCountErrorText(obtained, state, target.Language()));
  target.ShowStatus(FailureStatus(target, obtained ? "%s. %s" : "%s. %s [2]",
                                  [&](int language) { return text::GetUsbInterfaceCountText(state, language); }),
                    true);
  target.GoToSelectionPage();
}

void ReportProvisioned(ReportTarget& target) {
  target.ShowStatus(text::InEveryLanguage([](int language) {
                      return text::Format("%s. %s", text::GetDeviceActivatedText(language),
                                          text::GetPageInstructionText(wizard::PAGE_RECOGNITION, 1, language));
                    }),
                    false);
  target.SetInstructionVariant(text::kUnplugUsbVariant);
  const int language = target.Language();
  target.RunBox({text::Format(text::GetProvisionedText(language),
                              text::GetProvisioningStepsText(text::kUnplugUsbVariant, language)),
                 false, std::nullopt, text::GetOkText(language), 550, 290});
}

ReasonText NoDeviceReason(platform::DeviceAccess access, headset::WriteBack writeBack) {
  switch (access) {
    case platform::DeviceAccess::kAccessDenied: return text::GetNoPermissionText;
    case platform::DeviceAccess::kBusy: return text::GetDeviceBusyText;
    default:
      // Settings still owed to a device that has not come back: NEXT writes them once it has.
      return writeBack == headset::WriteBack::kNotWritten ? text::GetSettingsNotWrittenText
                                                          : text::GetCannotOpenUsbText;
  }
}

}  // namespace

void ReportRecognition(int state, int returnPage, bool interactive, ReportTarget& target,
                       platform::DeviceAccess access, headset::WriteBack writeBack) {
  switch (state) {
    case headset::RECOGNIZE_OK:
    case headset::RECOGNIZE_DFU_MODE:
      ReportFound(state, returnPage, target, writeBack);
      return;
    case headset::RECOGNIZE_NO_DEVICE:
      target.ShowStatus(FailureStatus(target, "%s. %s", NoDeviceReason(access, writeBack)), true);
      return;
    case headset::RECOGNIZE_CARD_FILE_MISSING:
      target.ShowStatus(FailureStatus(target, "%s. %s", text::GetCheckSdCardText), true);
      return;
    case headset::RECOGNIZE_PROVISIONED:
      if (interactive) ReportProvisioned(target);
      return;
    case headset::RECOGNIZE_FEWER_INTERFACES_OBTAINED:
    case headset::RECOGNIZE_MORE_INTERFACES_OBTAINED:
    case headset::RECOGNIZE_FEWER_INTERFACES_FOUND:
    case headset::RECOGNIZE_MORE_INTERFACES_FOUND:
      if (interactive) ReportInterfaceCount(state, target);
      return;
    case headset::RECOGNIZE_INTERFACE_PROBLEM:
      WarnWithMailOption(target, text::GetUsbInterfaceProblemText(target.Language()));
      target.ShowStatus(FailureStatus(target, "%s. %s", text::GetOddUsbInterfaceText), true);
      target.GoToSelectionPage();
      return;
    default: {
      const int language = target.Language();
      const std::string model = device::GetModelName(target.DeviceTarget(), false);
      target.RunBox({text::Format(text::GetOtherDeviceText(language), model),
                     true, std::nullopt, text::GetOkText(language), 440, 130});
      target.GoToSelectionPage();
      return;
    }
  }
}

}  // namespace pages::recognition
