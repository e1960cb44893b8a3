#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pages/recognition/ProgramUpdateCheck.h"

std::vector<std::string> CorvaleFuzzSeeds() {
  const std::string key(pages::kProgramKey);
  return {key + ":3\r\n" + key + ": v1.1 : setup110.exe\r\n\r\n" + key + ":5\r\n",
          "Other: v9.9 : other.exe\n" + key + ": v10 : a:b:c\n\n\n:" + key + ":1\n"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view list(reinterpret_cast<const char*>(data), size);
  const pages::SoftwareOffer offer = pages::ReadSoftwareList(list);
  if (offer.fileName.size() > size) __builtin_trap();
  (void)pages::IsNewerThanRunning(offer.major, offer.minor, offer.build);
  return 0;
}
