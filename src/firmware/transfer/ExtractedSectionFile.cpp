#include "firmware/transfer/ExtractedSectionFile.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "io/AtomicFile.h"

namespace firmware {

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
  const std::optional<io::Md5Digest> written = io::ReadBackDigest(path);
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
