#pragma once
// The rows of the restore page's archived-settings list: the catalogue's rows for the target
// product at the archived firmware version, each as a label and a value text.
#include <string>
#include <vector>

#include "device/DeviceSettings.h"

namespace settings {

struct ArchivedRow {
  std::string label;
  std::string value;
};

struct ArchivedSettingsList {
  enum class Outcome {
    kNoRows,  // the product has no settings rows: the list stays empty and keeps its visibility
    kHidden,  // the product has rows but the page kind on show is not Basic: hide the list
    kRows,    // write `rows`
  };
  Outcome outcome = Outcome::kNoRows;
  std::vector<ArchivedRow> rows;
};

// The list for product `target` (the product the user works on, not the record's own id), the
// archived record (its own firmware version chooses the band), the settings-page kind on show
// and the interface language.
ArchivedSettingsList BuildArchivedSettingsList(int target, const device::CDeviceSettings& archived,
                                               int pageKind, int language);

}  // namespace settings
