#pragma once
// One image section written out as a file for an outside tool, and read back to prove that what
// the tool will read is the section: its MD5 and its size.
#include <cstdint>
#include <span>
#include <string>

#include "io/Md5.h"

namespace firmware {

enum class SectionFileResult {
  Written,
  NotCreated,     // nothing written; an older file of the name stays as it was
  ShortWrite,     // the file is deleted
  NotReopened,    // the file stays
  DigestDiffers,  // the file is deleted
  SizeDiffers,    // the file is deleted
};

SectionFileResult WriteSectionFile(const std::string& path, std::span<const uint8_t> bytes,
                                   const io::Md5Digest& digest);

// Removes the file when it is there.
void DeleteFileIfPresent(const std::string& path);

}  // namespace firmware
