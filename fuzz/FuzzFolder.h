#pragma once
// A folder of the target's own for the files it works on, made at its first use and removed with
// everything in it when the process ends: runs by the hour leave the temporary folder as they found
// it. It lies in $TMPDIR when that is set, else in memory where the system offers it (every
// committed file is flushed), else in /tmp.
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

inline const std::string& FuzzFolder() {
  struct Folder {
    std::string path;
    Folder() {
      std::string base = "/tmp";
      if (const char* chosen = std::getenv("TMPDIR"); chosen && *chosen) {
        base = chosen;
      } else if (access("/dev/shm", W_OK) == 0) {
        base = "/dev/shm";
      }
      std::string pattern = base + "/corvale-fuzz-XXXXXX";
      if (!mkdtemp(pattern.data())) std::abort();  // no target runs without its files
      path = pattern;
    }
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Folder folder;
  return folder.path;
}
