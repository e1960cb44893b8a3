#pragma once
// The HID transfer of the larger family of products, cameras among them: the image must name the
// device's product, only the first interface takes the finish, most products are asked whether
// they are ready before it, and all take a minute to restart. For a camera the image's third
// section is its camera firmware, copied to the camera's drive before the other sections go out.
#include <functional>
#include <stop_token>

#include "firmware/transfer/HidTransferContext.h"

namespace firmware {

class HidTransferRun;

// Copies a camera's firmware out of the checked image; returns false after giving up through
// the run, which holds the image.
using CameraFirmwareCopy = std::function<bool(HidTransferRun& run)>;

// Without `copyCameraFirmware` a camera's firmware goes to its memory card (CopyCameraFirmware).
void UpdateThreadHidCamera(const HidTransferContext& context, std::stop_token stop,
                           const CameraFirmwareCopy& copyCameraFirmware = {});

}  // namespace firmware
