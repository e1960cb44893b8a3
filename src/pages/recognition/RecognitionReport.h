#pragma once
// The reporting step of a recognition run: what the status line says in every language, which
// message box (if any) the user sees, and where the wizard goes, by the run's result. The step
// talks to the window through ReportTarget, so that it reads the same whoever carries it out.
#include <optional>
#include <string>

#include "headset/WriteBackResult.h"
#include "localization/TextRow.h"
#include "platform/DeviceAccess.h"

namespace pages::recognition {

struct ReportBox {
  std::string text;
  bool warning = false;                   // warning picture, else the logo
  std::optional<std::string> cancelText;  // no Cancel button without one
  std::string okText;
  int width = 0;   // pixels
  int height = 0;
};

class ReportTarget {
 public:
  virtual ~ReportTarget() = default;
  virtual int Language() const = 0;
  virtual int UsbStatus() const = 0;
  virtual int DeviceTarget() const = 0;
  virtual int CurrentPage() const = 0;
  // Stores the message in every language and shows the current language's in the error or the
  // normal colour.
  virtual void ShowStatus(const text::LocalizedText& message, bool error) = 0;
  // Runs the box modally; true when the user chose its Cancel button.
  virtual bool RunBox(const ReportBox& box) = 0;
  // Page 1 to 7 by number, with the page's status.
  virtual void GoToPage(int page) = 0;
  // Page 3 to 7 without touching the status line.
  virtual void GoToPageKeepingStatus(int page) = 0;
  virtual void GoToSelectionPage() = 0;
  virtual void SetInstructionVariant(int variant) = 0;
  virtual void StopHidPairPoll() = 0;
};

// Reports `state` (a RecognizeResult). `returnPage` is the recognition page's return code; the
// boxes of the provisioning and interface-count states appear only when `interactive`. Without a
// device, `access` says whether one is attached that this user may not open or another program
// holds; the status then names that instead of "Cannot open USB". A recognised device whose run
// was to write settings back and did not get them in as they were has that said after the success
// of the step it returns from, in the error colour; a run that found no device while settings
// were owed says they were not written.
void ReportRecognition(int state, int returnPage, bool interactive, ReportTarget& target,
                       platform::DeviceAccess access = platform::DeviceAccess::kGone,
                       headset::WriteBack writeBack = headset::WriteBack::kNone);

}  // namespace pages::recognition
