#include <algorithm>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/Serial.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxPortDigits = 6;

// A sysfs attribute holds one short line.
std::string ReadFirstLine(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text(16, '\0');
  if (!in) return {};
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  return text.substr(0, text.find('\n'));
}

std::vector<fs::path> SortedChildren(const fs::path& folder) {
  std::vector<fs::path> children;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    children.push_back(it->path());
  std::sort(children.begin(), children.end());
  return children;
}

int LowestPortOf(const fs::path& device) {
  int lowest = -1;
  for (const fs::path& child : SortedChildren(device)) {
    if (child.filename().string().find(':') == std::string::npos) continue;  // not an interface
    for (const fs::path& entry : SortedChildren(child)) {
      const std::optional<int> n = TtyUsbNumber(entry.filename().string());
      if (n && (lowest < 0 || *n < lowest)) lowest = *n;
    }
  }
  return lowest;
}

class SysfsSerial : public Serial {
 public:
  SerialAdapterPort FtdiAdapterPort() override { return FindFtdiAdapterPort("/sys/bus/usb/devices"); }
};

}  // namespace

std::optional<int> TtyUsbNumber(std::string_view name) {
  constexpr std::string_view kPrefix = "ttyUSB";
  if (name.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
  const std::string_view digits = name.substr(kPrefix.size());
  if (digits.empty() || digits.size() > kMaxPortDigits) return std::nullopt;
  int n = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

SerialAdapterPort FindFtdiAdapterPort(const std::filesystem::path& usbDevices) {
  for (const fs::path& device : SortedChildren(usbDevices)) {
    // Interface folders carry no idVendor: not worth a read.
    if (device.filename().string().find(':') != std::string::npos) continue;
    if (ReadFirstLine(device / "idVendor") != kFtdiVendorId) continue;
    return {true, LowestPortOf(device)};
  }
  return {};
}

Serial& Serial::Real() {
  static SysfsSerial serial;
  return serial;
}

}  // namespace platform
