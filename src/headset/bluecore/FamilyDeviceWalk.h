#pragma once
// Visits the attached devices of the DFU family (vendor 0x092B, product 0x4D21 or 0xCD21) that
// answer on their persistent store, in the library's list order. The transport is opened once and
// closed once, whatever the visitor does; a device that cannot be connected (one in DFU mode among
// them) is skipped.
#include <functional>

#include "headset/bluecore/PsKeyPort.h"

namespace headset::bluecore {

enum class WalkStep { kNext, kStop };

// Returns how many devices were connected and visited.
int ForEachFamilyDevice(const std::function<WalkStep(PsKeyPort&)>& visit);

// The family's USB identity, application or DFU mode.
bool IsFamilyDeviceIds(int vendorId, int productId);

}  // namespace headset::bluecore
