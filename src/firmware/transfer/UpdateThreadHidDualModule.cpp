#include "firmware/transfer/UpdateThreadHidDualModule.h"

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "device/ProductTraits.h"
#include "device/Version.h"
#include "firmware/transfer/HidTransferRun.h"
#include "firmware/transfer/ImageFileName.h"
#include "io/Crc16.h"
#include "io/HidChannel.h"
#include "io/HidReports.h"
#include "localization/FirmwareTexts.h"

namespace firmware {
namespace {

using T = DualModuleTiming;

// The oldest module that checks CRCs: 1.0, third number 1.
constexpr int kCheckedModuleVersion[4] = {1, 0, device::kVersionThirdNumber, 1};

// The main device has one interface: every section goes to it, type 0 marking it for the finish.
SectionRoute MainDeviceRoute(uint32_t type) { return {false, type == 0}; }

struct ModuleVersion {
  int major = 1, minor = 0, kind = 0, sub = 0;
};

class DualModuleUpdate {
 public:
  DualModuleUpdate(const HidTransferContext& context, std::stop_token stop)
      : m_context(context), m_run(context, std::move(stop)) {}

  void Run() {
    if (!m_run.LoadImage(ImageLayout::Newer, ImageProductTest::Equals(static_cast<uint32_t>(m_context.deviceTarget))))
      return;
    if (!ImageHoldsModuleSection()) return;
    if (!m_run.ArchiveSettings()) return;
    m_run.StartTransfer();
    if (!UpdateMainDevice()) return;
    if (!UpdateModule()) return;
    if (!RestartModule()) return;
    SetPromptLanguage();
    m_module.reset();
    m_main.reset();
    m_context.job.m_nState = JOB_WAITING_RESTART;
    m_run.ArmDeviceBack();
  }

 private:
  size_t MainSectionCount() const {
    return device::HasProductFlag(m_context.deviceTarget, device::kOneMainDeviceSection) ? 1 : 2;
  }

  // The module's section follows the main device's; the first section must name the main
  // device's interface, which the later ones keep.
  bool ImageHoldsModuleSection() {
    const std::vector<ImageSection>& sections = m_run.Image().Sections();
    if (sections.size() > MainSectionCount() && (sections[0].type == 0 || sections[0].type == 2)) return true;
    return m_run.GiveUp(text::GetFirmwareCorruptedText);
  }

  bool Fail(const char* tag) { return m_run.GiveUp(text::GetCannotGetStatusText, tag); }
  bool Pause(uint32_t ms) { return m_run.Pause(ms) || m_run.GiveUpStopped(); }
  bool Transact(platform::HidDevice* device, const io::HidCommandReport& request) {
    io::HidReplyReport reply;
    return io::HidTransact(device, request, reply, m_context.limits);
  }

  // Opens the product, which may take a while to appear; null after giving up.
  std::unique_ptr<platform::HidDevice> Find(int productId, const char* tag) {
    for (int attempt = 0; attempt < T::kFindAttempts; ++attempt) {
      if (std::unique_ptr<platform::HidDevice> device = io::OpenHidDevice(productId)) return device;
      if (!m_run.Pause(T::kFindRetryMs)) {
        m_run.GiveUpStopped();
        return nullptr;
      }
    }
    Fail(tag);
    return nullptr;
  }

  bool UpdateMainDevice() {
    if (!m_run.SendSections(MainSectionCount(),
                            {.dataWrite = "[1]", .dataRead = "[2]", .endSection = "[3]", .beginSection = "[0]"},
                            MainDeviceRoute))
      return false;
    if (!m_run.Finish(/*alsoSecond=*/false, {.finish = "[4]"})) return false;
    return Pause(HidTransferRun::kApplyAndRestartMs);
  }

  bool UpdateModule() {
    if (!(m_main = Find(m_context.deviceTarget, "[5]"))) return false;
    if (!Transact(m_main.get(), io::MakeHidCommand(io::HID_CMD_MODULE_ON))) return Fail("[6]");
    if (!Pause(T::kAfterModuleOnMs)) return false;
    if (!(m_module = Find(device::HID_MODULE_PRODUCT, "[7]"))) return false;

    const ModuleVersion version = ReadModuleVersion();
    if (!Transact(m_module.get(), io::MakeHidCommand(io::HID_CMD_BEGIN_SECTION, 0))) return Fail("[8]");
    const int* oldest = kCheckedModuleVersion;
    const bool checked = device::CompareVersions(version.major, version.minor, version.kind, version.sub, oldest[0],
                                                 oldest[1], oldest[2], oldest[3], false) >= 0;
    const std::span<const uint8_t> section = m_run.Image().SectionBytes(MainSectionCount());
    if (!(checked ? SendChecked(section) : SendPlain(section))) return false;
    if (!Transact(m_module.get(), io::MakeHidCommand(io::HID_CMD_END_SECTION))) return Fail("[11]");

    Transact(m_main.get(), io::MakeHidCommand(io::HID_CMD_MODULE_OFF));  // its answer decides nothing
    if (!Transact(m_module.get(), io::MakeHidCommand(io::HID_CMD_FINISH_UPDATE, 0))) return Fail("[12]");
    m_module.reset();
    return Pause(HidTransferRun::kApplyAndRestartMs);
  }

  bool RestartModule() {
    if (!Transact(m_main.get(), io::MakeHidCommand(io::HID_CMD_MODULE_ON))) return Fail("[13]");
    if (!Pause(T::kAfterModuleOnAgainMs)) return false;
    return (m_module = Find(device::HID_MODULE_PRODUCT, "[14]")) != nullptr;
  }

  ModuleVersion ReadModuleVersion() {
    io::HidReplyReport reply;
    if (!io::HidTransact(m_module.get(), io::MakeHidCommand(io::HID_CMD_READ_VERSION), reply, m_context.limits))
      return {};
    const auto& b = reply.bytes;
    return {b[io::HID_REPLY_DATA], b[io::HID_REPLY_DATA + 1], b[io::HID_REPLY_DATA + 2], b[io::HID_REPLY_DATA + 3]};
  }

  // One data report and its acknowledgement.
  bool SendChunk(std::span<const uint8_t> chunk, const char* writeTag, const char* readTag) {
    if (m_run.StopRequested()) return m_run.GiveUpStopped();
    if (!io::WriteHidReport(m_module.get(), *io::MakeSectionData(chunk))) return Fail(writeTag);
    if (!io::ReadHidReply(m_module.get(), m_context.limits)) return Fail(readTag);
    return true;
  }

  static std::span<const uint8_t> ChunkAt(std::span<const uint8_t> section, size_t at) {
    return section.subspan(at, std::min(T::kModuleChunkMax, section.size() - at));
  }

  bool SendPlain(std::span<const uint8_t> section) {
    for (size_t at = 0; at < section.size(); at += T::kModuleChunkMax) {
      if (!SendChunk(ChunkAt(section, at), "[9][1]", "[10][1]")) return false;
    }
    return true;
  }

  // Every chunk is confirmed by its CRC before the next; a refused whole-section CRC sends the
  // section again from its start, without a new begin.
  bool SendChecked(std::span<const uint8_t> section) {
    for (int pass = 1;; ++pass) {
      uint16_t total = 0;
      for (size_t at = 0; at < section.size(); at += T::kModuleChunkMax) {
        const std::span<const uint8_t> chunk = ChunkAt(section, at);
        const uint16_t crc = io::ComputeCrc16(chunk.data(), static_cast<int>(chunk.size()));
        for (int sends = 1;; ++sends) {
          if (!SendChunk(chunk, "[9][2]", "[10][2]")) return false;
          if (Transact(m_module.get(), io::MakeCrcCommand(io::HID_CMD_CHUNK_CRC, crc))) break;
          if (sends == T::kChunkSendsMax) return Fail("[10][4]");
        }
        total = io::ContinueCrc16(total, chunk.data(), static_cast<int>(chunk.size()));
      }
      if (Transact(m_module.get(), io::MakeCrcCommand(io::HID_CMD_TOTAL_CRC, total))) return true;
      if (pass == T::kTotalCrcPasses) return Fail("[10][3]");
    }
  }

  // A refused language is not worth failing an update that has otherwise succeeded.
  void SetPromptLanguage() {
    const int code = PromptLanguageOfImage(m_context.imagePath);
    if (!Transact(m_main.get(), io::MakeHidCommand(io::HID_CMD_SET_PROMPT_LANGUAGE, static_cast<uint8_t>(code))))
      Transact(m_main.get(), io::MakeHidCommand(io::HID_CMD_SET_PROMPT_LANGUAGE, 0));
  }

  const HidTransferContext& m_context;
  HidTransferRun m_run;
  // The thread's own handles: the main window's stops answering when the main device restarts.
  std::unique_ptr<platform::HidDevice> m_main;
  std::unique_ptr<platform::HidDevice> m_module;
};

}  // namespace

int PromptLanguageOfImage(std::string_view path) {
  const std::optional<std::string_view> mark = SplitImageFileName(path).languageCode;
  const int language = mark ? text::GetLanguageIndexFromCode(std::string(*mark)) : 0;
  return text::GetVoicePromptLanguageCode(language);
}

void UpdateThreadHidDualModule(const HidTransferContext& context, std::stop_token stop) {
  DualModuleUpdate(context, std::move(stop)).Run();
}

}  // namespace firmware
