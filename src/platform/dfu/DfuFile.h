#pragma once
// DFU files: the 16-byte suffix with its CRC, and the BlueCore header at the start of the image.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace dfu {

inline constexpr size_t kDfuSuffixBytes = 16;
// Larger files are refused without being read; BlueCore images are far smaller.
inline constexpr size_t kMaxDfuFileBytes = 64u << 20;

struct DfuSuffix {
  uint16_t deviceRelease = 0;  // bcdDevice; 0xFFFF in an id field matches any device
  uint16_t productId = 0;
  uint16_t vendorId = 0;
  uint16_t dfuVersion = 0;
  uint32_t crc = 0;
};

// Reflected CRC-32 (polynomial 0xEDB88320) from 0xFFFFFFFF without a final XOR, as DFU files carry it.
uint32_t DfuCrc(std::span<const uint8_t> bytes);

// The suffix of a whole file: nullopt when the file is shorter than a suffix, bLength is not 16 or
// the signature is not "UFD". The CRC is returned, not checked.
std::optional<DfuSuffix> ReadDfuSuffix(std::span<const uint8_t> file);

struct BlueCoreHeader {
  int format = 0;            // 1 for "CSR-dfu1", 2 for "CSR-dfu2"
  std::string description;   // version 2: the 64 characters from byte 16, cut at the first zero
  size_t headerBytes = 0;    // bytes of the fixed header: 8 for version 1, 80 for version 2
};

// The header at the start of an image (the file without its suffix); nullopt when the image does
// not start with a BlueCore signature or a version-2 header is cut short.
std::optional<BlueCoreHeader> ReadBlueCoreHeader(std::span<const uint8_t> image);

// A file the engine accepts: a suffix as above whose CRC matches, and a BlueCore image before it.
bool IsValidDfuFile(std::span<const uint8_t> file);

// The image sent to the device: the file without its suffix (empty when there is no suffix).
std::span<const uint8_t> DfuImageOf(std::span<const uint8_t> file);

// The whole file; nullopt when it cannot be read, is no plain file (platform::PlainFile) or is
// larger than kMaxDfuFileBytes.
std::optional<std::vector<uint8_t>> ReadDfuFile(const std::string& path);
// The whole file when it is one the engine accepts. Its suffix and header are read first: what
// is no DFU file is refused without being read whole.
std::optional<std::vector<uint8_t>> ReadValidDfuFile(const std::string& path);

}  // namespace dfu
