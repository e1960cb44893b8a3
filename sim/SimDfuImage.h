#pragma once
// DFU files for the simulated headset. The simulated firmware keeps its firmware-version key (4
// bytes, key order) right after the BlueCore header, at byte 80 of a "CSR-dfu2" image; the headset
// takes it from there when the image has been manifested.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

inline constexpr size_t kSimImageVersionOffset = 80;

struct SimImageSpec {
  std::string description = "VKT_TQG27N#4D21";  // the model tag and whatever follows it
  std::array<uint8_t, 4> version = {11, 0, 0, 0};
  size_t imageBytes = 4096;  // the image without its suffix; at least 84
  uint16_t vendorId = 0x092B;
  uint16_t productId = 0xFFFF;
};

// A well-formed DFU file: "CSR-dfu2" header, the version, filler, and the suffix with its CRC.
std::vector<uint8_t> MakeDfuFile(const SimImageSpec& spec = {});

// Writes bytes to a file; false when that fails.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace sim
