#include "platform/dfu/DfuFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/PlainFile.h"

namespace dfu {

namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t value = i;
    for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
    table[i] = value;
  }
  return table;
}

constexpr auto kCrcTable = MakeCrcTable();

uint16_t Word(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

constexpr size_t kSignatureBytes = 8;
constexpr size_t kDescriptionOffset = 16;
constexpr size_t kDescriptionBytes = 64;

}  // namespace

uint32_t DfuCrc(std::span<const uint8_t> bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (uint8_t byte : bytes) crc = kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc;
}

std::optional<DfuSuffix> ReadDfuSuffix(std::span<const uint8_t> file) {
  if (file.size() < kDfuSuffixBytes) return std::nullopt;
  const auto suffix = file.last(kDfuSuffixBytes);
  if (suffix[11] != kDfuSuffixBytes) return std::nullopt;
  if (suffix[8] != 'U' || suffix[9] != 'F' || suffix[10] != 'D') return std::nullopt;
  DfuSuffix result;
  result.deviceRelease = Word(suffix, 0);
  result.productId = Word(suffix, 2);
  result.vendorId = Word(suffix, 4);
  result.dfuVersion = Word(suffix, 6);
  result.crc = static_cast<uint32_t>(Word(suffix, 12)) | (static_cast<uint32_t>(Word(suffix, 14)) << 16);
  return result;
}

std::optional<BlueCoreHeader> ReadBlueCoreHeader(std::span<const uint8_t> image) {
  if (image.size() < kSignatureBytes) return std::nullopt;
  BlueCoreHeader header;
  if (std::memcmp(image.data(), "CSR-dfu1", kSignatureBytes) == 0) {
    header.format = 1;
    header.headerBytes = kSignatureBytes;
    return header;
  }
  if (std::memcmp(image.data(), "CSR-dfu2", kSignatureBytes) != 0) return std::nullopt;
  header.format = 2;
  header.headerBytes = kDescriptionOffset + kDescriptionBytes;
  if (image.size() < header.headerBytes) return std::nullopt;
  const auto description = image.subspan(kDescriptionOffset, kDescriptionBytes);
  size_t length = 0;
  while (length < description.size() && description[length] != 0) ++length;
  header.description.assign(reinterpret_cast<const char*>(description.data()), length);
  return header;
}

bool IsValidDfuFile(std::span<const uint8_t> file) {
  const auto suffix = ReadDfuSuffix(file);
  if (!suffix) return false;
  if (DfuCrc(file.first(file.size() - 4)) != suffix->crc) return false;
  return ReadBlueCoreHeader(DfuImageOf(file)).has_value();
}

std::span<const uint8_t> DfuImageOf(std::span<const uint8_t> file) {
  if (file.size() < kDfuSuffixBytes) return {};
  return file.first(file.size() - kDfuSuffixBytes);
}

namespace {

std::optional<std::vector<uint8_t>> ReadWhole(const platform::PlainFile& file) {
  if (!file.IsOpen() || file.Size() > kMaxDfuFileBytes) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
  if (!file.ReadAt(0, bytes.data(), bytes.size())) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadDfuFile(const std::string& path) {
  return ReadWhole(platform::PlainFile(path));
}

std::optional<std::vector<uint8_t>> ReadValidDfuFile(const std::string& path) {
  const platform::PlainFile in(path);
  const uint64_t size = in.Size();
  if (!in.IsOpen() || size < kDfuSuffixBytes || size > kMaxDfuFileBytes) return std::nullopt;
  std::array<uint8_t, kDfuSuffixBytes> suffix{};
  if (!in.ReadAt(size - kDfuSuffixBytes, suffix.data(), suffix.size()) || !ReadDfuSuffix(suffix)) return std::nullopt;
  std::vector<uint8_t> head(std::min(static_cast<size_t>(size) - kDfuSuffixBytes, kDescriptionOffset + kDescriptionBytes));
  if (!in.ReadAt(0, head.data(), head.size()) || !ReadBlueCoreHeader(head)) return std::nullopt;
  std::optional<std::vector<uint8_t>> file = ReadWhole(in);
  if (!file || !IsValidDfuFile(*file)) return std::nullopt;
  return file;
}

}  // namespace dfu
