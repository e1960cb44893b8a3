#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "DfuTestRig.h"
#include "platform/dfu/DFUEngine.h"
#include "platform/dfu/DfuFile.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// Recomputes the CRC so that only the damage under test makes a file invalid.
void Reseal(std::vector<uint8_t>& file) {
  const uint32_t crc = dfu::DfuCrc(std::span(file).first(file.size() - 4));
  for (int i = 0; i < 4; ++i) file[file.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
}

TEST(DfuFile, CrcIsTheReflectedCrc32WithoutFinalXor) {
  // The standard CRC-32 of "123456789" is 0xCBF43926; without the final XOR it is its complement.
  EXPECT_EQ(dfu::DfuCrc(Bytes("123456789")), ~0xCBF43926u);
  EXPECT_EQ(dfu::DfuCrc({}), 0xFFFFFFFFu);
}

TEST(DfuFile, AcceptsWellFormedFilesAndRejectsDamagedOnes) {
  const auto good = sim::MakeDfuFile();
  struct Case {
    const char* name;
    std::function<void(std::vector<uint8_t>&)> damage;
    bool valid;
  };
  const Case cases[] = {
      {"well formed", [](auto&) {}, true},
      {"version-1 header", [](auto& f) { std::memcpy(f.data(), "CSR-dfu1", 8); Reseal(f); }, true},
      {"shorter than a suffix", [](auto& f) { f.resize(15); }, false},
      {"empty", [](auto& f) { f.clear(); }, false},
      {"only a suffix", [](auto& f) { f.erase(f.begin(), f.end() - 16); Reseal(f); }, false},
      {"wrong suffix signature", [](auto& f) { f[f.size() - 8] = 'X'; Reseal(f); }, false},
      {"wrong CRC", [](auto& f) { f[f.size() - 1] ^= 0x01; }, false},
      {"image byte changed", [](auto& f) { f[200] ^= 0x80; }, false},
      {"bLength 15", [](auto& f) { f[f.size() - 5] = 15; Reseal(f); }, false},
      {"bLength 255", [](auto& f) { f[f.size() - 5] = 255; Reseal(f); }, false},
      {"no BlueCore signature", [](auto& f) { f[0] = 'X'; Reseal(f); }, false},
      {"version-2 header cut short",
       [](auto& f) { f.erase(f.begin() + 40, f.end() - 16); Reseal(f); }, false},
  };
  dfutest::ScratchFolder folder;
  for (const auto& c : cases) {
    auto file = good;
    c.damage(file);
    EXPECT_EQ(dfu::IsValidDfuFile(file), c.valid) << c.name;
    const std::string path = folder.File("case.dfu");
    ASSERT_TRUE(sim::WriteFile(path, file));
    EXPECT_EQ(dfu::DFUEngine::IsDFUFileValid(path), c.valid) << c.name;
  }
  EXPECT_FALSE(dfu::DFUEngine::IsDFUFileValid(folder.File("missing.dfu")));
}

TEST(DfuFile, AFileOfExactlyTheLargestSizeIsReadAndALargerOneIsNot) {
  dfutest::ScratchFolder folder;
  const std::string path = folder.File("large.dfu");
  for (size_t size : {dfu::kMaxDfuFileBytes, dfu::kMaxDfuFileBytes + 1}) {
    ASSERT_TRUE(sim::WriteFile(path, {}));
    std::filesystem::resize_file(path, size);
    const auto read = dfu::ReadDfuFile(path);
    ASSERT_EQ(read.has_value(), size == dfu::kMaxDfuFileBytes) << size;
    if (read) {
      EXPECT_EQ(read->size(), size);
    }
  }
}

TEST(DfuFile, ReadsSuffixAndHeader) {
  sim::SimImageSpec spec;
  spec.description = "corvale#4D21 release";
  spec.vendorId = 0x092B;
  spec.productId = 0xCD21;
  const auto file = sim::MakeDfuFile(spec);

  const auto suffix = dfu::ReadDfuSuffix(file);
  ASSERT_TRUE(suffix);
  EXPECT_EQ(suffix->vendorId, 0x092B);
  EXPECT_EQ(suffix->productId, 0xCD21);
  EXPECT_EQ(suffix->dfuVersion, 0x0100);

  const auto image = dfu::DfuImageOf(file);
  EXPECT_EQ(image.size(), file.size() - 16);
  const auto header = dfu::ReadBlueCoreHeader(image);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->format, 2);
  EXPECT_EQ(header->description, "corvale#4D21 release");
}

}  // namespace
