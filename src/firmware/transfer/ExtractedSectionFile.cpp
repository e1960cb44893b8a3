#include "firmware/transfer/ExtractedSectionFile.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "io/AtomicFile.h"

namespace firmware {
namespace {

constexpr size_t kReadBackBlock = 1024;

// Opening the file again reads what the disk holds, not the bytes still in our hands.
std::optional<io::Md5Digest> DigestOfFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  io::Md5Context context;
  io::Md5Init(&context);
  char block[kReadBackBlock];
  while (in.read(block, sizeof block) || in.gcount() > 0)
    io::Md5Update(&context, reinterpret_cast<const uint8_t*>(block), static_cast<unsigned>(in.gcount()));
  if (in.bad()) return std::nullopt;
  io::Md5Digest digest{};
  io::Md5Final(digest.data(), &context);
  return digest;
}

}  // namespace

void DeleteFileIfPresent(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

SectionFileResult WriteSectionFile(const std::string& path, std::span<const uint8_t> bytes,
                                   const io::Md5Digest& digest) {
  {
    io::AtomicFileWriter writer(path);
    if (!writer.Open()) return SectionFileResult::NotCreated;
    if (!writer.Write(reinterpret_cast<const char*>(bytes.data()), bytes.size()) || !writer.Commit()) {
      DeleteFileIfPresent(path);  // a file of this name is not the section
      return SectionFileResult::ShortWrite;
    }
  }
  const std::optional<io::Md5Digest> written = DigestOfFile(path);
  if (!written) return SectionFileResult::NotReopened;
  if (*written != digest) {
    DeleteFileIfPresent(path);
    return SectionFileResult::DigestDiffers;
  }
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size != bytes.size()) {
    DeleteFileIfPresent(path);
    return SectionFileResult::SizeDiffers;
  }
  return SectionFileResult::Written;
}

}  // namespace firmware
