#include "firmware/transfer/UpdateThreadHidCamera.h"

#include "device/ProductTraits.h"
#include "firmware/transfer/CameraCardCopy.h"
#include "firmware/transfer/HidTransferRun.h"
#include "io/HidReports.h"

namespace firmware {
namespace {

// A camera's sections from this index on are its camera firmware, not sent over HID.
constexpr size_t kCameraHidSections = CameraCardCopy::kCameraSection;

}  // namespace

void UpdateThreadHidCamera(const HidTransferContext& context, std::stop_token stop,
                           const CameraFirmwareCopy& copyCameraFirmware) {
  CFirmwareJob& job = context.job;
  const bool camera = device::HasProductFlag(context.deviceTarget, device::kCameraFirmwareCopy);
  const bool directFinish = device::HasProductFlag(context.deviceTarget, device::kFinishWithoutReadyPoll);
  HidTransferRun run(context, std::move(stop));
  // A camera image without its camera firmware is not one, whatever else it holds.
  if (!run.LoadImage(ImageLayout::Newer, ImageProductTest::Equals(static_cast<uint32_t>(context.deviceTarget)),
                     camera ? CameraCardCopy::kCameraSection + 1 : 1))
    return;
  if (!run.ArchiveSettings()) return;
  run.StartTransfer();
  if (camera && !(copyCameraFirmware ? copyCameraFirmware(run) : CopyCameraFirmware(run))) return;
  if (!run.SendSections(camera ? kCameraHidSections : run.Image().Sections().size())) return;

  if (directFinish) {
    if (!run.Finish(/*alsoSecond=*/false)) return;
    if (!run.Pause(HidTransferRun::kDirectFinishSettleMs)) {
      run.GiveUpStopped();
      return;
    }
  } else {
    job.m_bApplying = true;
    if (!run.WaitUntilReady()) return;
    if (!run.Finish(/*alsoSecond=*/false)) return;
    if (run.FirstMarked()) job.m_bApplying = false;
  }

  run.AwaitRestartAfterApplying(!directFinish);
}

}  // namespace firmware
