#pragma once
// Image containers for the HID transfer tests: a header, the section entries and, in the newer
// layout, the descriptors, with each section's bytes after the tables and its MD5 in both records.
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct SimImageSection {
  uint32_t type = 0;
  uint32_t target = 0;
  std::vector<uint8_t> bytes;
  uint32_t versionMajor = 0;
  uint32_t versionMinor = 0;
};

struct SimContainerSpec {
  std::string name = "image";  // zero-padded to 24 bytes
  uint32_t productId = 0;
  bool newerLayout = true;
  std::vector<SimImageSection> sections;
};

std::vector<uint8_t> MakeFirmwareImage(const SimContainerSpec& spec);

// Offset of section i's record fields in a made image, for tests that corrupt one of them.
size_t EntryOffset(size_t index);
size_t DescriptorOffset(size_t sectionCount, size_t index);

}  // namespace sim
