#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "firmware/formats/SettingsArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  device::CDeviceSettings settings;
  firmware::ReadSettingsArchiveText(std::string_view(reinterpret_cast<const char*>(data), size), settings);
  (void)firmware::FormatSettingsArchive(settings, settings.m_timeArchived);
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  device::CDeviceSettings settings;
  settings.m_nProductId = 0x4D21;
  settings.m_astrSpeedDial = {"1", "", "2"};
  return {firmware::FormatSettingsArchive(settings, 1709622249),
          "keyFMRadioPreset11=1\nkeyDateArchived=99/99/9999 99:99:99\nkeySpeedDial00=\n"};
}
