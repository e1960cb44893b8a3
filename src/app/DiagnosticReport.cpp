#include "app/DiagnosticReport.h"

#include <algorithm>
#include <array>
#include <climits>
#include <set>
#include <string_view>

#include "device/ProductTraits.h"
#include "localization/SafeFormat.h"

namespace app {

namespace {

constexpr int kProgramVersionMajor = 1;
constexpr int kProgramVersionMinor = 0;

constexpr const char* kManagerBlock =
    "[Manager Information]\nStatus: %s\nVersion: %d.%d%s\n\n[Device Information]\nRecognized: %d\n"
    "Target Device: %04X\nUSB Status: %04X\nRecognized Device: %04X\nBD Address: %s\n"
    "HardwareVersion: %s\nDevice Name: %s\n%s[Windows Information]\n";
constexpr const char* kSingleVersionBlock =
    "Device Version: %d.%d\nSecondary Version Type: %d\nSecondary Version: %d\n\n";
constexpr const char* kTwoVersionBlock =
    "Device Version 01: %d.%d\nSecondary Version Type 01: %d\nSecondary Version 01: %d\n"
    "Device Version 02: %d.%d\nSecondary Version Type 02: %d\nSecondary Version 02: %d\n\n";
constexpr const char* kSystemBlock =
    "OS: %s\nOS Version: %d\nMajor Version: %d\nMinor Version: %d\nBuild Number: %d\nCSD Version: %s\n"
    "Windows: %s\nApp Installed: %s\n\n[USB Information]\n";
constexpr const char* kNoInformation = "Failed to get information\n";

std::string VersionBlock(const device::CDeviceSettings& record) {
  if (device::HasTwoHidInterfaces(record.m_nProductId)) {
    const auto& a = record.m_anHidVersion1;
    const auto& b = record.m_anHidVersion2;
    return text::Format(kTwoVersionBlock, a[0], a[1], a[2], a[3], b[0], b[1], b[2], b[3]);
  }
  return text::Format(kSingleVersionBlock, record.m_nVersionMajor, record.m_nVersionMinor,
                      record.m_nSecondaryVersionType, record.m_nSecondaryVersion);
}

// Leading decimal digits of `s` from `pos`, clamped; `pos` moves past them.
int ReadNumber(std::string_view s, size_t& pos) {
  long long value = 0;
  while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
    value = std::min<long long>(value * 10 + (s[pos] - '0'), INT_MAX);
    ++pos;
  }
  return static_cast<int>(value);
}

// "6.1.0-18-amd64" -> 6, 1, 0; missing parts are 0.
std::array<int, 3> ReleaseNumbers(std::string_view release) {
  std::array<int, 3> numbers{};
  size_t pos = 0;
  for (size_t i = 0; i < numbers.size(); ++i) {
    numbers[i] = ReadNumber(release, pos);
    if (pos >= release.size() || release[pos] != '.') break;
    ++pos;
  }
  return numbers;
}

// The value of `key` in os-release text: KEY=value lines, the value optionally quoted with
// backslash escapes inside double quotes. Empty when the key is absent.
std::string OsReleaseValue(std::string_view text, std::string_view key) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != '=') continue;
    std::string_view raw = line.substr(key.size() + 1);
    const char quote = raw.empty() ? '\0' : raw.front();
    if (quote != '"' && quote != '\'') return std::string(raw);
    std::string value;
    for (size_t i = 1; i < raw.size() && raw[i] != quote; ++i) {
      if (quote == '"' && raw[i] == '\\' && i + 1 < raw.size()) ++i;
      value += raw[i];
    }
    return value;
  }
  return {};
}

bool IsSixtyFourBitMachine(std::string_view machine) {
  return machine.find("64") != std::string_view::npos || machine == "s390x";
}

// The counterpart of the system's name, version and service-pack lines: the distribution's name
// and version number, the kernel release's three numbers, and the kernel's full release and build.
std::string SystemBlock(const SystemState& system) {
  if (!system.kernel) return kNoInformation;
  const platform::KernelIdentity& kernel = *system.kernel;
  const std::string osRelease = system.osRelease.value_or("");
  std::string name = OsReleaseValue(osRelease, "PRETTY_NAME");
  if (name.empty()) name = OsReleaseValue(osRelease, "NAME");
  if (name.empty()) name = kernel.name;
  size_t pos = 0;
  const int distributionVersion = ReadNumber(OsReleaseValue(osRelease, "VERSION_ID"), pos);
  const std::array<int, 3> numbers = ReleaseNumbers(kernel.release);
  std::string build = kernel.release;
  if (!kernel.version.empty()) build += " " + kernel.version;
  const char* programBits = sizeof(void*) == 8 ? "64bit" : "32bit";
  return text::Format(kSystemBlock, name, distributionVersion, numbers[0], numbers[1], numbers[2], build,
                      IsSixtyFourBitMachine(kernel.machine) ? "64bits" : "32bits", programBits);
}

// One line per device in the form support knows: "USB\VID_092B&PID_4D21&REV_0100"; then the
// USB-attached HID interfaces as interface entries "USB\VID_092B&PID_4D21&MI_03".
std::string UsbBlock(const SystemState& system) {
  if (!system.usbDevices) return kNoInformation;
  std::string block;
  for (const platform::UsbDeviceInfo& device : *system.usbDevices) {
    block += text::Format("USB\\VID_%04X&PID_%04X&REV_%04X\n", device.vendorId, device.productId,
                          device.revision);
  }
  // One interface may carry several HID collections under one path.
  std::set<std::string> seen;
  for (const platform::HidInterfaceInfo& hid : system.hidInterfaces) {
    if (hid.interfaceNumber < 0 || !seen.insert(hid.path).second) continue;
    block += text::Format("USB\\VID_%04X&PID_%04X&MI_%02X\n", hid.vendorId, hid.productId, hid.interfaceNumber);
  }
  return block;
}

}  // namespace

std::string DiagnosticLogFileName(const std::tm& localTime) {
  char stamp[32];
  if (std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &localTime) == 0) stamp[0] = '\0';
  return text::Format("%s_DiagnosticLog.kelnulog", stamp);
}

SystemState GatherSystemState() {
  SystemState state;
  platform::SystemInfo& info = platform::SystemInfo::Get();
  state.kernel = info.Kernel();
  state.osRelease = info.OsRelease();
  state.usbDevices = platform::UsbBus::Get().TryListDevices();
  state.hidInterfaces = platform::HidBus::Get().Enumerate(0, 0);
  return state;
}

std::string ComposeDiagnosticReport(const ManagerState& manager, const device::CDeviceSettings& record,
                                    const SystemState& system) {
  std::string report = text::Format(
      kManagerBlock, manager.status, kProgramVersionMajor, kProgramVersionMinor, "",
      manager.deviceRecognized ? 1 : 0, manager.deviceTarget, manager.usbStatus, record.m_nProductId,
      record.m_strAddress, record.m_strHardwareVersion, record.m_strDeviceName, VersionBlock(record));
  // Support's tools read this layout: a system that cannot be asked leaves one line and no USB
  // heading in its block's place.
  report += SystemBlock(system);
  report += UsbBlock(system);
  return report;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace app
