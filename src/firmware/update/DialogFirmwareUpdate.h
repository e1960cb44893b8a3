#pragma once
// Page 3: updates the device's firmware from the server's list or a local image.
#include <string>

#include "firmware/update/FirmwareJob.h"
#include "pages/WizardPage.h"

namespace firmware {

// Controls of the page that the main window reads.
enum : int {
  IDC_FIRMWARE_IMAGE_PATH = 1028,    // empty: no image chosen
  IDC_FIRMWARE_VOICE_PROMPT = 1032,  // voice-prompt variants
  IDC_FIRMWARE_INSTRUCTIONS = 1207,  // shares its place with the progress bar
};

enum : unsigned {
  TIMER_FIRMWARE_LIST = 201,
  TIMER_UPDATE_PROGRESS = 203,
  TIMER_DEVICE_BACK = 205,
};

// When the page has read the server's firmware list it may offer a newer version; a FALSE here
// skips that offer once (the list is being read again after a language change).
extern bool g_bOfferNewerFirmware;

class CDialogFirmwareUpdate : public pages::CWizardPage {
 public:
  CDialogFirmwareUpdate();
  ~CDialogFirmwareUpdate() override;
  pages::PageFrame DescribeFrame(int language) const override;
  void ShowFrameProgress(bool shown) override;

  CFirmwareJob m_job;
  std::string m_strToolOutput;

  // Page entry: busy until the server's firmware list has been read.
  virtual void ResetUpdatePage();
  virtual void RefreshUpdatePage();
  // ACTION on page 3.
  virtual void StartUpdateFromMain();
  // The user confirmed a DFU update in a message box.
  virtual void StartDfuUpdateConfirmed();

  void OnTimer(unsigned id) override;

  // Runs a firmware tool on the calling (transfer) thread; its log is left in m_strToolOutput,
  // which the caller searches for the tool's success text.
  std::string RunExternalTool(const std::string& commandLine);

 private:
  // The common start of an update; `dfuOnly` takes the DFU path alone.
  void StartUpdate(bool dfuOnly);
  void EndBusy();
};

}  // namespace firmware
