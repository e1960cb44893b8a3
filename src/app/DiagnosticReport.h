#pragma once
// The diagnostic report a user saves from the context menu and sends to support: the manager's
// state, the device record as last read, the system and the attached USB devices. Composition is
// plain text work here; the main window gathers the state and writes the file.
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "device/DeviceSettings.h"
#include "platform/HidBus.h"
#include "platform/SystemInfo.h"
#include "platform/UsbBus.h"

namespace app {

// The save dialog's only filter: a description whose pattern part is empty.
inline constexpr const char* kDiagnosticLogFilter = "Diagnostic Log Files(*.kelnulog)|";

// "20240131235959_DiagnosticLog.kelnulog" for that local time.
std::string DiagnosticLogFileName(const std::tm& localTime);

// The main window's part of the report.
struct ManagerState {
  std::string status;  // the status line as it reads
  bool deviceRecognized = false;
  int deviceTarget = 0;
  int usbStatus = 0;
};

// The system's part; `kernel` empty when the kernel did not answer, `osRelease` when the
// distribution has no os-release file.
struct SystemState {
  std::optional<platform::KernelIdentity> kernel;
  std::optional<std::string> osRelease;
  std::optional<std::vector<platform::UsbDeviceInfo>> usbDevices;  // nothing when the bus could not be read
  std::vector<platform::HidInterfaceInfo> hidInterfaces;
};

// Asks the installed SystemInfo, UsbBus and HidBus.
SystemState GatherSystemState();

// The whole report with "\n" line ends; the caller turns them into CR LF when writing.
std::string ComposeDiagnosticReport(const ManagerState& manager, const device::CDeviceSettings& record,
                                    const SystemState& system);

// The folder part of `path` with its final '/', empty when it has none.
std::string FolderOf(const std::string& path);

}  // namespace app
