#pragma once
// Whole-file reading and crash-safe writing: a file is written under a temporary name of its own
// beside its target (so two writers of one file never share it), flushed to disk and renamed over
// it, and the rename flushed too, so an interruption or a full disk never leaves half a file where
// the old one was.
#include <optional>
#include <string>

namespace io {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes = 64u << 20);

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

  // Creates the temporary file "<path>.tmp-XXXXXX"; false when it cannot be created (a missing
  // folder, no rights).
  bool Open();
  bool Write(const char* data, size_t size);
  // Flushes to disk and renames over the target; false (and the target untouched) on failure.
  bool Commit();

 private:
  void Discard();

  std::string path_;
  std::string temp_;
  int fd_ = -1;
};

// Turns every line end into CR LF, whatever the text used (LF or CR LF).
std::string ToCrLf(const std::string& text);

}  // namespace io
