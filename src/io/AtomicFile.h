#pragma once
// Whole-file reading and crash-safe writing: a file is written under a temporary name of its own
// beside its target (so two writers of one file never share it), flushed to disk and renamed over
// it, and the rename flushed too, so an interruption or a full disk never leaves half a file where
// the old one was. A target that is a symbolic link stays one: the file it leads to is replaced,
// in that file's folder. A replaced file keeps its permissions; a new one gets what a plain create
// gives under the process's umask.
#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>

#include "io/Md5.h"
#include "platform/Installable.h"

namespace io {

// The calls that put the writers' bytes on disk, each as the system call of its name (Reserve as
// posix_fallocate from the start of the file: 0 or an errno value). Tests install their own to fill
// the disk at a chosen call or to see the order of flush and rename.
class DiskCalls : public platform::Installable<DiskCalls> {
 public:
  virtual int Open(const std::string& path, int flags, mode_t mode);
  virtual int Reserve(int fd, off_t length);
  virtual ssize_t Write(int fd, const void* data, size_t size);
  virtual int Sync(int fd);
  virtual int Rename(const std::string& from, const std::string& to);
  static DiskCalls& Real();
};

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

enum class InPlaceOutcome {
  kWritten,  // the file holds exactly the new bytes
  kOldKept,  // not written: the file holds exactly its old bytes (or is not there)
  kTorn,     // a write failed and the old bytes could not be put back either
};
struct InPlaceResult {
  InPlaceOutcome outcome;
  int error = 0;  // why it was not written (an errno value)
};
// For a file whose folder refuses the temporary file of an atomic write: overwrites the file (it is
// never created) with `contents` and flushes it. Nothing is shortened or overwritten before the new
// bytes are known to fit: their room is reserved first, which a full disk or a file-size limit
// refuses; a write that fails even so puts the old bytes back. A kill halfway still tears the file.
InPlaceResult WriteFileInPlace(const std::string& path, const std::string& contents);

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
  // nobody has written for a minute. The file stays readable and writable by its owner until the
  // commit gives it the target's mode, so that what a killed write left can always be cleared.
  bool Open();
  // Why the last Open, Write or Commit failed (an errno value, such as EACCES after an Open in a
  // folder that refuses new files); 0 after an Open that succeeded.
  int Error() const { return error_; }
  bool Write(const char* data, size_t size);
  // Flushes to disk and renames over the target; false (and the target untouched) on failure.
  bool Commit();

 private:
  void Discard();

  std::string path_;
  std::string target_;  // path_ with its symbolic links followed
  std::string temp_;
  int fd_ = -1;
  int error_ = 0;
  std::optional<mode_t> finalMode_;  // the replaced file's, given at the commit
};

// Turns every line end into CR LF, whatever the text used (LF or CR LF).
std::string ToCrLf(const std::string& text);

}  // namespace io
