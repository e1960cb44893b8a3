#pragma once
// CRC-16/XMODEM: polynomial 0x1021, most significant bit first, no reflection, no final XOR.
// It guards the chunks of a firmware section sent to a HID module; the device checks each chunk
// and the whole section against it.
#include <cstdint>

namespace io {

// CRC of `count` bytes starting from 0. A negative count gives 0.
uint16_t ComputeCrc16(const uint8_t* data, int count);

// The same CRC continued from `crc`, so that continuing over consecutive pieces gives the CRC of
// their concatenation. A negative count gives 0 whatever `crc` was; a count of 0 gives `crc`.
uint16_t ContinueCrc16(uint16_t crc, const uint8_t* data, int count);

}  // namespace io
