#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "SimDfuImage.h"
#include "platform/dfu/DfuFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  (void)dfu::IsValidDfuFile(file);
  (void)dfu::ReadDfuSuffix(file);
  (void)dfu::ReadBlueCoreHeader(file);
  (void)dfu::ReadBlueCoreHeader(dfu::DfuImageOf(file));
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  sim::SimImageSpec spec;
  spec.imageBytes = 200;
  const auto file = sim::MakeDfuFile(spec);
  std::string version1(file.begin(), file.end());
  version1.replace(0, 8, "CSR-dfu1");
  return {std::string(file.begin(), file.end()), version1, std::string("CSR-dfu2") + std::string(8, '\0')};
}
