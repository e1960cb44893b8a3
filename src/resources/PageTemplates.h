#pragma once
// Layouts of the seven wizard pages: borderless child dialogs that fill the main window's page
// frame from its top-left corner. Each page's own controls are added with that page's work.
#include "framework/DialogTemplate.h"

namespace res {

enum : int {
  IDD_DEVICE_SELECTION = 182,
  IDD_DEVICE_RECOGNITION = 183,
  IDD_FIRMWARE_UPDATE = 185,
  IDD_FIRMWARE_RESTORE = 186,
  IDD_DEVICE_SETTING = 187,
  IDD_DEVICE_SETTING_SECOND = 189,
  IDD_DEVICE_SETTING_SPEED_DIAL = 193,
};

// The settings grid of page 5.
enum : int { IDC_GRID_SETTINGS = 1201 };

const fw::DialogTemplate& DeviceSelectionTemplate();       // 182, page 1
const fw::DialogTemplate& DeviceRecognitionTemplate();     // 183, page 2
const fw::DialogTemplate& FirmwareUpdateTemplate();        // 185, page 3
const fw::DialogTemplate& FirmwareRestoreTemplate();       // 186, page 4
const fw::DialogTemplate& DeviceSettingTemplate();         // 187, page 5
const fw::DialogTemplate& DeviceSettingSecondTemplate();   // 189, page 6
const fw::DialogTemplate& DeviceSettingSpeedDialTemplate();  // 193, page 7

// The common frame of a page template: child style, Arial 10 point, no controls yet.
fw::DialogTemplate PageTemplateBase(int id, fw::Size units);

}  // namespace res
