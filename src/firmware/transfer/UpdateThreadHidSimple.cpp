#include "firmware/transfer/UpdateThreadHidSimple.h"

#include "firmware/transfer/HidTransferRun.h"

namespace firmware {

void UpdateThreadHidSimple(const HidTransferContext& context, std::stop_token stop) {
  HidTransferRun run(context, std::move(stop));
  // An image made for another product is refused where it says so; one naming none is sent.
  if (!run.LoadImage(ImageLayout::Newer, ImageProductTest::EqualsWhenNamed(static_cast<uint32_t>(context.deviceTarget))))
    return;
  if (!run.ArchiveSettings()) return;
  run.StartTransfer();
  if (!run.SendSections(run.Image().Sections().size())) return;
  if (!run.Finish(/*alsoSecond=*/true)) return;
  run.AwaitRestart();
}

}  // namespace firmware
