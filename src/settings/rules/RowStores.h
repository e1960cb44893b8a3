#pragma once
// How a row kind's value goes back into the record: the inverse of the catalogue's source and
// mapping, and the grey rule whose rows follow the kind's setting.
#include "device/DeviceSettings.h"
#include "settings/catalogue/RowKind.h"

namespace settings::rules {

// Stores the state a check box cell shows ("Disable" when `disableShown`). False, and nothing
// stored, for a drop-down kind.
bool StoreCheckState(RowKind kind, bool disableShown, device::CDeviceSettings& record);

// Stores the option at `index`. False, and nothing stored, for a check box kind or an index
// outside the options: a list closed with nothing selected must not write a value no option
// stands for.
bool StoreOption(RowKind kind, int index, device::CDeviceSettings& record);

// The grey rule of the rows that follow this kind's setting; kNone when none do.
GreyRule RuleFollowing(RowKind kind);

}  // namespace settings::rules
