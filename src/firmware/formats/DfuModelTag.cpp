#include "firmware/formats/DfuModelTag.h"

#include "device/ModelNames.h"
#include "device/ProductIds.h"
#include "localization/SafeFormat.h"
#include "platform/PlainFile.h"

namespace firmware {

namespace {

// Products whose tag carries the target's code instead of their own.
constexpr device::ProductIds kTaggedByTarget = {0x4D45, 0x4D65, 0x5050};
// Files without a tag (a space at byte 16) serve the models whose tag starts so.
constexpr std::string_view kUntaggedModelPrefix = "TQG27";
// Products that also take files tagged with this code.
constexpr int kSharedCode = 0x5060;
constexpr device::ProductIds kTakeSharedCode = {0x5010, 0x5060};

struct AliasCode {
  device::ProductIds products;
  int code;
};
constexpr AliasCode kAliasCodes[] = {
    {{0x4D05, 0x4D55}, 0x4D35}, {{0x4D10, 0x4D40}, 0x4D30}, {{0x4D45, 0x4D65}, 0x4D15}, {{0x4D50}, 0x4D20},
    {{0x5010, 0x5060}, 0x5061}, {{0x5020}, 0x5070},         {{0x5030}, 0x5080},         {{0x5050}, 0x5040},
};

bool IsBlank(uint8_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

}  // namespace

std::optional<std::array<uint8_t, kDfuTagWindowBytes>> ReadDfuTagWindow(const std::string& path) {
  const platform::PlainFile file(path);
  std::array<uint8_t, kDfuTagWindowBytes> window{};
  if (!file.ReadAt(0, window.data(), window.size())) return std::nullopt;
  return window;
}

std::string MakeDfuModelTag(int model, int code) {
  return text::Format("%s#%04X", device::GetModelName(model, true), code);
}

bool CarriesTag(std::span<const uint8_t> window, std::string_view tag) {
  if (window.size() < kDfuTagOffset + tag.size()) return false;
  size_t first = kDfuTagOffset;
  size_t end = kDfuTagOffset + tag.size();
  while (first < end && IsBlank(window[first])) ++first;
  while (end > first && IsBlank(window[end - 1])) --end;
  return std::string_view(reinterpret_cast<const char*>(window.data()) + first, end - first) == tag;
}

DfuFileMatch MatchDfuFile(std::span<const uint8_t> window, int productId, int target, bool alternateBatch) {
  if (window.size() < kDfuTagWindowBytes) return DfuFileMatch::kNotForDevice;
  window = window.first(kDfuTagWindowBytes);
  const std::string tag = MakeDfuModelTag(productId, kTaggedByTarget.Contains(productId) ? target : productId);
  if (CarriesTag(window, tag)) return DfuFileMatch::kForDevice;
  if (window[kDfuTagOffset] == ' ' && tag.starts_with(kUntaggedModelPrefix)) return DfuFileMatch::kForDevice;
  if (target == kAlternateBatchTarget && alternateBatch &&
      CarriesTag(window, MakeDfuModelTag(kAlternateModel, kAlternateModel))) {
    return DfuFileMatch::kForAlternateModel;
  }
  for (const AliasCode& alias : kAliasCodes) {
    if (alias.products.Contains(productId)) {
      if (CarriesTag(window, MakeDfuModelTag(productId, alias.code))) return DfuFileMatch::kForDevice;
      break;
    }
  }
  if (kTakeSharedCode.Contains(productId) && CarriesTag(window, MakeDfuModelTag(productId, kSharedCode))) {
    return DfuFileMatch::kForDevice;
  }
  return DfuFileMatch::kNotForDevice;
}

}  // namespace firmware
