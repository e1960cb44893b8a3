#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "io/Crc16.h"
#include "io/Md5.h"

namespace {

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

std::string Hex(const uint8_t* digest) {
  std::string hex;
  char pair[3];
  for (int i = 0; i < 16; ++i) {
    std::snprintf(pair, sizeof pair, "%02x", digest[i]);
    hex += pair;
  }
  return hex;
}

TEST(Crc16Test, KnownValuesAndCountRule) {
  const std::string digits = "123456789";
  EXPECT_EQ(io::ComputeCrc16(Bytes(digits), 9), 0x31C3);
  EXPECT_EQ(io::ComputeCrc16(Bytes("A"), 1), 0x58E5);
  EXPECT_EQ(io::ComputeCrc16(nullptr, 0), 0);
  EXPECT_EQ(io::ContinueCrc16(0x1234, nullptr, 0), 0x1234);
  EXPECT_EQ(io::ContinueCrc16(0x1234, Bytes(digits), -1), 0) << "a negative count drops the start";
  EXPECT_EQ(io::ComputeCrc16(Bytes(digits), -5), 0);
}

TEST(Crc16Test, ContinuingOverAnySplitGivesTheWholeCrc) {
  std::vector<uint8_t> data(300);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 37 + 11);
  const uint16_t whole = io::ComputeCrc16(data.data(), int(data.size()));
  for (int split = 0; split <= int(data.size()); split += 29) {
    uint16_t first = io::ComputeCrc16(data.data(), split);
    EXPECT_EQ(io::ContinueCrc16(first, data.data() + split, int(data.size()) - split), whole)
        << "split at " << split;
  }
  // The way a section goes out: 58-byte chunks, the total carried from one to the next.
  uint16_t total = 0;
  for (size_t at = 0; at < data.size(); at += 58) {
    total = io::ContinueCrc16(total, data.data() + at, int(std::min<size_t>(58, data.size() - at)));
  }
  EXPECT_EQ(total, whole);
}

TEST(Md5Test, KnownDigests) {
  const struct {
    std::string message;
    const char* digest;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
      // Runs of 'a' on both sides of the padding bound (56 mod 64) and the block bound.
      {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
      {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
      {std::string(57, 'a'), "652b906d60af96844ebd21b674f35e93"},
      {std::string(63, 'a'), "b06521f39153d618550606be297466d5"},
      {std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
      {std::string(65, 'a'), "c743a45e0d2e6a95cb859adae0248435"},
      {std::string(119, 'a'), "8a7bd0732ed6a28ce75f6dabc90e1613"},
      {std::string(120, 'a'), "5f61c0ccad4cac44c75ff505e1f1e537"},
  };
  for (const auto& c : cases) {
    io::Md5Context ctx;
    io::Md5Init(&ctx);
    io::Md5Update(&ctx, Bytes(c.message), unsigned(c.message.size()));
    uint8_t digest[16];
    io::Md5Final(digest, &ctx);
    EXPECT_EQ(Hex(digest), c.digest) << '"' << c.message << '"';
  }
}

TEST(Md5Test, PiecewiseFeedingMatchesOneCallAcrossBlockAndPaddingBoundaries) {
  for (size_t length : {55u, 56u, 63u, 64u, 65u, 119u, 120u, 1000u}) {
    std::string message(length, '\0');
    for (size_t i = 0; i < length; ++i) message[i] = char(i * 7 + 3);
    const io::Md5Digest whole = io::Md5Of(Bytes(message), unsigned(length));

    io::Md5Context ctx;
    io::Md5Init(&ctx);
    for (size_t i = 0; i < length; ++i) io::Md5Update(&ctx, Bytes(message) + i, 1);
    io::Md5Digest bytewise{};
    io::Md5Final(bytewise.data(), &ctx);
    EXPECT_EQ(bytewise, whole) << length << " bytes one at a time";

    io::Md5Init(&ctx);
    io::Md5Update(&ctx, Bytes(message), unsigned(length / 3));
    io::Md5Update(&ctx, Bytes(message) + length / 3, unsigned(length - length / 3));
    io::Md5Digest split{};
    io::Md5Final(split.data(), &ctx);
    EXPECT_EQ(split, whole) << length << " bytes in two calls";
  }
}

}  // namespace
