#include "platform/dfu/DeviceNames.h"

#include <cctype>

#include "platform/usb/UsbDescriptors.h"

namespace dfu {

namespace {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

std::optional<uint16_t> ReadHex4(std::string_view text) {
  if (text.size() < 4) return std::nullopt;
  uint16_t value = 0;
  for (size_t i = 0; i < 4; ++i) {
    const int c = std::tolower(static_cast<unsigned char>(text[i]));
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else return std::nullopt;
    value = static_cast<uint16_t>(value * 16 + digit);
  }
  return value;
}

std::string Hex4(uint16_t value) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text(4, '0');
  for (int i = 3; i >= 0; --i, value = static_cast<uint16_t>(value >> 4)) text[i] = kDigits[value & 0xF];
  return text;
}

bool IsLocation(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c == '#' || !std::isgraph(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

bool HasDfuInterface(platform::UsbDevice& device) {
  const auto config = platform::ParseConfigDescriptor(device.ConfigDescriptor());
  return config && config->Find(platform::kUsbClassApplication, platform::kUsbSubClassDfu);
}

}  // namespace

std::string MakeDeviceName(const platform::UsbDeviceInfo& device) {
  return "usb#VID_" + Hex4(device.vendorId) + "&PID_" + Hex4(device.productId) + "#" + device.path;
}

std::optional<DeviceRef> ParseDeviceName(std::string_view name) {
  // "usb#VID_" 4 "&PID_" 4 "#" location
  constexpr std::string_view kHead = "usb#vid_";
  constexpr std::string_view kMiddle = "&pid_";
  constexpr size_t kProductAt = 8 + 4 + 5;
  constexpr size_t kLocationAt = kProductAt + 4 + 1;
  if (name.size() <= kLocationAt || !SameText(name.substr(0, kHead.size()), kHead)) return std::nullopt;
  if (!SameText(name.substr(12, kMiddle.size()), kMiddle) || name[kLocationAt - 1] != '#')
    return std::nullopt;
  const auto vendor = ReadHex4(name.substr(8));
  const auto product = ReadHex4(name.substr(kProductAt));
  const std::string_view location = name.substr(kLocationAt);
  if (!vendor || !product || !IsLocation(location)) return std::nullopt;
  return DeviceRef{*vendor, *product, std::string(location)};
}

std::vector<platform::UsbDeviceInfo> ListDfuCapableDevices() {
  std::vector<platform::UsbDeviceInfo> found;
  auto& bus = platform::UsbBus::Get();
  for (const auto& info : bus.ListDevices()) {
    // A device we may not open cannot be updated by us either.
    const auto device = bus.Open(info);
    if (device && HasDfuInterface(*device)) found.push_back(info);
  }
  return found;
}

int ListDfuDeviceNames(CStringListX& names) {
  names.RemoveAll();
  for (const auto& device : ListDfuCapableDevices()) names.AddTail(MakeDeviceName(device));
  return static_cast<int>(names.GetCount());
}

std::optional<platform::UsbDeviceInfo> FindAt(uint16_t vendorId, std::string_view location) {
  for (const auto& info : platform::UsbBus::Get().ListDevices()) {
    if (info.vendorId == vendorId && SameText(info.path, location)) return info;
  }
  return std::nullopt;
}

std::optional<platform::UsbDeviceInfo> FindDevice(uint16_t vendorId, uint16_t productId,
                                                  std::string_view location) {
  std::optional<platform::UsbDeviceInfo> first;
  for (const auto& info : platform::UsbBus::Get().ListDevices()) {
    if (info.vendorId != vendorId || info.productId != productId) continue;
    if (SameText(info.path, location)) return info;
    if (!first) first = info;
  }
  return first;
}

}  // namespace dfu
