#include "headset/RadioBatches.h"

#include <cstdlib>
#include <string>

#include "device/ProductIds.h"

namespace headset {

namespace {

constexpr size_t kBatchDigits = 6;

struct PatchThreshold {
  device::ProductIds products;
  const char* lastUnpatched;  // the batch value itself needs no patch
};

constexpr PatchThreshold kPatchThresholds[] = {
    {{0x4D05, 0x4D35, 0x4D55}, "2DD49E"},
    {{0x4D15, 0x4D45, 0x4D65, 0x5040, 0x5050}, "2DE43E"},
    {{0x4D85}, "2E037E"},
    {{0x4D10, 0x4D30, 0x4D40}, "2C9BD1"},
    {{0x4D20, 0x4D50}, "2CAF59"},
    {{0x6110}, "34FD7D"},
    {{0x6120}, "358E08"},
};

constexpr int kAlternateModelTarget = 0x5060;
constexpr int kAlternateModel = 0x5011;
constexpr const char* kAlternateModelFirst = "3323F1";
constexpr const char* kAlternateModelLast = "333584";

constexpr int kVariantFixTarget = 0x4210;
struct BatchRange {
  const char* first;
  const char* last;
};
constexpr BatchRange kVariantFixRanges[] = {{"333D55", "334B7D"}, {"2E9057", "2E90BA"}};

}  // namespace

long BatchValue(std::string_view addressText) {
  const std::string digits(addressText.substr(0, kBatchDigits));
  return std::strtol(digits.c_str(), nullptr, 16);
}

bool NeedsRadioPatch(int target, std::string_view addressText) {
  const PatchThreshold* row = device::FindRowFor(kPatchThresholds, target);
  return row && BatchValue(addressText) > BatchValue(row->lastUnpatched);
}

bool IsAlternateModelBatch(int target, std::string_view addressText) {
  if (target != kAlternateModelTarget) return false;
  const long batch = BatchValue(addressText);
  return batch >= BatchValue(kAlternateModelFirst) && batch <= BatchValue(kAlternateModelLast);
}

bool HasAlternateModelBatch(int target) { return target == kAlternateModelTarget; }
int AlternateModel() { return kAlternateModel; }

bool NeedsVariantCodeFix(int target, std::string_view addressText) {
  if (target != kVariantFixTarget) return false;
  const long batch = BatchValue(addressText);
  for (const BatchRange& range : kVariantFixRanges) {
    if (batch >= BatchValue(range.first) && batch <= BatchValue(range.last)) return true;
  }
  return false;
}

}  // namespace headset
