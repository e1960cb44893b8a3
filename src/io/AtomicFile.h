#pragma once
// Whole-file reading and crash-safe writing: a file is written under a temporary name of its own
// beside its target (so two writers of one file never share it), flushed to disk and renamed over
// it, and the rename flushed too, so an interruption or a full disk never leaves half a file where
// the old one was. A target that is a symbolic link stays one: the file it leads to is replaced,
// in that file's folder. A replaced file keeps its permissions; a new one gets what a plain create
// gives under the process's umask.
#include <cstddef>
#include <optional>
#include <string>

#include "io/Md5.h"

namespace io {

// Writes every byte to `fd`, going on after interrupted and partial writes.
bool WriteAll(int fd, const char* data, size_t size);
// Makes the renames in `folder` durable. Best effort: some file systems cannot flush a folder.
void FlushFolder(const std::string& folder);
// Called with each folder once FlushFolder has flushed it, so that tests see when it happens;
// nullptr for none.
using FolderFlushWatcher = void (*)(const std::string& folder);
void WatchFolderFlushes(FolderFlushWatcher watcher);
// The MD5 of the file as the disk holds it (its cached pages are dropped first), read in 1024-byte
// blocks; nothing when it cannot be opened or read.
std::optional<Md5Digest> ReadBackDigest(const std::string& path);
// The same for a file open for reading at its start; `fd` stays open.
std::optional<Md5Digest> ReadBackDigest(int fd);

// The file's bytes, or nothing when it cannot be opened or read, is no plain file (nothing waits on
// a pipe) or holds more than `maxBytes`.
// `missing` tells a file that is not there from one that is there but could not be read.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes = 64u << 20,
                                         bool* missing = nullptr);

// Replaces `path` with `contents`; false (and the old file untouched) on any failure.
bool WriteFileAtomically(const std::string& path, const std::string& contents);
// For a file whose folder refuses the temporary file of an atomic write: truncates the file (it is
// never created), writes `contents` into it and flushes it. An interruption leaves it torn.
bool WriteFileInPlace(const std::string& path, const std::string& contents);

// Streams a file under its temporary name; Commit() puts it in place. Dropped without a commit,
// the temporary file is removed and the target stays as it was.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Creates the temporary file "<target>.tmp-XXXXXX" and holds it locked until the commit; false
  // when it cannot be created (a missing folder, no rights). First removes what earlier writes of
  // the same target left there when they were killed: such files of ours that no writer holds and
  // nobody has written for a minute.
  bool Open();
  // Why the last Open failed (an errno value such as EACCES for a folder that refuses new files);
  // 0 after one that succeeded.
  int OpenError() const { return openError_; }
  bool Write(const char* data, size_t size);
  // Flushes to disk and renames over the target; false (and the target untouched) on failure.
  bool Commit();

 private:
  void Discard();

  std::string path_;
  std::string target_;  // path_ with its symbolic links followed
  std::string temp_;
  int fd_ = -1;
  int openError_ = 0;
};

// Turns every line end into CR LF, whatever the text used (LF or CR LF).
std::string ToCrLf(const std::string& text);

}  // namespace io
