#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "headset/RecognitionStates.h"
#include "localization/RecognitionPageTexts.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "localization/WriteBackTexts.h"
#include "pages/recognition/RecognitionReport.h"
#include "platform/Shell.h"

namespace {

using namespace headset;
using namespace pages;
using namespace pages::recognition;

// Records what the reporting step did to the window, in order.
class RecordingTarget : public ReportTarget {
 public:
  int language = 0;
  int usbStatus = 0x4D21;
  int deviceTarget = 0x4D21;
  int currentPage = 2;
  bool chooseCancel = false;

  std::vector<std::string> steps;
  std::optional<text::LocalizedText> status;
  bool statusError = false;
  std::vector<ReportBox> boxes;
  int variant = 0;

  int Language() const override { return language; }
  int UsbStatus() const override { return usbStatus; }
  int DeviceTarget() const override { return deviceTarget; }
  int CurrentPage() const override { return currentPage; }
  void ShowStatus(const text::LocalizedText& message, bool error) override {
    steps.push_back("status");
    status = message;
    statusError = error;
  }
  bool RunBox(const ReportBox& box) override {
    steps.push_back("box");
    boxes.push_back(box);
    return chooseCancel;
  }
  void GoToPage(int page) override {
    steps.push_back("page " + std::to_string(page));
    currentPage = page;
  }
  void GoToPageKeepingStatus(int page) override {
    steps.push_back("quietly page " + std::to_string(page));
    currentPage = page;
  }
  void GoToSelectionPage() override {
    steps.push_back("page 1");
    currentPage = 1;
  }
  void SetInstructionVariant(int v) override {
    steps.push_back("variant");
    variant = v;
  }
  void StopHidPairPoll() override { steps.push_back("stop poll"); }
};

struct Case {
  const char* what;
  int state;
  int returnPage;
  bool interactive;
  int usbStatus;
  std::vector<std::string> steps;
  const char* english;  // the status in English; nullptr: none shown
  bool error;
};

TEST(RecognitionReport, StatusBoxAndPageOfEveryState) {
  const Case cases[] = {
      {"found", RECOGNIZE_OK, 0, true, 0x4D21, {"stop poll", "quietly page 3", "status"},
       "Device recognized successfully. Ready for FIRMWARE UPDATE", false},
      {"found in DFU mode", RECOGNIZE_DFU_MODE, 0, true, 0xCD21, {"stop poll", "quietly page 3", "status"},
       "Firmware management mode. Ready for FIRMWARE UPDATE", true},
      {"found again after an update", RECOGNIZE_OK, 3, false, 0x4D21, {"stop poll", "quietly page 3", "status"},
       "Firmware updated successfully", false},
      {"found again after a save on the last page", RECOGNIZE_OK, 7, false, 0x4D21,
       {"stop poll", "quietly page 7", "status"}, "Device setting saved successfully", false},
      {"a return page beyond the last is no return page", RECOGNIZE_OK, 8, false, 0x4D21,
       {"stop poll", "quietly page 3", "status"}, "Device recognized successfully. Ready for FIRMWARE UPDATE",
       false},
      {"found again after a save, on to page 4", RECOGNIZE_OK, 104, false, 0x4D21, {"stop poll", "page 4"}, nullptr,
       false},
      {"no device", RECOGNIZE_NO_DEVICE, 0, false, 0, {"status"}, "Failed to recognize device. Cannot open USB", true},
      {"no card file", RECOGNIZE_CARD_FILE_MISSING, 0, true, 0, {"status"}, nullptr, true},
      {"provisioned, interactive", RECOGNIZE_PROVISIONED, 0, true, 0, {"status", "variant", "box"}, nullptr, false},
      {"provisioned, silent", RECOGNIZE_PROVISIONED, 3, false, 0, {}, nullptr, false},
      {"fewer obtained, interactive", RECOGNIZE_FEWER_INTERFACES_OBTAINED, 0, true, 0, {"box", "status", "page 1"},
       nullptr, true},
      {"more found, silent", RECOGNIZE_MORE_INTERFACES_FOUND, 5, false, 0, {}, nullptr, false},
      {"interface problem, even silent", RECOGNIZE_INTERFACE_PROBLEM, 5, false, 0, {"box", "status", "page 1"},
       nullptr, true},
      {"other model, even silent", RECOGNIZE_OTHER_MODEL, 3, false, 0, {"box", "page 1"}, nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingTarget target;
    target.usbStatus = c.usbStatus;
    ReportRecognition(c.state, c.returnPage, c.interactive, target);
    EXPECT_EQ(target.steps, c.steps);
    if (!target.status) continue;
    EXPECT_EQ(target.statusError, c.error);
    if (c.english) {
      EXPECT_EQ((*target.status)[0], c.english);
    }
    // Every language has its own wording.
    EXPECT_FALSE((*target.status)[1].empty());
    EXPECT_NE((*target.status)[1], (*target.status)[0]);
  }
}

TEST(RecognitionReport, StatusesInFrenchUseTheFrenchReasons) {
  RecordingTarget target;
  ReportRecognition(RECOGNIZE_CARD_FILE_MISSING, 0, true, target);
  ASSERT_TRUE(target.status);
  EXPECT_NE((*target.status)[1].find(text::GetCheckSdCardText(1)), std::string::npos);
  EXPECT_NE((*target.status)[0].find(text::GetCheckSdCardText(0)), std::string::npos);

  RecordingTarget counts;
  ReportRecognition(RECOGNIZE_MORE_INTERFACES_FOUND, 0, true, counts);
  ASSERT_TRUE(counts.status);
  const std::string french = (*counts.status)[1];
  EXPECT_NE(french.find(text::GetUsbInterfaceCountText(RECOGNIZE_MORE_INTERFACES_FOUND, 1)), std::string::npos);
  EXPECT_EQ(french.substr(french.size() - 4), " [2]");
  EXPECT_EQ((*counts.status)[0], "Failed to recognize device. more USB interface(s) [2]");
}

TEST(RecognitionReport, BoxesAndTheMailLink) {
  platform::RecordingShell shell;
  platform::Shell::Scoped shellScope(shell);
  {
    RecordingTarget target;
    target.language = 1;
    target.chooseCancel = true;
    ReportRecognition(RECOGNIZE_MORE_INTERFACES_OBTAINED, 0, true, target);
    ASSERT_EQ(target.boxes.size(), 1u);
    const ReportBox& box = target.boxes[0];
    EXPECT_EQ(box.text, text::GetInterfaceCountErrorText(true, RECOGNIZE_MORE_INTERFACES_OBTAINED, 1));
    EXPECT_TRUE(box.warning);
    EXPECT_EQ(box.cancelText, text::GetSendEmailText(1));
    EXPECT_EQ(box.okText, text::GetOkText(1));
    EXPECT_EQ(box.width, 520);
    EXPECT_EQ(shell.Opened(), (std::vector<std::string>{"mailto:support@zelto.com"}));
  }
  {
    RecordingTarget target;
    ReportRecognition(RECOGNIZE_INTERFACE_PROBLEM, 0, false, target);  // OK: no mail
    EXPECT_EQ(shell.Opened().size(), 1u);
  }
  {
    RecordingTarget target;
    target.deviceTarget = 0x4D21;
    ReportRecognition(RECOGNIZE_OTHER_MODEL, 0, true, target);
    ASSERT_EQ(target.boxes.size(), 1u);
    EXPECT_FALSE(target.boxes[0].cancelText.has_value());
    EXPECT_EQ(target.boxes[0].width, 440);
    EXPECT_EQ(target.boxes[0].text.find("%s"), std::string::npos);
    EXPECT_FALSE(target.status.has_value());
  }
  {
    RecordingTarget target;
    ReportRecognition(RECOGNIZE_PROVISIONED, 0, true, target);
    ASSERT_EQ(target.boxes.size(), 1u);
    EXPECT_FALSE(target.boxes[0].warning);
    EXPECT_EQ(target.variant, text::kUnplugUsbVariant);
    EXPECT_NE(target.boxes[0].text.find("1. Unplug the USB cable from PC."), std::string::npos);
    EXPECT_EQ((*target.status)[0], "Device activated. " + text::GetPageInstructionText(2, 1, 0));
  }
}

TEST(RecognitionReport, AfterASaveInDfuModeTheNewPageSaysSo) {
  RecordingTarget target;
  target.usbStatus = 0xCD21;
  ReportRecognition(RECOGNIZE_DFU_MODE, 103, false, target);
  EXPECT_EQ(target.steps, (std::vector<std::string>{"stop poll", "page 3", "status"}));
  EXPECT_TRUE(target.statusError);
  EXPECT_EQ((*target.status)[0].find("%"), std::string::npos);
}

// Settings a run was to write back and did not get into the device as they were: the step it
// returns from still succeeded, and the status says what became of the settings, as an error.
TEST(RecognitionReport, ASettingsWriteBackThatFailedIsSaidAfterTheStepsSuccess) {
  struct Case {
    int returnPage;
    WriteBack writeBack;
    int succeededPage;  // whose success opens the status; 0: no write-back text
    std::string (*reason)(int);
  };
  const Case cases[] = {
      {4, WriteBack::kNotWritten, 4, text::GetSettingsNotWrittenText},
      {4, WriteBack::kDiffers, 4, text::GetSettingsDifferText},
      {3, WriteBack::kNotWritten, 3, text::GetSettingsNotWrittenText},
      {107, WriteBack::kDiffers, 5, text::GetSettingsDifferText},
      {4, WriteBack::kWritten, 0, nullptr},
      {4, WriteBack::kNone, 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.returnPage);
    SCOPED_TRACE(static_cast<int>(c.writeBack));
    RecordingTarget target;
    ReportRecognition(RECOGNIZE_OK, c.returnPage, false, target, platform::DeviceAccess::kGone, c.writeBack);
    ASSERT_TRUE(target.status.has_value());
    for (int language = 0; language < text::kLanguageCount; ++language) {
      const std::string expected =
          c.reason ? text::GetPageSuccessText(c.succeededPage, 0x4D21, language) + ". " + c.reason(language)
                   : text::GetPageSuccessText(c.returnPage, 0x4D21, language);
      EXPECT_EQ((*target.status)[size_t(language)], expected) << language;
    }
    EXPECT_EQ(target.statusError, c.reason != nullptr);
    EXPECT_EQ(target.currentPage, c.returnPage % 100);
  }
  // No device found while settings were owed: they were not written, and the page stays.
  RecordingTarget target;
  ReportRecognition(RECOGNIZE_NO_DEVICE, 4, true, target, platform::DeviceAccess::kGone, WriteBack::kNotWritten);
  EXPECT_EQ((*target.status)[0], text::GetPageFailureText(2, 0x4D21, 0) + ". " + text::GetSettingsNotWrittenText(0));
  EXPECT_TRUE(target.statusError);
  EXPECT_EQ(target.currentPage, 2);
}

}  // namespace
