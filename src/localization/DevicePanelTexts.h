#pragma once
// The two lines the device panel shows when it has no model to name: no device at all, or a device
// waiting in its firmware boot loader. Finnish has no entries: both lines stay empty there.
#include <string>

namespace text {

struct PanelLines {
  std::string first;
  std::string second;
};

PanelLines GetNoDevicePanelLines(int language);
PanelLines GetFirmwareManagementPanelLines(int language);

}  // namespace text
