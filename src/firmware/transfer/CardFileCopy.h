#pragma once
// A file put on a memory card so that its name never holds part of it: written under a temporary
// name and flushed to the card, renamed, and read back from the card itself. A card that fills up
// or fails its flush keeps what it had under the final name.
#include <cstdint>
#include <span>
#include <string>

#include "io/Md5.h"

namespace firmware {

enum class CardCopyResult {
  Copied,
  NotCreated,     // the temporary file could not be made; nothing changed
  WriteFailed,    // some byte may be missing on the card; the temporary file is gone
  RenameFailed,   // the temporary file is gone (and, without replacing, the final file too)
  NotReadable,    // the final file cannot be opened to read it back; it stays
  DigestDiffers,  // both files are gone
  SizeDiffers,    // the final file is gone
};

struct CardFileNames {
  std::string root;
  std::string temporaryName;
  std::string finalName;
  // An older file of the final name is replaced in one step; otherwise it fails the rename, and
  // both names are cleared for the next attempt.
  bool replaceFinal = false;
};

// The writes, the flush, the rename and the read-back go through platform::Drives, so that a test
// can fill the card, fail its flush or its rename, or keep the file from being read.
CardCopyResult CopyFileToCard(const CardFileNames& names, std::span<const uint8_t> bytes,
                              const io::Md5Digest& digest);

}  // namespace firmware
