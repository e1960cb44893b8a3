#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "firmware/formats/RevisionsList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  firmware::RevisionsQuery query;
  query.model = "M";
  query.archivedMajor = 1;
  query.archivedMinor = 2;
  query.firmwareLanguage = "French";
  (void)firmware::ScanRevisionsList(text, query);
  query.fourPartVersions = true;
  (void)firmware::ScanRevisionsList(text, query);
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  return {"M:v1.2:English:e.img\nM:v1.2:French:f.img\nM:v1.2:x.img\n", "M:v1.2:x.img\r\n\n:\n", "M:v1.2.3.4:a:b:c\n"};
}
