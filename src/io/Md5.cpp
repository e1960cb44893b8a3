#include "io/Md5.h"

#include <cstring>

namespace io {

namespace {

constexpr uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

constexpr int kShift[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                            5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                            4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                            6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

uint32_t RotateLeft(uint32_t value, int bits) { return (value << bits) | (value >> (32 - bits)); }

uint32_t LoadLittle(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void StoreLittle(uint8_t* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

void Md5Transform(uint32_t state[4], const uint8_t block[64]) {
  uint32_t words[16];
  for (int i = 0; i < 16; ++i) words[i] = LoadLittle(block + 4 * i);
  uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
  for (int step = 0; step < 64; ++step) {
    uint32_t f = 0;
    int word = 0;
    switch (step / 16) {
      case 0: f = (b & c) | (~b & d); word = step; break;
      case 1: f = (d & b) | (~d & c); word = (5 * step + 1) % 16; break;
      case 2: f = b ^ c ^ d; word = (3 * step + 5) % 16; break;
      default: f = c ^ (b | ~d); word = (7 * step) % 16; break;
    }
    uint32_t rotated = RotateLeft(a + f + kSine[step] + words[word], kShift[step]);
    a = d;
    d = c;
    c = b;
    b = b + rotated;
  }
  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
}

void Md5Init(Md5Context* ctx) {
  ctx->state[0] = 0x67452301;
  ctx->state[1] = 0xefcdab89;
  ctx->state[2] = 0x98badcfe;
  ctx->state[3] = 0x10325476;
  ctx->bitCount[0] = ctx->bitCount[1] = 0;
  std::memset(ctx->block, 0, sizeof ctx->block);
}

void Md5Update(Md5Context* ctx, const uint8_t* data, unsigned length) {
  if (length == 0) return;
  unsigned used = (ctx->bitCount[0] >> 3) & 63;
  uint32_t addedBits = static_cast<uint32_t>(length) << 3;
  ctx->bitCount[0] += addedBits;
  if (ctx->bitCount[0] < addedBits) ++ctx->bitCount[1];
  ctx->bitCount[1] += static_cast<uint32_t>(length) >> 29;

  unsigned offset = 0;
  if (used > 0) {
    unsigned take = 64 - used < length ? 64 - used : length;
    std::memcpy(ctx->block + used, data, take);
    offset = take;
    if (used + take < 64) return;
    Md5Transform(ctx->state, ctx->block);
  }
  for (; length - offset >= 64; offset += 64) Md5Transform(ctx->state, data + offset);
  if (offset < length) std::memcpy(ctx->block, data + offset, length - offset);
}

void Md5Final(uint8_t digest[16], Md5Context* ctx) {
  uint8_t lengthBytes[8];
  StoreLittle(lengthBytes, ctx->bitCount[0]);
  StoreLittle(lengthBytes + 4, ctx->bitCount[1]);
  unsigned used = (ctx->bitCount[0] >> 3) & 63;
  static const uint8_t kPadding[64] = {0x80};
  Md5Update(ctx, kPadding, used < 56 ? 56 - used : 120 - used);
  Md5Update(ctx, lengthBytes, 8);
  for (int i = 0; i < 4; ++i) StoreLittle(digest + 4 * i, ctx->state[i]);
  std::memset(ctx, 0, sizeof *ctx);
}

Md5Digest Md5Of(const uint8_t* data, unsigned length) {
  Md5Context ctx;
  Md5Init(&ctx);
  Md5Update(&ctx, data, length);
  Md5Digest digest{};
  Md5Final(digest.data(), &ctx);
  return digest;
}

}  // namespace io
