#include "firmware/transfer/UpdateThreadHidUpdateMode.h"

#include "firmware/transfer/HidTransferRun.h"

namespace firmware {

void UpdateThreadHidUpdateMode(const HidTransferContext& context, std::stop_token stop) {
  static constexpr TransferFailureTags kTags{"[9][0]", "[9][1]", "[9][2]", "[9][3]"};
  CFirmwareJob& job = context.job;
  HidTransferRun run(context, std::move(stop));
  if (!run.LoadImage(ImageLayout::Newer, ImageProductTest::Equals(static_cast<uint32_t>(context.deviceTarget))))
    return;
  if (!run.ArchiveSettings()) return;
  run.StartTransfer();
  if (!run.SendSections(run.Image().Sections().size(), kTags)) return;
  job.m_bApplying = true;
  if (!run.WaitUntilReady()) return;
  // Only the first interface takes the finish, and only after a section of type 0.
  if (!run.Finish(/*alsoSecond=*/false, kTags)) return;
  if (run.FirstMarked()) job.m_bApplying = false;
  run.AwaitRestartAfterApplying(true);
}

}  // namespace firmware
