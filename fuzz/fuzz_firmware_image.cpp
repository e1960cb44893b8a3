#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "SimFirmwareImage.h"
#include "firmware/formats/FirmwareImageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  for (auto layout : {firmware::ImageLayout::Older, firmware::ImageLayout::Newer}) {
    firmware::FirmwareImageFile image;
    if (image.Parse(bytes, layout, firmware::ImageProductTest::OlderLayoutRule())) {
      for (size_t i = 0; i <= image.Sections().size(); ++i) (void)image.SectionBytes(i);
    }
  }
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  sim::SimContainerSpec spec;
  spec.sections = {{0, 1, {1, 2, 3, 4}, 1, 0}, {1, 2, {5, 6}, 2, 0}};
  const auto newer = sim::MakeFirmwareImage(spec);
  spec.newerLayout = false;
  const auto older = sim::MakeFirmwareImage(spec);
  return {std::string(newer.begin(), newer.end()), std::string(older.begin(), older.end()), std::string(36, '\0')};
}
