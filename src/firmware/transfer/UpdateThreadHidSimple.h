#pragma once
// The HID transfer of the products that take the image's sections as they are and restart on the
// finish command.
#include <stop_token>

#include "firmware/transfer/HidTransferContext.h"

namespace firmware {

void UpdateThreadHidSimple(const HidTransferContext& context, std::stop_token stop);

}  // namespace firmware
