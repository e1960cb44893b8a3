#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "ScratchFolder.h"
#include "SimFirmwareImage.h"
#include "firmware/formats/FirmwareImageFile.h"

namespace {

using firmware::FirmwareImageFile;
using firmware::ImageLayout;
using firmware::ImageProductTest;

std::vector<uint8_t> Bytes(size_t n, uint8_t first = 1) {
  std::vector<uint8_t> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = uint8_t(first + i);
  return out;
}

sim::SimContainerSpec TwoSections(bool newer = true) {
  sim::SimContainerSpec spec;
  spec.productId = 0x4310;
  spec.newerLayout = newer;
  spec.sections = {{0, 7, Bytes(100), 1, 2}, {1, 9, Bytes(50, 200), 3, 4}};
  return spec;
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}

using testutil::ScratchFolder;

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

struct ContainerCase {
  const char* what;
  std::function<std::vector<uint8_t>()> make;
  ImageLayout layout;
  ImageProductTest test;
  firmware::ImageCheck expected;
};

TEST(FirmwareImageFile, LoadAndCheckCases) {
  using Check = firmware::ImageCheck;
  const ContainerCase cases[] = {
      {"35 bytes", [] { return std::vector<uint8_t>(35); }, ImageLayout::Newer, {}, Check::TooShort},
      {"36 bytes, no section", [] { return std::vector<uint8_t>(36); }, ImageLayout::Newer, {}, Check::Ok},
      {"36 bytes, one section",
       [] {
         std::vector<uint8_t> b(36);
         b[32] = 1;
         return b;
       },
       ImageLayout::Older, {}, Check::OutOfBounds},
      {"section count that would wrap a 32-bit table size",
       [] {
         auto b = sim::MakeFirmwareImage(TwoSections());
         PutU32(b, 32, 0x0BE82FA1);  // 36 + 344 * N wraps to a small 32-bit value
         return b;
       },
       ImageLayout::Newer, {}, Check::OutOfBounds},
      {"newer layout table read as older", [] { return sim::MakeFirmwareImage(TwoSections()); },
       ImageLayout::Older, {}, Check::Ok},
      {"older layout table read as newer runs past the end",
       [] { return sim::MakeFirmwareImage(TwoSections(false)); }, ImageLayout::Newer, {}, Check::OutOfBounds},
      {"last section ends at the end", [] { return sim::MakeFirmwareImage(TwoSections()); },
       ImageLayout::Newer, {}, Check::Ok},
      {"last section one byte past the end",
       [] {
         auto b = sim::MakeFirmwareImage(TwoSections());
         PutU32(b, sim::DescriptorOffset(2, 1) + 12, 51);
         return b;
       },
       ImageLayout::Newer, {}, Check::OutOfBounds},
      {"offset beyond the file",
       [] {
         auto b = sim::MakeFirmwareImage(TwoSections());
         PutU32(b, sim::DescriptorOffset(2, 0) + 8, 0xFFFFFFF0);
         PutU32(b, sim::DescriptorOffset(2, 0) + 12, 0x20);
         return b;
       },
       ImageLayout::Newer, {}, Check::OutOfBounds},
      {"empty section with the digest of nothing",
       [] {
         sim::SimContainerSpec spec;
         spec.sections = {{0, 0, {}, 0, 0}};
         return sim::MakeFirmwareImage(spec);
       },
       ImageLayout::Newer, {}, Check::Ok},
      {"digest mismatch before a section past the end: sections are checked in order",
       [] {
         auto b = sim::MakeFirmwareImage(TwoSections());
         b[sim::DescriptorOffset(2, 0) + 296] ^= 0xFF;
         PutU32(b, sim::DescriptorOffset(2, 1) + 12, 51);
         return b;
       },
       ImageLayout::Newer, {}, Check::DigestDiffers},
      {"digest mismatch in the last section",
       [] {
         auto b = sim::MakeFirmwareImage(TwoSections());
         b.back() ^= 0xFF;
         return b;
       },
       ImageLayout::Newer, {}, Check::DigestDiffers},
      {"zeroed entries, valid descriptors",
       [] {
         auto b = sim::MakeFirmwareImage(TwoSections());
         std::fill(b.begin() + 36, b.begin() + 36 + 64, 0);
         return b;
       },
       ImageLayout::Newer, {}, Check::Ok},
      {"product equals the target", [] { return sim::MakeFirmwareImage(TwoSections()); },
       ImageLayout::Newer, ImageProductTest::Equals(0x4310), Check::Ok},
      {"product of another model", [] { return sim::MakeFirmwareImage(TwoSections()); },
       ImageLayout::Newer, ImageProductTest::Equals(0x4330), Check::WrongProduct},
  };
  ScratchFolder folder;
  const std::string path = folder.File("case.img");
  for (const auto& c : cases) {
    FirmwareImageFile image;
    EXPECT_EQ(image.Parse(c.make(), c.layout, c.test), c.expected == Check::Ok) << c.what;
    EXPECT_EQ(FirmwareImageFile().Check(c.make(), c.layout, c.test), c.expected) << c.what;
    if (c.expected != Check::Ok) {
      EXPECT_TRUE(image.Sections().empty()) << c.what;
    }
    WriteFile(path, c.make());
    EXPECT_EQ(image.Read(path, c.layout, c.test), c.expected) << c.what << ", read from the file";
  }
}

TEST(FirmwareImageFile, OlderLayoutNameRule) {
  struct Case {
    std::string name;  // bytes of the 24-byte field; the rest stays zero
    uint32_t productId;
    bool accepted;
  } cases[] = {
      {"fw", 0x4220, true},  {"fw", 0x4210, true}, {"fw", 0, true}, {"fw", 0x4310, false},
      {std::string("fw\0x", 4), 0x4310, true},  // a byte after the terminator: not padded
      {std::string(23, 'n'), 0x4310, false},    // terminator at 23: padded by definition
      {std::string(24, 'n'), 0x4310, false},    // no terminator at all
  };
  for (const auto& c : cases) {
    auto bytes = sim::MakeFirmwareImage({"", c.productId, false, {}});
    std::copy(c.name.begin(), c.name.end(), bytes.begin());
    FirmwareImageFile image;
    EXPECT_EQ(image.Parse(bytes, ImageLayout::Older, ImageProductTest::OlderLayoutRule()), c.accepted)
        << c.name.size() << " " << std::hex << c.productId;
  }
}

TEST(FirmwareImageFile, SectionsComeFromTheExpectedLayout) {
  FirmwareImageFile image;
  ASSERT_TRUE(image.Parse(sim::MakeFirmwareImage(TwoSections()), ImageLayout::Newer, {}));
  ASSERT_EQ(image.Sections().size(), 2u);
  EXPECT_EQ(image.Header().productId, 0x4310u);
  const auto& second = image.Sections()[1];
  EXPECT_EQ(second.type, 1u);
  EXPECT_EQ(second.target, 9u);
  EXPECT_EQ(second.versionMajor, 3u);
  EXPECT_EQ(second.versionMinor, 4u);
  const auto bytes = image.SectionBytes(1);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), Bytes(50, 200));
  EXPECT_TRUE(image.SectionBytes(2).empty());
}

TEST(FirmwareImageFile, SectionTypesRouteToInterfaces) {
  struct Case {
    uint32_t type;
    bool second, finish;
  } cases[] = {{0, false, true}, {1, true, true}, {2, false, false}, {3, true, false}, {0xFFFFFFFF, true, false}};
  for (const auto& c : cases) {
    const auto route = firmware::RouteOfSectionType(c.type);
    EXPECT_EQ(route.secondInterface, c.second) << c.type;
    EXPECT_EQ(route.marksFinish, c.finish) << c.type;
  }
}

TEST(FirmwareImageFile, AFileThatCannotBeReadIsRefusedBeforeItsChecks) {
  using Check = firmware::ImageCheck;
  ScratchFolder folder;
  const std::string empty = folder.File("empty.img"), large = folder.File("large.img");
  WriteFile(empty, {});
  WriteFile(large, {});
  std::filesystem::resize_file(large, FirmwareImageFile::kMaxFileSize + 1);
  const struct {
    std::string path;
    Check expected;
  } cases[] = {{folder.File("missing.img"), Check::NotOpened},
               {folder.Path(), Check::NotOpened},
               {empty, Check::TooShort},
               {large, Check::TooLarge}};
  for (const auto& c : cases) {
    FirmwareImageFile image;
    EXPECT_EQ(image.Read(c.path, ImageLayout::Newer, {}), c.expected) << c.path;
    EXPECT_FALSE(firmware::WasRead(c.expected));
    EXPECT_TRUE(image.Sections().empty());
  }
}

// Of a large file only the header is read when it cannot be an image, and only the bytes up to its
// last section when it can: 200 MB cost no more memory than the image in them.
TEST(FirmwareImageFile, OfALargeFileOnlyWhatTheChecksNeedIsRead) {
  using Check = firmware::ImageCheck;
  constexpr uintmax_t k200Mb = 200u << 20;
  ScratchFolder folder;
  const std::string zeros = folder.File("zeros.img"), padded = folder.File("padded.img");
  WriteFile(zeros, {});
  std::filesystem::resize_file(zeros, k200Mb);
  const std::vector<uint8_t> image = sim::MakeFirmwareImage(TwoSections());
  WriteFile(padded, image);
  std::filesystem::resize_file(padded, k200Mb);

  FirmwareImageFile read;
  EXPECT_EQ(read.Read(zeros, ImageLayout::Newer, ImageProductTest::Equals(0x4310)), Check::WrongProduct);
  // No product named and no section: an image, of which nothing but the header is needed.
  EXPECT_EQ(read.Read(zeros, ImageLayout::Newer, {}), Check::Ok);
  EXPECT_EQ(read.Bytes().size(), firmware::ImageHeader::kSize);
  ASSERT_EQ(read.Read(padded, ImageLayout::Newer, ImageProductTest::Equals(0x4310)), Check::Ok);
  EXPECT_EQ(read.Bytes(), image);
  const auto second = read.SectionBytes(1);
  EXPECT_EQ(std::vector<uint8_t>(second.begin(), second.end()), Bytes(50, 200));
}

}  // namespace
