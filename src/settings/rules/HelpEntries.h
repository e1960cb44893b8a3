#pragma once
// The help box of a settings row: its text, filled in the interface language, and its height.
// Keyed by the row's kind, with the few kinds whose text depends on the product.
#include <optional>
#include <string>

#include "device/DeviceSettings.h"
#include "settings/catalogue/Catalogue.h"

namespace settings::rules {

inline constexpr int kHelpBoxWidth = 520;

struct RowHelp {
  std::string text;
  int height;
};

// The help of `row` in `list` for `productId`, with `device` the device as last recognised;
// nothing for a row without help (the recording sources) or outside the list.
std::optional<RowHelp> HelpForRow(const RowList& list, int row, int productId,
                                  const device::CDeviceSettings& device, int language);

// Whether a kind has a help entry at all, for checks over every list.
bool HasHelpEntry(RowKind kind);

}  // namespace settings::rules
