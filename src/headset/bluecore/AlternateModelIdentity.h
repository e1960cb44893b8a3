#pragma once
// A batch of one model shipped with the firmware of another; before that firmware is updated the
// unit is given the identity it really has: model id, USB product ids and USB product string.
#include <optional>
#include <string>

namespace headset::bluecore {

// The bare lower address part ("123456") of the first attached device of the family; nothing
// when no device answers or its address cannot be read.
std::optional<std::string> ReadFirstDeviceLowerAddress();

// Writes the alternate model's identity into the first attached device of the family; true only
// when a device was reached and every write succeeded.
bool WriteAlternateModelIdentity();

}  // namespace headset::bluecore
