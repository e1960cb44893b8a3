#include "firmware/transfer/UpdateThreadHidSimple.h"

#include "firmware/transfer/HidTransferRun.h"

namespace firmware {

void UpdateThreadHidSimple(const HidTransferContext& context, std::stop_token stop) {
  HidTransferRun run(context, std::move(stop));
  if (!run.LoadImage(ImageLayout::Newer, ImageProductTest::None())) return;
  if (!run.ArchiveSettings()) return;
  run.StartTransfer();
  if (!run.SendSections(run.Image().Sections().size())) return;
  if (!run.Finish(/*alsoSecond=*/true)) return;
  run.AwaitRestart();
}

}  // namespace firmware
