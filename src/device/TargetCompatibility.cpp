#include "device/TargetCompatibility.h"

#include "device/ProductIds.h"

namespace device {

namespace {

struct TargetVariants {
  int target;
  ProductIds variants;
};

constexpr TargetVariants kVariants[] = {
    {0x4D05, {0x4D35, 0x4D55}},
    {0x4D15, {0x4D45, 0x4D65}},
    {0x5040, {0x5050}},
    {0x4D10, {0x4D30, 0x4D40}},
    {0x4D20, {0x4D50}},
    {0x5010, {0x5060, 0x5061}},
    {0x5020, {0x5070}},
    {0x5030, {0x5080}},
};

}  // namespace

bool IsTargetCompatible(int target, int productId) {
  if (productId == target) return true;
  for (const TargetVariants& row : kVariants) {
    if (row.target == target) return row.variants.Contains(productId);
  }
  return false;
}

}  // namespace device
