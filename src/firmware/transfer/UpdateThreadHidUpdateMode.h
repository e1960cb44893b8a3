#pragma once
// The HID transfer of the products the dispatcher has switched into their update mode: the image
// must name the device's product, transfer failures carry a location mark, the device is asked
// whether it is ready before the finish, and it takes a minute to restart.
#include <stop_token>

#include "firmware/transfer/HidTransferContext.h"

namespace firmware {

void UpdateThreadHidUpdateMode(const HidTransferContext& context, std::stop_token stop);

}  // namespace firmware
