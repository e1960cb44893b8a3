#include "firmware/transfer/CameraCardCopy.h"

#include <filesystem>

#include "device/Version.h"
#include "firmware/formats/CameraVersionFile.h"
#include "firmware/transfer/CardFileCopy.h"
#include "firmware/transfer/HidTransferRun.h"
#include "io/HidReports.h"
#include "io/Md5.h"
#include "localization/FirmwareTexts.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "platform/Drives.h"

namespace firmware {

namespace {

namespace fs = std::filesystem;

using Poll = CameraCardCopy::Poll;

// One wait on the camera: status asked up to `attempts` times until byte 3 reads as awaited, then
// the closing command. A failed status exchange is one more attempt, never the awaited answer.
struct StoragePoll {
  Poll poll;
  uint32_t pauseBeforeMs;
  int attempts;
  bool awaitsNonzero;
  uint8_t closingCommand;  // 0: none
  uint32_t pauseBeforeClosingMs;
  uint32_t pauseAfterFailedExchangeMs;
  const char* tagAfterReply;  // the closing command failed
  const char* tagRunOut;      // the attempts ran out
  bool deletesFinal;          // a failure removes the final file from the copy's card
  uint32_t pauseAfterMs;
};

constexpr uint8_t kNone = 0;

constexpr StoragePoll kPolls[] = {
    {Poll::CardToPc, 0, 30, true, kNone, 0, 500, "", "[4][1]", false, 10000},
    {Poll::VersionCurrent, 0, 30, true, io::HID_CMD_STORAGE_MODE_OFF, 0, 500, "[3][2]", "[4][2]", false, 10000},
    {Poll::CardBack, 2000, 30, true, io::HID_CMD_STORAGE_MODE_OFF, 0, 500, "[0][0]", "[4][2]", true, 0},
    {Poll::CardToPcAgain, 2000, 30, false, io::HID_CMD_STORAGE_MODE_ON, 0, 500, "[3][3]", "[4][3]", true, 15000},
    {Poll::AfterApplyOff, 30000, 100, false, io::HID_CMD_STORAGE_MODE_OFF, 0, 1000, "[5][0]", "[5][1]", true, 10000},
    {Poll::AfterApplyOn, 0, 30, false, io::HID_CMD_STORAGE_MODE_ON, 5000, 1000, "[5][2]", "[5][3]", true, 10000},
    {Poll::CardBackAfterCheck, 3000, 30, true, io::HID_CMD_STORAGE_MODE_OFF, 0, 500, "[3][4]", "[4][4]", false, 0},
    {Poll::CardReleased, 1000, 30, false, kNone, 0, 500, "", "[4][5]", false, 0},
};

constexpr uint32_t kNotYetPauseMs = 1000;
constexpr int kFirstScanPasses = 70;
constexpr int kCheckPasses = 200;
constexpr uint32_t kScanPauseMs = 1000;
constexpr uint32_t kBeforeVersionReadMs = 2000;
// The camera settles on its new firmware before the card goes back; the poll waits on top of this.
constexpr uint32_t kAfterVersionCheckMs = 3000;

const StoragePoll& SpecOf(Poll poll) {
  for (const StoragePoll& spec : kPolls) {
    if (spec.poll == poll) return spec;
  }
  return kPolls[0];
}

}  // namespace

CameraCardCopy::CameraCardCopy(HidTransferRun& run)
    : m_run(run), m_files(device::FindCameraCardFiles(run.Context().deviceTarget)) {}

bool CameraCardCopy::Fail(const char* tag, bool cameraFailed) {
  const HidTransferContext& context = m_run.Context();
  std::string (*reason)(int) = cameraFailed ? text::GetCameraUpdateFailedText : text::GetCannotGetStatusText;
  return m_run.GiveUpWith(text::InEveryLanguage([&](int language) {
    return text::GetPageFailureText(context.page, context.usbStatus, language) + ". " + reason(language) + " " + tag +
           ". " + text::GetTryAgainText(language) + ".";
  }));
}

bool CameraCardCopy::FailCheckCard() {
  const HidTransferContext& context = m_run.Context();
  return m_run.GiveUpWith(text::InEveryLanguage([&](int language) {
    return text::GetPageFailureText(context.page, context.usbStatus, language) + ". " +
           text::GetCheckSdCardText(language);
  }));
}

bool CameraCardCopy::Stopped() { return m_run.GiveUpStopped(); }

bool CameraCardCopy::SendStorageCommand(uint8_t command) {
  io::HidReplyReport reply;
  return io::HidTransact(m_run.Context().first, io::MakeHidCommand(command), reply, m_run.Context().limits);
}

std::optional<std::string> CameraCardCopy::FindCard() const {
  for (const std::string& root : platform::Drives::Get().RemovableRoots()) {
    std::error_code error;
    if (fs::is_regular_file(fs::path(root) / m_files->versionFile, error)) return root;
  }
  return std::nullopt;
}

void CameraCardCopy::DeleteOnCopyCard(const char* name) const {
  if (!m_copyRoot) return;
  std::error_code ignored;
  fs::remove(fs::path(*m_copyRoot) / name, ignored);
}

bool CameraCardCopy::RunPoll(Poll poll) {
  const StoragePoll& spec = SpecOf(poll);
  const auto fail = [&](const char* tag) {
    if (spec.deletesFinal) DeleteOnCopyCard(m_files->finalName);
    return Fail(tag);
  };
  if (!m_run.Pause(spec.pauseBeforeMs)) return Stopped();
  const io::HidCommandReport status = io::MakeHidCommand(io::HID_CMD_STORAGE_STATUS);
  for (int attempt = 0; attempt < spec.attempts; ++attempt) {
    if (attempt > 0 && m_run.StopRequested()) return Stopped();
    io::HidReplyReport reply;
    if (!io::HidTransact(m_run.Context().first, status, reply, m_run.Context().limits)) {
      if (attempt + 1 < spec.attempts && !m_run.Pause(spec.pauseAfterFailedExchangeMs)) return Stopped();
      continue;
    }
    if ((reply.bytes[io::HID_REPLY_DATA] != 0) != spec.awaitsNonzero) {
      if (attempt + 1 < spec.attempts && !m_run.Pause(kNotYetPauseMs)) return Stopped();
      continue;
    }
    if (spec.closingCommand != kNone) {
      if (!m_run.Pause(spec.pauseBeforeClosingMs)) return Stopped();
      if (!SendStorageCommand(spec.closingCommand)) return fail(spec.tagAfterReply);
    }
    return m_run.Pause(spec.pauseAfterMs) || Stopped();
  }
  return fail(spec.tagRunOut);
}

bool CameraCardCopy::FirstScan(bool& sameVersion) {
  sameVersion = false;
  for (int pass = 0; pass < kFirstScanPasses; ++pass) {
    if (const std::optional<std::string> root = FindCard()) {
      std::error_code ignored;
      fs::remove(fs::path(*root) / m_files->temporaryName, ignored);
      // A version file that cannot be read counts as another version: the file is copied.
      if (const std::optional<CameraVersion> version = ReadCameraVersionFile(fs::path(*root) / m_files->versionFile)) {
        sameVersion = device::CompareMajorMinor(version->major, version->minor, static_cast<int>(m_section->versionMajor),
                                                static_cast<int>(m_section->versionMinor)) == 0;
      }
      return m_run.Pause(kScanPauseMs) || Stopped();
    }
    if (!m_run.Pause(kScanPauseMs)) return Stopped();
  }
  return FailCheckCard();
}

bool CameraCardCopy::CopyToCard() {
  m_copyRoot = FindCard();
  // Without a card, or a file the card will take, the camera keeps its version and its check
  // would fail with [2][2] minutes later: fail with it now.
  if (!m_copyRoot) return Fail("[2][2]", /*cameraFailed=*/true);
  const CardFileNames names{*m_copyRoot, m_files->temporaryName, m_files->finalName};
  switch (CopyFileToCard(names, m_run.Image().SectionBytes(kCameraSection), m_section->digest)) {
    case CardCopyResult::Copied: return true;
    case CardCopyResult::NotCreated: return Fail("[2][2]", /*cameraFailed=*/true);
    case CardCopyResult::WriteFailed: return Fail("[2][0]");
    case CardCopyResult::RenameFailed: return Fail("[2][1]", /*cameraFailed=*/true);
    case CardCopyResult::NotReadable: return Fail("[2][9]");
    case CardCopyResult::DigestDiffers: return Fail("[2][10]");
    case CardCopyResult::SizeDiffers: return Fail("[2][4]");
  }
  return false;
}

bool CameraCardCopy::CheckUpdate() {
  for (int pass = 0; pass < kCheckPasses; ++pass) {
    if (const std::optional<std::string> root = FindCard()) {
      if (!m_run.Pause(kBeforeVersionReadMs)) return Stopped();
      // A version file that cannot be read yet only repeats the pass.
      if (const std::optional<CameraVersion> version = ReadCameraVersionFile(fs::path(*root) / m_files->versionFile)) {
        if (device::CompareMajorMinor(version->major, version->minor, static_cast<int>(m_section->versionMajor),
                                      static_cast<int>(m_section->versionMinor)) != 0)
          return Fail("[2][2]", /*cameraFailed=*/true);
        if (!m_run.Pause(kAfterVersionCheckMs)) return Stopped();
        return RunPoll(Poll::CardBackAfterCheck);
      }
    }
    if (!m_run.Pause(kScanPauseMs)) return Stopped();
  }
  return Fail("[2][3]", /*cameraFailed=*/true);
}

bool CameraCardCopy::Run() {
  const std::vector<ImageSection>& sections = m_run.Image().Sections();
  if (!m_files || sections.size() <= kCameraSection) return m_run.GiveUp(text::GetFirmwareCorruptedText);
  m_section = &sections[kCameraSection];

  if (!SendStorageCommand(io::HID_CMD_STORAGE_MODE_ON)) return Fail("[1][0]");
  if (!RunPoll(Poll::CardToPc)) return false;

  bool sameVersion = false;
  if (!FirstScan(sameVersion)) return false;
  if (sameVersion) return RunPoll(Poll::VersionCurrent);

  if (!CopyToCard()) return false;
  if (!RunPoll(Poll::CardBack) || !RunPoll(Poll::CardToPcAgain)) return false;
  if (m_files->extraStorageCycle) {
    if (!RunPoll(Poll::AfterApplyOff) || !RunPoll(Poll::AfterApplyOn)) return false;
  }
  if (!CheckUpdate()) return false;
  return RunPoll(Poll::CardReleased);
}

bool CopyCameraFirmware(HidTransferRun& run) { return CameraCardCopy(run).Run(); }

}  // namespace firmware
