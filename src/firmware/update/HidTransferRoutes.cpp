#include "firmware/update/HidTransferRoutes.h"

#include "firmware/transfer/UpdateThreadExternalTools.h"
#include "firmware/transfer/UpdateThreadHidCamera.h"
#include "firmware/transfer/UpdateThreadHidDualModule.h"
#include "firmware/transfer/UpdateThreadHidLegacyImage.h"
#include "firmware/transfer/UpdateThreadHidSimple.h"
#include "firmware/transfer/UpdateThreadHidUpdateMode.h"

namespace firmware {

namespace {

using device::UpdateRoute;

// A camera's own firmware goes to its memory card.
void UpdateThreadHidCameraWithCardCopy(const HidTransferContext& context, std::stop_token stop) {
  UpdateThreadHidCamera(context, std::move(stop));
}

constexpr HidTransferRoute kRoutes[] = {
    {UpdateRoute::kHidLegacyImage, UpdateThreadHidLegacyImage, HidVersionCheck::kBothInterfaces},
    {UpdateRoute::kHidSimple, UpdateThreadHidSimple, HidVersionCheck::kBothInterfaces},
    {UpdateRoute::kExternalTools, UpdateThreadExternalTools, HidVersionCheck::kNone},
    {UpdateRoute::kHidDualModule, UpdateThreadHidDualModule, HidVersionCheck::kFirstWithHidVersion1},
    {UpdateRoute::kHidCamera, UpdateThreadHidCameraWithCardCopy, HidVersionCheck::kFirstWithFirmware},
    {UpdateRoute::kHidUpdateMode, UpdateThreadHidUpdateMode, HidVersionCheck::kFirstWithFirmware},
};

}  // namespace

const HidTransferRoute* FindHidTransferRoute(device::UpdateRoute route) {
  for (const HidTransferRoute& row : kRoutes) {
    if (row.route == route) return &row;
  }
  return nullptr;
}

}  // namespace firmware
