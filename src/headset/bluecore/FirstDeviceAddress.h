#pragma once
// The firmware pages tell one production batch of a model by its Bluetooth address before they
// pick its firmware; only the first attached device of the family is asked.
#include <optional>
#include <string>

namespace headset::bluecore {

// The six hex digits of the lower address part of the first listed device of an accepted USB
// identity; nothing when there is none, or it cannot be connected or its address read. The
// library's transport is opened and closed within the call.
std::optional<std::string> ReadFirstDeviceLowerAddress();

}  // namespace headset::bluecore
