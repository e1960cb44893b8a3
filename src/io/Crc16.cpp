#include "io/Crc16.h"

#include <array>

namespace io {

namespace {

constexpr std::array<uint16_t, 256> MakeTable() {
  std::array<uint16_t, 256> table{};
  for (unsigned byte = 0; byte < 256; ++byte) {
    uint16_t crc = static_cast<uint16_t>(byte << 8);
    for (int bit = 0; bit < 8; ++bit) {
      crc = static_cast<uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    table[byte] = crc;
  }
  return table;
}

constexpr std::array<uint16_t, 256> kTable = MakeTable();

}  // namespace

uint16_t ContinueCrc16(uint16_t crc, const uint8_t* data, int count) {
  if (count < 0) return 0;
  for (int i = 0; i < count; ++i) {
    crc = static_cast<uint16_t>((crc << 8) ^ kTable[((crc >> 8) ^ data[i]) & 0xFF]);
  }
  return crc;
}

uint16_t ComputeCrc16(const uint8_t* data, int count) { return ContinueCrc16(0, data, count); }

}  // namespace io
