#include "firmware/transfer/HidTransferRun.h"

#include <algorithm>

#include "io/HidReports.h"
#include "localization/FirmwareTexts.h"
#include "localization/StatusTexts.h"
#include "platform/Clock.h"

namespace firmware {

HidTransferRun::HidTransferRun(const HidTransferContext& context, std::stop_token stop)
    : m_context(context), m_stop(std::move(stop)) {}

bool HidTransferRun::GiveUpWith(const text::LocalizedText& messages) {
  CFirmwareJob& job = m_context.job;
  job.m_astrMessages.Set(messages);
  job.m_nError = JOB_ERROR_FAILED;
  job.m_bFinished = true;
  if (m_context.hooks.gaveUp) m_context.hooks.gaveUp();
  return false;
}

bool HidTransferRun::GiveUp(std::string (*reason)(int language), const char* tag) {
  // A stopped wait has no reason of its own: the page that asked is going away.
  std::string (*shown)(int) = reason ? reason : text::GetCannotGetStatusText;
  return GiveUpWith(text::InEveryLanguage([&](int language) {
    return text::GetPageFailureText(m_context.page, m_context.usbStatus, language) + ". " + shown(language) + tag;
  }));
}

void HidTransferRun::SetProgressMessage(std::string (*step)(int language), const char* tag) {
  m_context.job.m_astrMessages.Set(text::InEveryLanguage([&](int language) {
    std::string headline = text::GetPageProgressText(m_context.page, m_context.usbStatus, language);
    return step ? headline + " " + step(language) + tag : headline;
  }));
}

bool PauseUnlessStopped(uint32_t ms, const std::stop_token& stop) {
  return platform::Clock::Get().SleepUnlessStopped(ms, stop);
}

bool HidTransferRun::Pause(uint32_t ms) { return PauseUnlessStopped(ms, m_stop); }

bool HidTransferRun::LoadImage(ImageLayout layout, const ImageProductTest& test, size_t minSections) {
  const ImageCheck check = m_image.Read(m_context.imagePath, layout, test);
  if (!WasRead(check)) return GiveUp(text::GetFirmwareCorruptedText);
  m_context.job.m_nState = JOB_CHECKING_IMAGE;
  if (check != ImageCheck::Ok || m_image.Sections().size() < minSections)
    return GiveUp(text::GetFirmwareCorruptedText);
  m_context.job.m_nState = JOB_IMAGE_OK;
  return true;
}

bool HidTransferRun::ArchiveSettings(const char* tag) {
  if (m_context.page != 3) return true;  // a restore makes no archive and never waits
  SetProgressMessage(text::GetAboutToMakeBackupText, tag);
  const bool archived = m_context.hooks.writeSettingsArchive && m_context.hooks.writeSettingsArchive();
  if (!archived) {
    // The flag goes first: the box that clears it shows only once the window has been asked, so an
    // OK pressed the moment it shows is never lost.
    m_context.waitForUserOk = true;
    if (m_context.hooks.askForOk) m_context.hooks.askForOk();
    if (!Pause(kAfterFailedArchiveMs)) return GiveUpStopped();
  }
  while (m_context.waitForUserOk) {
    if (!Pause(kUserPollMs)) return GiveUpStopped();
  }
  return true;
}

void HidTransferRun::StartTransfer(bool enterTransferring) {
  CFirmwareJob& job = m_context.job;
  SetProgressMessage(nullptr);
  job.m_nError = JOB_ERROR_NONE;
  if (m_context.hooks.transferStarted) m_context.hooks.transferStarted();
  for (std::atomic<int>& ticks : job.m_anTicks) ticks = 0;
  if (enterTransferring) job.m_nState = JOB_TRANSFERRING;
}

bool HidTransferRun::SendSection(size_t index, const TransferFailureTags& tags, SectionRouting routing) {
  const ImageSection& section = m_image.Sections()[index];
  const SectionRoute route = routing(section.type);
  platform::HidDevice* device = route.secondInterface ? m_context.second : m_context.first;
  if (route.marksFinish) (route.secondInterface ? m_secondMarked : m_firstMarked) = true;

  io::HidReplyReport reply;
  const auto begin = io::MakeHidCommand(io::HID_CMD_BEGIN_SECTION, static_cast<uint8_t>(section.target & 0xFF));
  if (!io::HidTransact(device, begin, reply, m_context.limits))
    return GiveUp(text::GetCannotGetStatusText, tags.beginSection);

  std::span<const uint8_t> rest = m_image.SectionBytes(index);
  while (!rest.empty()) {
    if (m_stop.stop_requested()) return GiveUpStopped();
    const size_t n = std::min(rest.size(), io::HID_SECTION_CHUNK_MAX);
    const std::optional<io::HidCommandReport> chunk = io::MakeSectionData(rest.first(n));
    if (!io::WriteHidReport(device, *chunk)) return GiveUp(text::GetCannotGetStatusText, tags.dataWrite);
    if (!io::ReadHidReply(device, m_context.limits)) return GiveUp(text::GetCannotGetStatusText, tags.dataRead);
    rest = rest.subspan(n);
  }

  const auto end = io::MakeHidCommand(io::HID_CMD_END_SECTION);
  if (!io::HidTransact(device, end, reply, m_context.limits))
    return GiveUp(text::GetCannotGetStatusText, tags.endSection);
  return true;
}

bool HidTransferRun::SendSections(size_t count, const TransferFailureTags& tags, SectionRouting routing) {
  count = std::min(count, m_image.Sections().size());
  for (size_t i = 0; i < count; ++i) {
    if (m_stop.stop_requested()) return GiveUpStopped();
    if (!SendSection(i, tags, routing)) return false;
  }
  return true;
}

bool HidTransferRun::WaitUntilReady() {
  platform::Clock& clock = platform::Clock::Get();
  const uint32_t start = clock.TickCount();
  const auto query = io::MakeHidCommand(io::HID_CMD_QUERY_READY);
  for (;;) {
    io::HidReplyReport reply;
    if (io::HidTransact(m_context.first, query, reply, m_context.limits) && reply.bytes[io::HID_REPLY_DATA] != 0)
      return true;
    // Not ready, or no answer: either way ask again after a pause, within the budget.
    if (clock.TickCount() - start >= kReadyPollBudgetMs) return GiveUp(text::GetCannotGetStatusText);
    if (!Pause(kReadyPollMs)) return GiveUpStopped();
  }
}

bool HidTransferRun::Finish(bool alsoSecond, const TransferFailureTags& tags) {
  const auto finish = io::MakeHidCommand(io::HID_CMD_FINISH_UPDATE, 0);
  io::HidReplyReport reply;
  if (m_firstMarked && !io::HidTransact(m_context.first, finish, reply, m_context.limits))
    return GiveUp(text::GetCannotGetStatusText, tags.finish);
  if (alsoSecond && m_secondMarked && !io::HidTransact(m_context.second, finish, reply, m_context.limits))
    return GiveUp(text::GetCannotGetStatusText, tags.finish);
  return true;
}

void HidTransferRun::AwaitRestart() {
  m_context.job.m_nState = JOB_WAITING_RESTART;
  // The device-back timer is not wanted by a page that is going away.
  if (Pause(kBeforeRestartWaitMs)) ArmDeviceBack();
}

void HidTransferRun::AwaitRestartAfterApplying(bool applying) {
  if (!Pause(kApplyAndRestartMs)) {
    GiveUpStopped();
    return;
  }
  m_context.job.m_nState = JOB_WAITING_RESTART;
  m_context.job.m_bApplying = applying;
  ArmDeviceBack();
}

void HidTransferRun::ArmDeviceBack() {
  if (m_context.hooks.armDeviceBackTimer) m_context.hooks.armDeviceBackTimer();
}

}  // namespace firmware
