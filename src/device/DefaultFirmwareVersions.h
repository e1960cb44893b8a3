#pragma once
// The firmware version a BlueCore model has when its version key holds none, as major * 10 +
// minor. Recognition and the check before an update read the device's version the same way.
#include <optional>

namespace device {

// The model's default version; 0 (0.0) for a model outside the table.
int DefaultFirmwareVersionValue(int model);

// Early firmware of a few models keeps its version in a key of its own (major * 10 + minor in its
// first byte); for them, the version assumed when neither key can be read. Nothing for the others.
std::optional<int> LegacyVersionFallback(int model);

}  // namespace device
