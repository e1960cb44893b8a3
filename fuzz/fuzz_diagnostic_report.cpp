// The report reads the distribution's os-release file, the kernel's release text and what the
// USB and HID buses list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/DiagnosticReport.h"

std::vector<std::string> CorvaleFuzzSeeds() {
  return {"PRETTY_NAME=\"Debian GNU/Linux 12\"\nVERSION_ID=\"12\"\n", "NAME='Ubuntu'\r\nVERSION_ID='22.04'",
          "PRETTY_NAME=\"\\", "PRETTY_NAME=\"a\\\"b\nVERSION_ID=99999999999999999999", "=\n=\"\n\"", ""};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  app::SystemState system;
  // The same bytes as os-release and as the kernel's release and machine.
  system.kernel = platform::KernelIdentity{"Linux", text, text, text};
  system.osRelease = text;
  // Every seven bytes also a USB device and a HID interface; an odd first byte: no USB list.
  if (size == 0 || (data[0] & 1) == 0) system.usbDevices.emplace();
  for (size_t at = 0; at + 7 <= size; at += 7) {
    const auto word = [&](size_t i) { return static_cast<uint16_t>(data[at + i] | (data[at + i + 1] << 8)); };
    if (system.usbDevices) system.usbDevices->push_back({word(0), word(2), word(4), text.substr(at, data[at + 6] % 16)});
    platform::HidInterfaceInfo hid;
    hid.path = text.substr(at, 7);
    hid.vendorId = word(0);
    hid.productId = word(2);
    hid.usagePage = word(3);
    hid.usage = word(4);
    hid.interfaceNumber = static_cast<int8_t>(data[at + 6]);
    system.hidInterfaces.push_back(hid);
  }
  const std::string report = app::ComposeDiagnosticReport({}, device::CDeviceSettings{}, system);
  if (report.find("[Windows Information]\n") == std::string::npos ||
      report.find("[USB Information]\n") == std::string::npos) {
    __builtin_trap();
  }
  return 0;
}
