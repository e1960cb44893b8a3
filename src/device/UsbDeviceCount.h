#pragma once

namespace device {

// Attached USB devices of an accepted identity. The first `maxPids` product ids are stored in
// `pids` (nothing when it is null); the count goes on past them.
int CountUsbDevices(int* pids, int maxPids);

}  // namespace device
