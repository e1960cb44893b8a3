#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "firmware/formats/DfuModelTag.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  for (int product : {0x4D21, 0x4D10, 0x4D45, 0x5060}) {
    (void)firmware::MatchDfuFile(file, product, product == 0x4D45 ? 0x4D15 : product, true);
  }
  (void)firmware::CarriesTag(file, "VKT_TQG27N#4D21");
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  std::string tagged(firmware::kDfuTagWindowBytes, '\0');
  tagged.replace(firmware::kDfuTagOffset, 15, "VKT_TQG27N#4D21");
  std::string untagged(firmware::kDfuTagWindowBytes, ' ');
  return {tagged, untagged, tagged.substr(0, 20)};
}
