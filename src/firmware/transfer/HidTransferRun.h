#pragma once
// The steps every HID transfer thread shares: read and check the image, archive the settings on an
// update, send each section as BEGIN, data chunks and END, finish, wait for the restart, and give
// up with a failure in the job's messages. Each thread routine strings these together with its own
// differences. Every pause goes through the clock and ends early on the stop request.
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>

#include "firmware/formats/FirmwareImageFile.h"
#include "firmware/transfer/HidTransferContext.h"
#include "localization/TextRow.h"

namespace firmware {

// Location marks appended to the reason of a transfer failure, empty where a thread has none.
struct TransferFailureTags {
  const char* dataWrite = "";
  const char* dataRead = "";
  const char* endSection = "";
  const char* finish = "";
  const char* beginSection = "";
};

// The clock's pause, which a stop request ends at once; false when it did.
bool PauseUnlessStopped(uint32_t ms, const std::stop_token& stop);

// Which interface a section of a type goes to and whether it marks that interface for the finish.
using SectionRouting = SectionRoute (*)(uint32_t type);

class HidTransferRun {
 public:
  // Pauses of the shared sequence, in milliseconds.
  static constexpr uint32_t kAfterFailedArchiveMs = 5000;
  static constexpr uint32_t kUserPollMs = 1000;
  static constexpr uint32_t kBeforeRestartWaitMs = 5000;
  static constexpr uint32_t kReadyPollMs = 500;
  static constexpr uint32_t kDirectFinishSettleMs = 500;
  // The products that apply the image after the finish take this long to restart.
  static constexpr uint32_t kApplyAndRestartMs = 65000;
  // A device that has not said it is ready after this long is not going to.
  static constexpr uint32_t kReadyPollBudgetMs = 300000;

  HidTransferRun(const HidTransferContext& context, std::stop_token stop);

  // Reads the image (failures to read it leave the job's state), enters JOB_CHECKING_IMAGE, checks
  // it, enters JOB_IMAGE_OK. An image of fewer than `minSections` sections would send the device
  // nothing it needs, and an update that sends nothing is no success: it counts as corrupted.
  // False after giving up with "Firmware corrupted".
  bool LoadImage(ImageLayout layout, const ImageProductTest& test, size_t minSections = 1);
  // On an update, the settings archive, and when it failed the wait for the user's OK, which the
  // window is asked for once the flag is set. `tag` follows the step's message. False after giving
  // up on the stop request.
  bool ArchiveSettings(const char* tag = "");
  // The job enters JOB_TRANSFERRING with its error cleared and its ticks at 0; without
  // `enterTransferring` the caller changes the state when it has prepared the transfer.
  void StartTransfer(bool enterTransferring = true);
  // Sections [0, count) in table order, each to the interface `routing` selects for its type.
  // False after giving up with "Cannot get status".
  bool SendSections(size_t count, const TransferFailureTags& tags = {},
                    SectionRouting routing = RouteOfSectionType);
  // Asks the first interface until it says it is ready, pausing between asks. False after
  // giving up when it never does.
  bool WaitUntilReady();
  // FINISH to the first interface when a section marked it, then to the second when one marked it
  // and `alsoSecond`. False after giving up with "Cannot get status".
  bool Finish(bool alsoSecond, const TransferFailureTags& tags = {});
  // A section of type 0 went to the first interface.
  bool FirstMarked() const { return m_firstMarked; }
  // The clock's pause; false (without giving up) when the stop request ended it.
  bool Pause(uint32_t ms);
  // The finish was accepted: JOB_WAITING_RESTART, and after a pause the device-back timer.
  void AwaitRestart();
  // The device applies the image after the finish: a minute's pause (the job still transferring),
  // then JOB_WAITING_RESTART with `applying` and the device-back timer.
  void AwaitRestartAfterApplying(bool applying);
  // Asks for the device-back timer, which completes the job once the device is back.
  void ArmDeviceBack();

  // Failure: the messages become "<headline>. <reason><tag>", the error JOB_ERROR_FAILED, the
  // job finished and the page told. Returns false for the caller's convenience.
  bool GiveUp(std::string (*reason)(int language), const char* tag = "");
  // The same with a whole message already composed.
  bool GiveUpWith(const text::LocalizedText& messages);
  // The stop request ended a wait.
  bool GiveUpStopped() { return GiveUp(nullptr); }

  const HidTransferContext& Context() const { return m_context; }
  const FirmwareImageFile& Image() const { return m_image; }
  bool StopRequested() const { return m_stop.stop_requested(); }

 private:
  void SetProgressMessage(std::string (*step)(int language), const char* tag = "");
  bool SendSection(size_t index, const TransferFailureTags& tags, SectionRouting routing);

  const HidTransferContext& m_context;
  std::stop_token m_stop;
  FirmwareImageFile m_image;
  bool m_firstMarked = false;
  bool m_secondMarked = false;
};

}  // namespace firmware
