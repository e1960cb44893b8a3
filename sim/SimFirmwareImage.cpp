#include "SimFirmwareImage.h"

#include <algorithm>

#include "io/Md5.h"

namespace sim {
namespace {

void PutU32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(value >> (8 * i));
}

}  // namespace

size_t EntryOffset(size_t index) { return 36 + 32 * index; }
size_t DescriptorOffset(size_t sectionCount, size_t index) { return 36 + 32 * sectionCount + 312 * index; }

std::vector<uint8_t> MakeFirmwareImage(const SimContainerSpec& spec) {
  const size_t count = spec.sections.size();
  size_t at = spec.newerLayout ? DescriptorOffset(count, count) : EntryOffset(count);
  std::vector<uint8_t> out(at);
  std::copy_n(spec.name.begin(), std::min<size_t>(spec.name.size(), 23), out.begin());
  PutU32(out, 28, spec.productId);
  PutU32(out, 32, uint32_t(count));
  for (size_t i = 0; i < count; ++i) {
    const SimImageSection& section = spec.sections[i];
    const auto digest = io::Md5Of(section.bytes.data(), unsigned(section.bytes.size()));
    const size_t entry = EntryOffset(i);
    PutU32(out, entry, section.type);
    PutU32(out, entry + 4, section.target);
    PutU32(out, entry + 8, uint32_t(at));
    PutU32(out, entry + 12, uint32_t(section.bytes.size()));
    std::copy(digest.begin(), digest.end(), out.begin() + std::ptrdiff_t(entry + 16));
    if (spec.newerLayout) {
      const size_t descriptor = DescriptorOffset(count, i);
      PutU32(out, descriptor, section.type);
      PutU32(out, descriptor + 4, section.target);
      PutU32(out, descriptor + 8, uint32_t(at));
      PutU32(out, descriptor + 12, uint32_t(section.bytes.size()));
      PutU32(out, descriptor + 16, section.versionMajor);
      PutU32(out, descriptor + 20, section.versionMinor);
      std::copy(digest.begin(), digest.end(), out.begin() + std::ptrdiff_t(descriptor + 296));
    }
    out.insert(out.end(), section.bytes.begin(), section.bytes.end());
    at += section.bytes.size();
  }
  return out;
}

}  // namespace sim
