// Version texts come from the server lists and the settings archive.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "device/DeviceSettings.h"
#include "device/Version.h"

std::vector<std::string> CorvaleFuzzSeeds() {
  return {"1.2", " 4 . 13 ", "1.2.3.4", "1..2.3", ".5", "v1.2", "-2147483648.2147483647",
          "99999999999999999999.1", "1.2.3.4.5.6", "\t+7\t.\t-8\r\n"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  int major = 0, minor = 0, a = 0, b = 0, c = 0, d = 0;
  const bool two = device::ParseTwoPartVersion(text, major, minor);
  const bool four = device::ParseFourPartVersion(text, a, b, c, d);
  // Whatever was read must compare without overflow, and consistently both ways.
  for (bool typeFirst : {false, true}) {
    const int ab = device::CompareVersions(major, minor, a, b, c, d, a, b, typeFirst);
    const int ba = device::CompareVersions(c, d, a, b, major, minor, a, b, typeFirst);
    if ((ab > 0) != (ba < 0) || (ab == 0) != (ba == 0)) __builtin_trap();
  }
  if (four && !two) __builtin_trap();  // a four-part text is also a two-part one
  device::CDeviceSettings record;
  record.ParseVersion(text);
  (void)record.CompareVersion(a, b);
  return 0;
}
