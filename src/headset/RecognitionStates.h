#pragma once
// How a recognition run ended, and the main window's device state a run fills.
#include <array>

#include "device/DeviceSettings.h"

namespace headset {

enum RecognizeResult : int {
  RECOGNIZE_OK = 0,
  RECOGNIZE_DFU_MODE = 1,
  RECOGNIZE_NO_DEVICE = 2,
  RECOGNIZE_OTHER_MODEL = 3,
  RECOGNIZE_PROVISIONED = 4,
  RECOGNIZE_FEWER_INTERFACES_OBTAINED = 5,
  RECOGNIZE_MORE_INTERFACES_OBTAINED = 6,
  RECOGNIZE_FEWER_INTERFACES_FOUND = 7,
  RECOGNIZE_MORE_INTERFACES_FOUND = 8,
  RECOGNIZE_INTERFACE_PROBLEM = 9,
  RECOGNIZE_CARD_FILE_MISSING = 10,
};

// The results after which a silent recognition is repeated interactively, so that the user sees
// what went wrong; after the others the engine has already moved on by itself.
constexpr bool ShouldRepeatInteractively(int result) {
  switch (result) {
    case RECOGNIZE_NO_DEVICE:
    case RECOGNIZE_FEWER_INTERFACES_OBTAINED:
    case RECOGNIZE_MORE_INTERFACES_OBTAINED:
    case RECOGNIZE_FEWER_INTERFACES_FOUND:
    case RECOGNIZE_MORE_INTERFACES_FOUND:
    case RECOGNIZE_INTERFACE_PROBLEM:
      return true;
    default:
      return false;
  }
}

// The main window's device state, bound to where it lives; a run reads the target and writes
// the rest for the devices it handles.
struct RecognitionSlots {
  int& deviceTarget;
  int& usbStatus;
  bool& deviceRecognized;
  device::CDeviceSettings& record;
  int& settingsPageCount;
  std::array<int, 3>& settingsPages;
  int& settingsPageSel;
};

}  // namespace headset
