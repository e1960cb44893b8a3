#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/SettingsFile.h"

std::vector<std::string> CorvaleFuzzSeeds() {
  return {"keyManagerVersion=v1.0\r\nkeyManagerLanguage=French\r\nkeyApplyToFirmwareLanguage=1\r\n"
          "keyDeviceTarget=19728\r\nkeyFirmwareLanguage=German\r\nkeyCurrentPath=/tmp/a=b\r\n"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  app::ManagerPreferences prefs;
  app::ParseSettingsText(std::string(reinterpret_cast<const char*>(data), size), prefs);
  if (prefs.language < 0 || prefs.language > 10) __builtin_trap();
  (void)app::FormatSettingsText(prefs);
  return 0;
}
