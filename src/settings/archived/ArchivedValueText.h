#pragma once
// How the restore page's archived-settings list writes a row kind's value: plain text in the
// interface language, read-only, for the record exactly as the archive reader left it.
#include <string>

#include "device/DeviceSettings.h"
#include "settings/catalogue/RowKind.h"

namespace settings {

// The value text of `kind` for `record` in `language` (0 to 10; any other reads as English).
// On/off kinds read "Enabled" or "Disabled"; the others name their value. A value that a level
// rendering does not list shows as its number, so no value reads outside a text table.
std::string ArchivedValueText(RowKind kind, const device::CDeviceSettings& record, int language);

}  // namespace settings
