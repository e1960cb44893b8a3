#pragma once
// Whole-file reading and crash-safe writing: a file is written under a temporary name of its own
// beside its target (so two writers of one file never share it), flushed to disk and renamed over
// it, and the rename flushed too, so an interruption or a full disk never leaves half a file where
// the old one was. A target that is a symbolic link stays one: the file it leads to is replaced,
// in that file's folder. The new file keeps the old one's permissions.
#include <cstddef>
#include <optional>
#include <string>

#include "io/Md5.h"

namespace io {

// Writes every byte to `fd`, going on after interrupted and partial writes.
bool WriteAll(int fd, const char* data, size_t size);
// Makes the renames in `folder` durable. Best effort: some file systems cannot flush a folder.
void FlushFolder(const std::string& folder);
// The MD5 of the file as the disk holds it (its cached pages are dropped first), read in 1024-byte
// blocks; nothing when it cannot be opened or read.
std::optional<Md5Digest> ReadBackDigest(const std::string& path);
// The same for a file open for reading at its start; `fd` stays open.
std::optional<Md5Digest> ReadBackDigest(int fd);

// The file's bytes, or nothing when it cannot be opened or read or holds more than `maxBytes`.
// `missing` tells a file that is not there from one that is there but could not be read.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes = 64u << 20,
                                         bool* missing = nullptr);

// Replaces `path` with `contents`; false (and the old file untouched) on any failure.
bool WriteFileAtomically(const std::string& path, const std::string& contents);

// Streams a file under its temporary name; Commit() puts it in place. Dropped without a commit,
// the temporary file is removed and the target stays as it was.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Creates the temporary file "<target>.tmp-XXXXXX"; false when it cannot be created (a missing
  // folder, no rights). First removes what earlier writes of the same target left there when they
  // were killed: such files of ours that nobody has written for a minute.
  bool Open();
  bool Write(const char* data, size_t size);
  // Flushes to disk and renames over the target; false (and the target untouched) on failure.
  bool Commit();

 private:
  void Discard();

  std::string path_;
  std::string target_;  // path_ with its symbolic links followed
  std::string temp_;
  int fd_ = -1;
};

// Turns every line end into CR LF, whatever the text used (LF or CR LF).
std::string ToCrLf(const std::string& text);

}  // namespace io
