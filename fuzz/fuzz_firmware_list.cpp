#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "firmware/formats/FirmwareList.h"

std::vector<std::string> CorvaleFuzzSeeds() {
  return {"Other: v9.9 : other.img\r\nVKT_TQG27N: v2.1 : one.img\r\nVKT_TQG27N: 45\r\n",
          "VKT_TQG27N: v3.0 : English : en.img\nVKT_TQG27N: v3.0 : french : fr:x.img\n"
          "VKT_TQG27N: v3.0 : French : again.img\nVKT_TQG27N:99999999999\n\n\n:",
          "VKT_TQG27N::\nVKT_TQG27N: v\xE2\x82\xAC" "1 : a : b : c\n"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view list(reinterpret_cast<const char*>(data), size);
  const firmware::FirmwareListEntry entry = firmware::ReadFirmwareList(list, "VKT_TQG27N");
  size_t taken = entry.version.size() + entry.fileName.size();
  for (const firmware::FirmwareListVariant& v : entry.variants) taken += v.fileName.size() + v.language.size();
  if (entry.version.size() > size || entry.fileName.size() > size) __builtin_trap();
  if (!entry.found && (taken != 0 || !entry.variants.empty() || entry.sub)) __builtin_trap();
  return 0;
}
