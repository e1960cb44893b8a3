#pragma once
// Page 3: updates the device's firmware with the newest image the update server lists for it, or
// with a local image. On entry it reads the server's "Firmware" list, may offer a newer version,
// and gets the image by download or Browse; ACTION then hands the job to the update.
#include <string>

#include "firmware/update/FirmwareJob.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "framework/Static.h"
#include "pages/WizardPage.h"

namespace firmware {

struct FirmwareListEntry;

enum : int {
  IDC_FIRMWARE_TO_UPDATE = 1027,
  IDC_FIRMWARE_IMAGE_PATH = 1028,  // empty: no image chosen
  IDC_FIRMWARE_BROWSE = 1029,
  IDC_FIRMWARE_LATEST_VERSION = 1030,
  IDC_FIRMWARE_DOWNLOAD = 1031,
  IDC_FIRMWARE_VOICE_PROMPT = 1032,  // voice-prompt variants
  IDC_FIRMWARE_VOICE_PROMPT_CAPTION = 1035,
  IDC_FIRMWARE_INSTRUCTIONS = 1207,  // shares its place with the progress bar
};

enum : unsigned {
  TIMER_FIRMWARE_LIST = 201,
  TIMER_UPDATE_PROGRESS = 203,
  TIMER_DEVICE_BACK = 205,
  TIMER_FIRMWARE_DOWNLOAD = 206,
};

// The server's list of firmware images.
inline constexpr const char* kFirmwareListName = "Firmware";

// When the page has read the server's firmware list it may offer a newer version; a false here
// skips that offer once (the list is being read again after a language change).
extern bool g_bOfferNewerFirmware;

class CDialogFirmwareUpdate : public pages::CWizardPage {
 public:
  CDialogFirmwareUpdate();
  ~CDialogFirmwareUpdate() override;
  pages::PageFrame DescribeFrame(int language) const override;
  void ShowFrameProgress(bool shown) override;

  CFirmwareJob m_job;
  // The user accepted the offer of a newer firmware: ACTION follows the download by itself.
  bool m_bAutoUpdate = false;
  std::string m_strToolOutput;

  fw::Static m_staticFirmwareToUpdate;  // 1027
  fw::Edit m_editImagePath;             // 1028
  fw::Button m_btnBrowse;               // 1029
  fw::Static m_staticLatestVersion;     // 1030
  fw::Button m_btnDownload;             // 1031
  fw::ComboBox m_comboVoicePrompt;      // 1032
  fw::Static m_staticVoicePrompt;       // 1035
  fw::Static m_staticInstructions;      // 1207

  // Page entry: busy until the server's firmware list has been read.
  virtual void ResetUpdatePage();
  // Captions, states, the latest-version label and the voice-prompt choice from the job.
  virtual void RefreshUpdatePage();
  // ACTION on page 3.
  virtual void StartUpdateFromMain();
  // The user confirmed a DFU update in a message box.
  virtual void StartDfuUpdateConfirmed();
  // The server's version is newer than the recognised device's firmware.
  bool IsNewerFirmwareAvailable() const;
  // The model name the firmware list is searched for.
  std::string FirmwareListKey() const;

  void OnBrowse();
  void OnDownload();

  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;
  void OnTimer(unsigned id) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;

  // Runs a firmware tool on the calling (transfer) thread; its log is left in m_strToolOutput,
  // which the caller searches for the tool's success text.
  std::string RunExternalTool(const std::string& commandLine);

 protected:
  // Where a started job goes: the update's checks and transfers (the DFU path alone for the
  // second). Until they exist a started job fails at once with "Cannot update firmware", which
  // the first progress tick shows.
  virtual void StartFirmwareUpdate();
  virtual void StartDfuUpdate();

 private:
  // The common start of an update; `dfuOnly` takes the DFU path alone.
  void StartUpdate(bool dfuOnly);
  void OnFirmwareListTimer();
  void TakeFirmwareList(const FirmwareListEntry& entry);
  void OfferNewerFirmware();
  void OnFirmwareDownloadTimer();
  void OnProgressTimer();
  // The folder both file dialogs open in.
  std::string FileDialogFolder() const;
  // The path field shows `path` with the caret after its end.
  void ShowImagePath(const std::string& path);
};

}  // namespace firmware
