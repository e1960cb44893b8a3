#include "platform/Drives.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace platform {

namespace {

namespace fs = std::filesystem;

// Mount tables write space, tab, newline and backslash in paths as a backslash and three octal
// digits; anything else after a backslash stays as it is.
std::string DecodeMountField(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && field.size() - i > 3) {
      int value = 0;
      bool octal = true;
      for (size_t k = 1; k <= 3 && octal; ++k) {
        octal = field[i + k] >= '0' && field[i + k] <= '7';
        value = value * 8 + (field[i + k] - '0');
      }
      if (octal && value > 0 && value < 256) {
        out.push_back(static_cast<char>(value));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

// The start of a sysfs attribute file; such a file holds one short line.
std::string ReadSmallFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text(64, '\0');
  if (!in) return {};
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  return text;
}

// A block device is removable when sysfs says so for it or, for a partition, for its disk.
bool IsRemovableBlockDevice(const std::string& device) {
  if (device.rfind("/dev/", 0) != 0) return false;
  std::error_code error;
  const fs::path node = fs::canonical(device, error);
  if (error) return false;
  fs::path sys = fs::canonical(fs::path("/sys/class/block") / node.filename(), error);
  if (error) return false;
  if (fs::exists(sys / "partition", error)) sys = sys.parent_path();
  return ReadsAsRemovable(ReadSmallFile(sys / "removable"));
}

class SystemDrives : public Drives {
 public:
  std::vector<std::string> RemovableRoots() override {
    std::ifstream in("/proc/self/mounts");
    if (!in) return {};
    std::ostringstream table;
    table << in.rdbuf();
    return RemovableMountPoints(table.str(), IsRemovableBlockDevice);
  }

  bool FileExistsAt(const std::string& root, const std::string& name) override {
    if (root.empty() || name.empty() || name.find('/') != std::string::npos) return false;
    std::error_code error;
    return fs::is_regular_file(fs::path(root) / name, error);
  }
};

}  // namespace

bool ReadsAsRemovable(std::string_view sysfsText) {
  const size_t end = sysfsText.find('\n');
  return sysfsText.substr(0, end) == "1";
}

std::vector<std::string> RemovableMountPoints(std::string_view mountTable,
                                              const std::function<bool(const std::string&)>& isRemovable) {
  std::vector<std::string> roots;
  size_t start = 0;
  while (start < mountTable.size()) {
    size_t end = mountTable.find('\n', start);
    if (end == std::string_view::npos) end = mountTable.size();
    const std::string_view line = mountTable.substr(start, end - start);
    start = end + 1;

    const size_t deviceEnd = line.find(' ');
    if (deviceEnd == std::string_view::npos || deviceEnd == 0) continue;
    const size_t pointEnd = line.find(' ', deviceEnd + 1);
    if (pointEnd == std::string_view::npos || pointEnd == deviceEnd + 1) continue;
    const std::string device = DecodeMountField(line.substr(0, deviceEnd));
    const std::string point = DecodeMountField(line.substr(deviceEnd + 1, pointEnd - deviceEnd - 1));
    if (isRemovable(device)) roots.push_back(point);
  }
  return roots;
}

ssize_t Drives::WriteSome(int fd, const void* data, size_t size) { return ::write(fd, data, size); }

bool Drives::Sync(int fd) { return ::fsync(fd) == 0; }

int Drives::Rename(const std::string& from, const std::string& to, unsigned flags) {
  return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags);
}

int Drives::OpenToRead(const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); }

ssize_t FakeDrives::WriteSome(int fd, const void* data, size_t size) {
  std::lock_guard lock(mutex_);
  if (faults_.room == 0) {
    errno = ENOSPC;
    return -1;
  }
  std::string bytes(static_cast<const char*>(data), std::min(size, faults_.room));
  if (faults_.altersBytes && !bytes.empty()) bytes[0] = static_cast<char>(bytes[0] ^ 0x01);
  const ssize_t written = Drives::WriteSome(fd, bytes.data(), bytes.size());
  if (written > 0) faults_.room -= static_cast<size_t>(written);
  return written;
}

bool FakeDrives::Sync(int fd) {
  if (Faults().syncFails) return false;
  return Drives::Sync(fd);
}

int FakeDrives::Rename(const std::string& from, const std::string& to, unsigned flags) {
  const CardFaults faults = Faults();
  if (faults.renameFails || (faults.renamesOnlyReplacing && flags != 0)) {
    errno = faults.renameFails ? EIO : EINVAL;
    return -1;
  }
  return Drives::Rename(from, to, flags);
}

int FakeDrives::OpenToRead(const std::string& path) {
  if (Faults().openToReadFails) {
    errno = EIO;
    return -1;
  }
  return Drives::OpenToRead(path);
}

Drives& Drives::Real() {
  static SystemDrives drives;
  return drives;
}

}  // namespace platform
