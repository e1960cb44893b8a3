#pragma once
// Removable drives (memory cards, USB sticks) as the system has mounted them, and whether a file
// lies at the top of one. The real implementation reads the mount table and sysfs.
#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <limits>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Installable.h"

namespace platform {

class Drives : public Installable<Drives> {
 public:
  // Mount points of the mounted removable drives, in mount-table order.
  virtual std::vector<std::string> RemovableRoots() = 0;
  // True when a regular file `name` lies directly in the folder `root`.
  virtual bool FileExistsAt(const std::string& root, const std::string& name) = 0;
  // One write to a file open on a drive, as write(2): the bytes taken, or -1 with errno set.
  virtual ssize_t WriteSome(int fd, const void* data, size_t size);
  // Flushes a file open on a drive to the drive; false when the drive did not confirm it.
  virtual bool Sync(int fd);
  // Renames a file on a drive, as renameat2(2) with both paths taken as given: 0, or -1 with
  // errno set (EINVAL where the file system cannot honour `flags`).
  virtual int Rename(const std::string& from, const std::string& to, unsigned flags);
  // Opens a file on a drive for reading, as open(2): the descriptor, or -1 with errno set.
  virtual int OpenToRead(const std::string& path);
  static Drives& Real();
};

// Drives and files a test lays out, and the roots it was asked about.
class FakeDrives : public Drives {
 public:
  void AddRoot(const std::string& root) {
    std::lock_guard lock(mutex_);
    roots_.push_back(root);
  }
  void AddFile(const std::string& root, const std::string& name) {
    std::lock_guard lock(mutex_);
    files_.insert({root, name});
  }
  std::vector<std::string> RemovableRoots() override {
    std::lock_guard lock(mutex_);
    return roots_;
  }
  bool FileExistsAt(const std::string& root, const std::string& name) override {
    std::lock_guard lock(mutex_);
    looked_.push_back(root);
    return files_.count({root, name}) > 0;
  }
  std::vector<std::string> RootsLookedAt() {
    std::lock_guard lock(mutex_);
    return looked_;
  }

  // A card's faults: room for this many more bytes, a flush that fails, bytes that come back
  // other than they were written, a file system that cannot rename without replacing, renames
  // that fail, files that cannot be opened to read.
  struct CardFaults {
    size_t room = std::numeric_limits<size_t>::max();
    bool syncFails = false;
    bool altersBytes = false;
    bool renamesOnlyReplacing = false;
    bool renameFails = false;
    bool openToReadFails = false;
  };
  void SetCardFaults(const CardFaults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
  }
  ssize_t WriteSome(int fd, const void* data, size_t size) override;
  bool Sync(int fd) override;
  int Rename(const std::string& from, const std::string& to, unsigned flags) override;
  int OpenToRead(const std::string& path) override;

 private:
  CardFaults Faults() {
    std::lock_guard lock(mutex_);
    return faults_;
  }

  std::mutex mutex_;
  std::vector<std::string> roots_;
  std::set<std::pair<std::string, std::string>> files_;
  std::vector<std::string> looked_;
  CardFaults faults_;
};

// The text of a block device's sysfs "removable" file says removable: its first line is "1".
bool ReadsAsRemovable(std::string_view sysfsText);

// The mount points of removable drives in a mount table (the text of /proc/self/mounts).
// `isRemovable` answers for a device node such as "/dev/sdb1". Octal escapes in mount points
// ("\040" for a space) are decoded; malformed lines are passed over.
std::vector<std::string> RemovableMountPoints(std::string_view mountTable,
                                              const std::function<bool(const std::string&)>& isRemovable);

}  // namespace platform
