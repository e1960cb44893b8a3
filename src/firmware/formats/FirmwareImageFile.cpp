#include "firmware/formats/FirmwareImageFile.h"

#include <algorithm>
#include <cstring>

#include "platform/PlainFile.h"

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

ImageHeader HeaderOf(const std::vector<uint8_t>& bytes) {
  ImageHeader header;
  std::memcpy(header.name, bytes.data(), ImageHeader::kNameSize);
  header.productId = U32At(bytes, 28);
  header.sectionCount = U32At(bytes, 32);
  return header;
}

// 64-bit: a section count near 2^32 must not wrap the table size into the file.
uint64_t TablesEnd(uint32_t count, ImageLayout layout) {
  const uint64_t perSection =
      ImageSectionEntry::kSize + (layout == ImageLayout::Newer ? ImageSectionDescriptor::kSize : 0);
  return ImageHeader::kSize + perSection * count;
}

// Type, target, offset and length open both records.
ImageSection ReadCommon(const std::vector<uint8_t>& bytes, size_t at) {
  ImageSection section;
  section.type = U32At(bytes, at);
  section.target = U32At(bytes, at + 4);
  section.offset = U32At(bytes, at + 8);
  section.length = U32At(bytes, at + 12);
  return section;
}

// Section `index` of `count` as the layout describes it; the tables must be in `bytes`.
ImageSection SectionRecord(const std::vector<uint8_t>& bytes, size_t index, size_t count, ImageLayout layout) {
  const size_t entry = ImageHeader::kSize + ImageSectionEntry::kSize * index;
  if (layout == ImageLayout::Older) {
    ImageSection section = ReadCommon(bytes, entry);
    section.digest = DigestAt(bytes, entry + kEntryDigest);
    return section;
  }
  const size_t at = ImageHeader::kSize + ImageSectionEntry::kSize * count + ImageSectionDescriptor::kSize * index;
  ImageSection section = ReadCommon(bytes, at);
  section.versionMajor = U32At(bytes, at + kDescriptorVersionMajor);
  section.versionMinor = U32At(bytes, at + kDescriptorVersionMinor);
  section.digest = DigestAt(bytes, at + kDescriptorDigest);
  return section;
}

bool InsideFile(const ImageSection& section, uint64_t fileSize) {
  return section.offset <= fileSize && section.length <= fileSize - section.offset;
}

ImageCheck CheckHeader(const ImageHeader& header, uint64_t fileSize, ImageLayout layout,
                       const ImageProductTest& test) {
  switch (test.kind) {
    case ImageProductTest::Kind::None: break;
    case ImageProductTest::Kind::Equals:
      if (header.productId != test.productId) return ImageCheck::WrongProduct;
      break;
    case ImageProductTest::Kind::EqualsWhenNamed:
      if (header.productId != 0 && header.productId != test.productId) return ImageCheck::WrongProduct;
      break;
    case ImageProductTest::Kind::OlderLayoutRule:
      if (!FirmwareImageFile::PassesOlderLayoutRule(header)) return ImageCheck::WrongProduct;
      break;
  }
  return TablesEnd(header.sectionCount, layout) > fileSize ? ImageCheck::OutOfBounds : ImageCheck::Ok;
}

// How far into a file of `fileSize` bytes the checks read, given its header and tables in `held`:
// the tables, and the sections up to the first one outside the file, where the checks stop.
uint64_t BytesChecked(const std::vector<uint8_t>& held, uint64_t fileSize, ImageLayout layout) {
  const uint32_t count = HeaderOf(held).sectionCount;
  uint64_t end = TablesEnd(count, layout);
  for (size_t i = 0; i < count; ++i) {
    const ImageSection section = SectionRecord(held, i, count, layout);
    if (!InsideFile(section, fileSize)) break;
    end = std::max(end, uint64_t(section.offset) + section.length);
  }
  return end;
}

// Appends the file's bytes up to `end` to `held`, which holds those before; false when the file
// ends first or cannot be read.
bool ReadUpTo(const platform::PlainFile& file, std::vector<uint8_t>& held, uint64_t end) {
  const size_t at = held.size();
  if (end <= at) return true;
  held.resize(static_cast<size_t>(end));
  return file.ReadAt(at, held.data() + at, held.size() - at);
}

}  // namespace

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

ImageCheck FirmwareImageFile::Read(const std::string& path, ImageLayout layout, const ImageProductTest& test) {
  Clear();
  const platform::PlainFile file(path);
  if (!file.IsOpen()) return ImageCheck::NotOpened;
  const uint64_t size = file.Size();
  if (size < ImageHeader::kSize) return ImageCheck::TooShort;
  if (size > kMaxFileSize) return ImageCheck::TooLarge;
  std::vector<uint8_t> held;
  if (!ReadUpTo(file, held, ImageHeader::kSize)) return ImageCheck::ReadShort;
  const ImageHeader header = HeaderOf(held);
  if (const ImageCheck check = CheckHeader(header, size, layout, test); check != ImageCheck::Ok) return check;
  if (!ReadUpTo(file, held, TablesEnd(header.sectionCount, layout)) ||
      !ReadUpTo(file, held, BytesChecked(held, size, layout))) {
    return ImageCheck::ReadShort;
  }
  return CheckHeld(std::move(held), size, layout, test);
}

ImageCheck FirmwareImageFile::Check(std::vector<uint8_t> bytes, ImageLayout layout, const ImageProductTest& test) {
  const uint64_t size = bytes.size();
  return CheckHeld(std::move(bytes), size, layout, test);
}

ImageCheck FirmwareImageFile::CheckHeld(std::vector<uint8_t> held, uint64_t fileSize, ImageLayout layout,
                                        const ImageProductTest& test) {
  Clear();
  if (fileSize < ImageHeader::kSize) return ImageCheck::TooShort;
  if (fileSize > kMaxFileSize) return ImageCheck::TooLarge;
  if (held.size() < ImageHeader::kSize) return ImageCheck::ReadShort;
  const ImageHeader header = HeaderOf(held);
  if (const ImageCheck check = CheckHeader(header, fileSize, layout, test); check != ImageCheck::Ok) return check;
  const size_t count = header.sectionCount;
  if (TablesEnd(header.sectionCount, layout) > held.size()) return ImageCheck::ReadShort;

  std::vector<ImageSection> sections;
  sections.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const ImageSection section = SectionRecord(held, i, count, layout);
    if (!InsideFile(section, fileSize)) return ImageCheck::OutOfBounds;
    if (uint64_t(section.offset) + section.length > held.size()) return ImageCheck::ReadShort;
    if (io::Md5Of(held.data() + section.offset, section.length) != section.digest) return ImageCheck::DigestDiffers;
    sections.push_back(section);
  }

  m_bytes = std::move(held);
  m_header = header;
  m_sections = std::move(sections);
  return ImageCheck::Ok;
}

std::span<const uint8_t> FirmwareImageFile::SectionBytes(size_t index) const {
  if (index >= m_sections.size()) return {};
  const ImageSection& section = m_sections[index];
  return std::span<const uint8_t>(m_bytes).subspan(section.offset, section.length);
}

}  // namespace firmware
