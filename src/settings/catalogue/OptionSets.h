#pragma once
// The drop-down option sets of the settings rows, in option-index order.
#include "settings/catalogue/RowKind.h"

namespace settings::options {

extern const OptionSet kTenLevels;         // "Level 1" .. "Level 10"
extern const OptionSet kFiveLevels;        // "Level 1" .. "Level 5"
extern const OptionSet kLowMediumHigh;     // "Low", "Medium", "High"
extern const OptionSet kOffLowMediumHigh;  // "Disable", "Low", "Medium", "High"
extern const OptionSet kOffLowHigh;        // "Disable", "Low", "High"
extern const OptionSet kSourcePriority;    // "Intercom", "Music"
extern const OptionSet kPhotoMode;
extern const OptionSet kVideoModeTwo;
extern const OptionSet kVideoModeThree;
extern const OptionSet kVideoResolution;
extern const OptionSet kTimelapseInterval;
extern const OptionSet kMinutes;          // "1 min", "3 mins", "5 mins"
extern const OptionSet kDeviceLanguages;  // in the device's language order
extern const OptionSet kEssStatus;

}  // namespace settings::options
