#include "firmware/transfer/UpdateThreadExternalTools.h"

#include <array>
#include <string>
#include <vector>

#include "firmware/transfer/ExternalToolCommands.h"
#include "firmware/transfer/ExtractedSectionFile.h"
#include "firmware/transfer/HidTransferRun.h"
#include "firmware/transfer/ModulePair.h"
#include "io/ExternalTool.h"
#include "io/HidInterfaceLookup.h"
#include "io/HidReports.h"
#include "localization/FirmwareTexts.h"
#include "localization/StatusTexts.h"
#include "platform/Paths.h"
#include "platform/Serial.h"

namespace firmware {
namespace {

constexpr int kOpenAttempts = 20;
constexpr uint32_t kOpenRetryMs = 1000;
constexpr int kDfuDeviceChecks = 15;
constexpr uint32_t kDfuDeviceCheckMs = 1000;
constexpr uint32_t kBetweenCommandsMs = 1000;
constexpr uint32_t kBeforeToolMs = 2000;
constexpr uint32_t kBeforeReopenMs = 2000;
constexpr uint32_t kAfterFailedDfuToolMs = 1000;
constexpr uint32_t kBeforeClosingMs = 2000;

// The container holds the Bluetooth image first and the microcontroller image second.
constexpr size_t kBluetoothSection = 0;
constexpr size_t kMicrocontrollerSection = 1;
constexpr size_t kSectionsUsed = 2;

constexpr int kPercentAfterModuleA = 36;
constexpr int kPercentAfterModuleB = 66;
constexpr int kPercentAfterMicrocontroller = 89;

class ExternalToolsRun {
 public:
  ExternalToolsRun(const HidTransferContext& context, std::stop_token stop)
      : m_context(context), m_run(context, std::move(stop)), m_modules(context.limits) {}

  void Run() {
    if (!LoadImage()) return;
    if (!m_run.ArchiveSettings("[9]")) return;
    m_run.StartTransfer(/*enterTransferring=*/false);
    if (!Extract()) return;
    m_context.job.m_nState = JOB_TRANSFERRING;
    m_tools = ConfiguredExternalTools();
    if (OpenModules() && FlashModuleA() && FlashModuleB() && FlashMicrocontroller()) HandBack();
  }

 private:
  bool FailCorrupted(const char* tag) { return m_run.GiveUp(text::GetFirmwareCorruptedText, tag); }

  // After the extraction every failure takes both files away.
  bool Fail(const char* tag) {
    DeleteExtractedFiles();
    return m_run.GiveUp(text::GetCannotGetStatusText, tag);
  }

  void DeleteExtractedFiles() {
    for (const std::string& path : m_files) DeleteFileIfPresent(path);
  }

  bool Wait(uint32_t ms) {
    if (m_run.Pause(ms)) return true;
    DeleteExtractedFiles();
    return m_run.GiveUpStopped();
  }

  bool LoadImage() {
    const ImageProductTest test = ImageProductTest::Equals(static_cast<uint32_t>(m_context.deviceTarget));
    const ImageCheck check = m_image.Read(m_context.imagePath, ImageLayout::Newer, test);
    if (WasRead(check)) m_context.job.m_nState = JOB_CHECKING_IMAGE;
    switch (check) {
      case ImageCheck::Ok: break;
      case ImageCheck::NotOpened: return FailCorrupted("[2]");
      case ImageCheck::TooShort: return FailCorrupted("[3]");
      case ImageCheck::TooLarge: return FailCorrupted("[4]");
      case ImageCheck::ReadShort: return FailCorrupted("[5]");
      case ImageCheck::WrongProduct: return FailCorrupted("[6]");
      case ImageCheck::OutOfBounds: return FailCorrupted("[7]");
      case ImageCheck::DigestDiffers: return FailCorrupted("[8]");
    }
    // Both images must be there: a container of one section has no microcontroller image.
    if (m_image.Sections().size() < kSectionsUsed) return FailCorrupted("[7]");
    m_context.job.m_nState = JOB_IMAGE_OK;
    return true;
  }

  bool Extract() {
    const std::string folder = platform::Paths::Get().ImageFolder();
    if (folder.empty()) return FailCorrupted("[10]");
    m_files = {folder + "/" + kBluetoothImageFileName, folder + "/" + kMicrocontrollerImageFileName};
    for (size_t section : {kBluetoothSection, kMicrocontrollerSection}) {
      switch (WriteSectionFile(m_files[section], m_image.SectionBytes(section), m_image.Sections()[section].digest)) {
        case SectionFileResult::Written: break;
        // A tool given no file would only fail later with a message that hides the reason.
        case SectionFileResult::NotCreated:
        case SectionFileResult::ShortWrite: return FailCorrupted("[11]");
        case SectionFileResult::NotReopened: return FailCorrupted("[12]");
        case SectionFileResult::DigestDiffers: return FailCorrupted("[13]");
        case SectionFileResult::SizeDiffers: return FailCorrupted("[14]");
      }
    }
    return true;
  }

  // Up to kOpenAttempts attempts, pausing after each that did not open both.
  template <typename OpenOnce>
  bool OpenWithRetries(OpenOnce openOnce, bool& opened) {
    opened = false;
    for (int attempt = 0; attempt < kOpenAttempts && !opened; ++attempt) {
      opened = openOnce();
      if (!opened && !Wait(kOpenRetryMs)) return false;
    }
    return true;
  }

  bool OpenModules() {
    bool opened = false;
    if (!OpenWithRetries([this] { return m_modules.OpenOrDfu(); }, opened)) return false;
    return opened || Fail("[16]");
  }

  // Whether both opened is left to the next command that is checked.
  bool Reopen(uint32_t pauseMs) {
    m_modules.Close();
    if (pauseMs > 0 && !Wait(pauseMs)) return false;
    bool opened = false;
    return OpenWithRetries([this] { return m_modules.Open(); }, opened);
  }

  // Commands go by module role; flashing the wrong module, or booting the microcontroller through
  // it, is not to be risked on a guess.
  bool QueryRoles() { return m_modules.QueryRoles() || Fail("[20]"); }

  // The run goes on without it: the tool's output decides.
  bool WaitForDfuDevice() {
    for (int check = 0; check < kDfuDeviceChecks; ++check) {
      if (io::CountHidDfuDevices(1) == 1) return true;
      if (!Wait(kDfuDeviceCheckMs)) return false;
    }
    return true;
  }

  bool RunDfuTool() {
    const std::string commandLine = DfuToolCommandLine(m_tools, m_files[kBluetoothSection]);
    if (!Wait(kBeforeToolMs)) return false;
    if (io::RunExternalTool(commandLine).find(kDfuToolSuccessText) != std::string::npos) return true;
    if (!Wait(kAfterFailedDfuToolMs)) return false;
    DeleteExtractedFiles();
    return m_run.GiveUpWith(text::InEveryLanguage([&](int language) {
      return text::GetPageFailureText(m_context.page, m_context.usbStatus, language) + ". " +
             text::GetCannotGetStatusText(language) + "[1][19](" + commandLine + ")";
    }));
  }

  bool FlashModuleA() {
    m_modules.Send(0, io::HID_CMD_MODULE_NORMAL);
    if (!Wait(kBetweenCommandsMs)) return false;
    m_modules.Send(1, io::HID_CMD_MODULE_NORMAL);
    if (!Wait(kBetweenCommandsMs) || !QueryRoles()) return false;
    m_modules.Send(m_modules.A(), io::HID_CMD_MODULE_DFU);
    if (!WaitForDfuDevice()) return false;
    m_modules.Send(m_modules.B(), io::HID_CMD_MODULE_NORMAL);
    if (!Wait(kBetweenCommandsMs)) return false;
    return RunDfuTool();
  }

  bool FlashModuleB() {
    m_context.job.m_nPercent = kPercentAfterModuleA;
    if (!Reopen(kBeforeReopenMs)) return false;
    m_modules.Send(0, io::HID_CMD_MODULE_NORMAL);
    if (!Wait(kBetweenCommandsMs)) return false;
    m_modules.Send(1, io::HID_CMD_MODULE_NORMAL);
    if (!QueryRoles()) return false;
    m_modules.Send(m_modules.B(), io::HID_CMD_MODULE_DFU);
    if (!WaitForDfuDevice()) return false;
    if (!m_modules.Send(m_modules.A(), io::HID_CMD_MODULE_NORMAL)) return Fail("[28]");
    if (!Wait(kBetweenCommandsMs)) return false;
    return RunDfuTool();
  }

  bool FlashMicrocontroller() {
    m_context.job.m_nPercent = kPercentAfterModuleB;
    if (!Reopen(kBeforeReopenMs)) return false;
    if (!m_modules.Send(0, io::HID_CMD_MODULE_NORMAL)) return Fail("[29]");
    if (!Wait(kBetweenCommandsMs)) return false;
    if (!m_modules.Send(1, io::HID_CMD_MODULE_NORMAL)) return Fail("[30]");
    if (!QueryRoles() || !Wait(kBetweenCommandsMs)) return false;
    if (!m_modules.Send(m_modules.B(), io::HID_CMD_MCU_BOOT)) return Fail("[21]");
    if (!Wait(kBetweenCommandsMs)) return false;
    if (!m_modules.Send(0, io::HID_CMD_MODULE_NORMAL)) return Fail("[18]");
    if (!Wait(kBetweenCommandsMs)) return false;
    if (!m_modules.Send(1, io::HID_CMD_MODULE_NORMAL)) return Fail("[18]");
    if (!Wait(kBetweenCommandsMs)) return false;

    const platform::SerialAdapterPort port = platform::Serial::Get().FtdiAdapterPort();
    if (!port.adapterFound) return Fail("[24]");
    // Without a port number the loader would be sent to a port that is not the adapter's.
    if (port.portNumber < 0) return Fail("[23]");
    const std::string output =
        io::RunExternalTool(FlashLoaderCommandLine(m_tools, port.portNumber, m_files[kMicrocontrollerSection]));
    m_context.job.m_nPercent = kPercentAfterMicrocontroller;
    return output.find(kFlashLoaderSuccessText) != std::string::npos || Fail("[25]");
  }

  // The modules back in their normal mode, told the update is over; the device-back check ends
  // the job once the product is back.
  bool HandBack() {
    if (!Wait(kBeforeClosingMs) || !Reopen(0)) return false;
    if (!m_modules.Send(0, io::HID_CMD_MODULE_NORMAL)) return Fail("[38]");
    if (!Wait(kBetweenCommandsMs)) return false;
    if (!m_modules.Send(1, io::HID_CMD_MODULE_NORMAL)) return Fail("[39]");
    if (!Wait(kBetweenCommandsMs) || !QueryRoles()) return false;
    m_modules.Send(m_modules.B(), io::HID_CMD_MODULES_DONE);
    DeleteExtractedFiles();
    m_run.ArmDeviceBack();
    return true;
  }

  const HidTransferContext& m_context;
  HidTransferRun m_run;
  ModulePair m_modules;
  FirmwareImageFile m_image;
  ExternalToolNames m_tools;
  std::array<std::string, kSectionsUsed> m_files;
};

}  // namespace

void UpdateThreadExternalTools(const HidTransferContext& context, std::stop_token stop) {
  ExternalToolsRun(context, std::move(stop)).Run();
}

}  // namespace firmware
