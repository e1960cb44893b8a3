#pragma once
// A fetch from the update server on a worker thread the page owns, continued on the window's
// thread. The page chooses everything (name, file) before the start; the worker only downloads
// and posts its word with the fetch's number; the continuation then does what the page does with
// the result. A new start, Cancel or the owner going away drops the fetch under way: its transfer
// is asked to stop and its continuation never runs, and the word of a dropped fetch is ignored.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/Messages.h"
#include "io/Worker.h"

namespace fw {
class Window;
}

namespace pages {

// Posted by the worker to its owner when the transfer has ended; lParam is the fetch's number.
inline constexpr unsigned WM_SERVER_FETCH_DONE = fw::WM_USER + 1000;

struct FetchResult {
  // io::DownloadUrl's result: the bytes received, or kDownloadNotOpened / kDownloadFileNotCreated.
  int received = 0;
  std::string body;  // a list's text
};

class ServerFetch {
 public:
  using Continuation = std::function<void(const FetchResult&)>;

  explicit ServerFetch(fw::Window& owner) : owner_(owner) {}
  ServerFetch(const ServerFetch&) = delete;
  ServerFetch& operator=(const ServerFetch&) = delete;

  // The list `name` into memory.
  void FetchList(const std::string& name, Continuation then);
  // The file `name` into `path`, which is replaced only by a complete body (a failed or cancelled
  // download leaves it as it was). An empty path is a file that cannot be created.
  void FetchFile(const std::string& name, const std::string& path, Continuation then);
  // Drops the fetch under way without waiting for its thread: a later start or word joins it once
  // its transfer has seen the stop, the destructor at the latest.
  void Cancel();
  // A fetch was started and its continuation has neither run nor been dropped.
  bool IsPending() const { return static_cast<bool>(then_); }
  // The owner's OnMessage hands every message here first; true when it was a fetch's word.
  bool OnMessage(unsigned msg, intptr_t lParam);

 private:
  struct Transfer {
    // Written by the worker, read on the window's thread once the worker is joined.
    FetchResult result;
    // Last: its destructor stops and joins the body, which writes the result.
    io::Worker worker;
  };

  void Start(const std::string& name, std::optional<std::string> path, Continuation then);
  // Joins the dropped transfers that have ended; never waits for one that still runs.
  void JoinEndedDropped();

  fw::Window& owner_;
  // Window's thread only.
  Continuation then_;
  intptr_t run_ = 0;
  std::unique_ptr<Transfer> current_;
  // Told to stop; a server that does not answer may keep one running for a while.
  std::vector<std::unique_ptr<Transfer>> dropped_;
};

}  // namespace pages
