#pragma once
// Which product ids a chosen device target accepts: itself, and for some targets the variants
// sold under the same firmware line. The relation is one-way: 0x4D10 accepts 0x4D40, not back.

namespace device {

bool IsTargetCompatible(int target, int productId);

}  // namespace device
