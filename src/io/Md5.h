#pragma once
// MD5 of RFC 1321 over byte buffers; firmware image sections are checked against the digests their
// container stores.
#include <array>
#include <cstdint>

namespace io {

struct Md5Context {
  uint32_t state[4];
  uint32_t bitCount[2];  // message length in bits, low word first
  uint8_t block[64];
};

using Md5Digest = std::array<uint8_t, 16>;

void Md5Init(Md5Context* ctx);
// Absorbs `length` bytes; any length, any number of calls.
void Md5Update(Md5Context* ctx, const uint8_t* data, unsigned length);
// Pads, absorbs the length and writes the digest; the context must be initialised again before
// it serves another message.
void Md5Final(uint8_t digest[16], Md5Context* ctx);
// The 64-step block function on one 64-byte block.
void Md5Transform(uint32_t state[4], const uint8_t block[64]);

// One-call form of the three above.
Md5Digest Md5Of(const uint8_t* data, unsigned length);

}  // namespace io
