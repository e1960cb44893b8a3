#pragma once
// What a catalogue row shows for a record, independent of any window: the check box text, the
// drop-down's options and selection, and the flag that greys the value cell.
#include <string>
#include <vector>

#include "device/DeviceSettings.h"
#include "settings/catalogue/Catalogue.h"

namespace settings {

// "0" (Enable shown) or "1" (Disable shown) by the kind's mapping; any non-zero source is set.
// Only for check box kinds.
std::string CheckBoxText(const RowKindInfo& kind, const device::CDeviceSettings& record);

// The kind's option texts in `language`, in index order; empty for a check box kind.
std::vector<std::string> OptionTexts(const RowKindInfo& kind, int language);

// The option texts joined by "\n", no separator after the last: a drop-down cell's initial text.
std::string JoinedOptions(const RowKindInfo& kind, int language);

// The option index the source selects, or -1 when it selects none (outside the options).
int SelectedOption(const RowKindInfo& kind, const device::CDeviceSettings& record);

// The value handed to the grid as the value cell's disabled flag: 0 leaves the cell enabled.
// Rules 2 and 4 hand over the raw member or masked bit, as the grid treats any non-zero as set.
int GreyFlag(const CatalogueRow& row, const device::CDeviceSettings& record);

}  // namespace settings
