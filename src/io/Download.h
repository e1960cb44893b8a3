#pragma once
// The program's one way to fetch from the update server: a text list into memory, or a file
// (installer, firmware image) onto disk. A body is used only when the server answered 200 and
// everything it announced arrived; anything else is a failure.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <stop_token>
#include <string>

namespace io {

enum : int {
  kDownloadNotOpened = -1,       // no answer, not 200, short, broken off, empty file, too large,
                                 // too slow, or cancelled
  kDownloadFileNotCreated = -2,  // file mode: the target could not be created or written
};

// File downloads report progress against this nominal size; the real length is never asked for.
inline constexpr int kNominalDownloadTotal = 104857600;
// Bytes taken per read; the progress record moves on every (kReadsBetweenReports + 1)th read.
inline constexpr size_t kDownloadBlock = 1024;
inline constexpr int kReadsBetweenReports = 101;
// Lists are a few kilobytes; a body beyond this in memory mode is refused.
inline constexpr size_t kMaxMemoryDownload = 16u << 20;
// A list transfer, connection included, that takes longer than this fails: a list is small, and
// the update check waits for it on the window's thread.
inline constexpr std::chrono::seconds kListTimeLimit{15};

// Written by the downloading thread, read by the UI thread's timer.
struct DownloadProgress {
  std::atomic<int> total{0};
  std::atomic<int> received{0};
};

// Fetches `url` afresh from the server. A stop requested on `cancel` (from any thread) ends the
// transfer at once as a failure; with a libcurl older than 7.87 a hanging name look-up is waited
// for.
// Memory mode (`memory` not null): the body replaces *memory; on failure *memory is untouched.
// The whole transfer may take kListTimeLimit.
// File mode: the body goes to `*filePath` (created anew, an existing file replaced only once the
// whole, non-empty body has arrived; a failed transfer leaves it as it was); `progress`, when
// given, gets
// total := kNominalDownloadTotal as soon as the file is open, received := bytes so far every
// 102nd read, and received := total at the end of a complete transfer.
// Returns the number of body bytes, or kDownloadNotOpened / kDownloadFileNotCreated.
int DownloadUrl(const std::string& url, std::string* memory, const std::string* filePath,
                DownloadProgress* progress, std::stop_token cancel = {});

}  // namespace io
