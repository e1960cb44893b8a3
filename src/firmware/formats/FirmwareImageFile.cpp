#include "firmware/formats/FirmwareImageFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace firmware {
namespace {

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t at) {
  return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
         uint32_t(bytes[at + 3]) << 24;
}

io::Md5Digest DigestAt(const std::vector<uint8_t>& bytes, size_t at) {
  io::Md5Digest digest{};
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), digest.size(), digest.begin());
  return digest;
}

constexpr size_t kDescriptorVersionMajor = 16;
constexpr size_t kDescriptorVersionMinor = 20;
constexpr size_t kDescriptorDigest = 296;
constexpr size_t kEntryDigest = 16;

// Type, target, offset and length open both records.
ImageSection ReadCommon(const std::vector<uint8_t>& bytes, size_t at) {
  ImageSection section;
  section.type = U32At(bytes, at);
  section.target = U32At(bytes, at + 4);
  section.offset = U32At(bytes, at + 8);
  section.length = U32At(bytes, at + 12);
  return section;
}

}  // namespace

int64_t GetFileSizeByReading(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return -1;
  int64_t size = 0;
  char block[65536];
  while (in.read(block, sizeof block) || in.gcount() > 0) size += in.gcount();
  return size;
}

SectionRoute RouteOfSectionType(uint32_t type) {
  switch (type) {
    case 0: return {false, true};
    case 1: return {true, true};
    case 2: return {false, false};
    default: return {true, false};
  }
}

bool FirmwareImageFile::PassesOlderLayoutRule(const ImageHeader& header) {
  const char* name = header.name;
  const size_t end = ImageHeader::kNameSize;
  const size_t nul = static_cast<size_t>(std::find(name, name + end, '\0') - name);
  const bool padded = nul + 1 >= end || std::all_of(name + nul + 1, name + end, [](char c) { return c == 0; });
  if (!padded) return true;
  return header.productId == 0 || header.productId == 0x4210 || header.productId == 0x4220;
}

void FirmwareImageFile::Clear() {
  m_bytes.clear();
  m_header = ImageHeader{};
  m_sections.clear();
}

bool FirmwareImageFile::Load(const std::string& path, ImageLayout layout, const ImageProductTest& test) {
  Clear();
  const int64_t size = GetFileSizeByReading(path);
  if (size < int64_t(ImageHeader::kSize) || uint64_t(size) > kMaxFileSize) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), size);
  if (in.gcount() != size) return false;
  return Parse(std::move(bytes), layout, test);
}

ImageCheck FirmwareImageFile::Check(std::vector<uint8_t> bytes, ImageLayout layout, const ImageProductTest& test) {
  Clear();
  if (bytes.size() < ImageHeader::kSize) return ImageCheck::TooShort;
  if (bytes.size() > kMaxFileSize) return ImageCheck::TooLarge;

  ImageHeader header;
  std::memcpy(header.name, bytes.data(), ImageHeader::kNameSize);
  header.productId = U32At(bytes, 28);
  header.sectionCount = U32At(bytes, 32);

  switch (test.kind) {
    case ImageProductTest::Kind::None: break;
    case ImageProductTest::Kind::Equals:
      if (header.productId != test.productId) return ImageCheck::WrongProduct;
      break;
    case ImageProductTest::Kind::EqualsWhenNamed:
      if (header.productId != 0 && header.productId != test.productId) return ImageCheck::WrongProduct;
      break;
    case ImageProductTest::Kind::OlderLayoutRule:
      if (!PassesOlderLayoutRule(header)) return ImageCheck::WrongProduct;
      break;
  }

  // 64-bit sums: a section count near 2^32 must not wrap the table size into the file.
  const uint64_t size = bytes.size();
  const uint64_t count = header.sectionCount;
  const uint64_t perSection =
      ImageSectionEntry::kSize + (layout == ImageLayout::Newer ? ImageSectionDescriptor::kSize : 0);
  if (ImageHeader::kSize + perSection * count > size) return ImageCheck::OutOfBounds;

  std::vector<ImageSection> sections;
  sections.reserve(static_cast<size_t>(count));
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = ImageHeader::kSize + ImageSectionEntry::kSize * i;
    ImageSection section;
    if (layout == ImageLayout::Newer) {
      const size_t at = ImageHeader::kSize + ImageSectionEntry::kSize * static_cast<size_t>(count) +
                        ImageSectionDescriptor::kSize * i;
      section = ReadCommon(bytes, at);
      section.versionMajor = U32At(bytes, at + kDescriptorVersionMajor);
      section.versionMinor = U32At(bytes, at + kDescriptorVersionMinor);
      section.digest = DigestAt(bytes, at + kDescriptorDigest);
    } else {
      section = ReadCommon(bytes, entry);
      section.digest = DigestAt(bytes, entry + kEntryDigest);
    }
    if (section.offset > size || section.length > size - section.offset) return ImageCheck::OutOfBounds;
    if (io::Md5Of(bytes.data() + section.offset, section.length) != section.digest)
      return ImageCheck::DigestDiffers;
    sections.push_back(section);
  }

  m_bytes = std::move(bytes);
  m_header = header;
  m_sections = std::move(sections);
  return ImageCheck::Ok;
}

bool FirmwareImageFile::Parse(std::vector<uint8_t> bytes, ImageLayout layout, const ImageProductTest& test) {
  return Check(std::move(bytes), layout, test) == ImageCheck::Ok;
}

std::span<const uint8_t> FirmwareImageFile::SectionBytes(size_t index) const {
  if (index >= m_sections.size()) return {};
  const ImageSection& section = m_sections[index];
  return std::span<const uint8_t>(m_bytes).subspan(section.offset, section.length);
}

}  // namespace firmware
