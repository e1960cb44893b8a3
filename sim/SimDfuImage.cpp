#include "SimDfuImage.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "platform/dfu/DfuFile.h"

namespace sim {

std::vector<uint8_t> MakeDfuFile(const SimImageSpec& spec) {
  std::vector<uint8_t> file(std::max<size_t>(spec.imageBytes, kSimImageVersionOffset + 4), 0);
  std::memcpy(file.data(), "CSR-dfu2", 8);
  file[8] = 2;  // header version
  const uint32_t length = static_cast<uint32_t>(file.size());
  for (int i = 0; i < 4; ++i) file[10 + i] = static_cast<uint8_t>(length >> (8 * i));
  file[14] = static_cast<uint8_t>(kSimImageVersionOffset);
  std::memcpy(file.data() + 16, spec.description.data(), std::min<size_t>(spec.description.size(), 64));
  std::copy(spec.version.begin(), spec.version.end(), file.begin() + kSimImageVersionOffset);
  for (size_t i = kSimImageVersionOffset + 4; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i * 7);

  const uint8_t suffix[12] = {0x00, 0x00,
                              static_cast<uint8_t>(spec.productId), static_cast<uint8_t>(spec.productId >> 8),
                              static_cast<uint8_t>(spec.vendorId), static_cast<uint8_t>(spec.vendorId >> 8),
                              0x00, 0x01, 'U', 'F', 'D', 16};
  file.insert(file.end(), suffix, suffix + sizeof suffix);
  const uint32_t crc = dfu::DfuCrc(file);
  for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(crc >> (8 * i)));
  return file;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace sim
