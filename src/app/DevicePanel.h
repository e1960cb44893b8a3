#pragma once
// What the device panel at the top of the main window shows: a picture and two lines, worked out
// from the main window's state alone so that the window only has to put them on its controls.
#include <string>

#include "device/DeviceSettings.h"

namespace app {

struct DevicePanelContent {
  int picture = 0;  // resource bitmap id
  std::string line1;  // the model, or the first half of a state
  std::string line2;  // the firmware version(s), or the second half of a state
};

struct DevicePanelState {
  bool recognized = false;
  int usbStatus = 0;  // DFU_MODE_FLAG set: the device waits in DFU mode
  int language = 0;
  const device::CDeviceSettings* settings = nullptr;  // required when recognized
  int hardwareVariant = 0;  // read from the device only for the product whose picture needs it
};

DevicePanelContent ComposeDevicePanel(const DevicePanelState& state);

// The name as the panel shows it: "TQG27 1.2" (a dot and a blank) loses its last word.
std::string PanelDeviceName(const std::string& name);

}  // namespace app
