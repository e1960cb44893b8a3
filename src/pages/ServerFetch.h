#pragma once
// A fetch from the update server on a worker thread the page owns, continued on the window's
// thread. The page chooses everything (name, file) before the start; the worker only downloads
// and posts its word with the fetch's number; the continuation then does what the page does with
// the result. The fetch owns the window's busy state from its start (or from the arming of the
// page's timer that starts it) until the continuation gives it back or passes it on. A new start,
// Cancel or the owner going away drops the fetch under way: its transfer is asked to stop, its
// continuation never runs, its busy state is given back, and the word of a dropped fetch is
// ignored.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "framework/Messages.h"
#include "io/NumberedWorker.h"
#include "pages/BusyHold.h"

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
  // What the page does with the answer. It is handed the busy state the fetch took, to give back
  // once the window may take commands again or to pass on to the work it goes on to; what it
  // still holds when it returns is given back then.
  using Continuation = std::function<void(const FetchResult&, BusyHold)>;
  // A unit of the owner's window's busy state; none while the owner is in no window.
  using TakeBusy = std::function<BusyHold()>;

  ServerFetch(fw::Window& owner, TakeBusy takeBusy);
  ServerFetch(const ServerFetch&) = delete;
  ServerFetch& operator=(const ServerFetch&) = delete;

  // The owner's `timer`, whose handler starts the fetch, is armed for `ms`: the window is busy
  // from now (carrying on `busy` when one is handed in), and a drop before the tick kills it.
  void StartAfter(unsigned timer, unsigned ms, BusyHold busy = {});
  // The list `name` into memory.
  void FetchList(const std::string& name, Continuation then);
  // The file `name` into `path`, which is replaced only by a complete body (a failed or cancelled
  // download leaves it as it was). An empty path is a file that cannot be created.
  void FetchFile(const std::string& name, const std::string& path, Continuation then);
  // Drops the fetch under way or armed and gives its busy state back, without waiting for its
  // thread: a later start or word joins it once its transfer has seen the stop, the destructor at
  // the latest.
  void Cancel();
  // A fetch was started and its continuation has neither run nor been dropped.
  bool IsPending() const { return static_cast<bool>(then_); }
  // The owner's OnMessage hands every message here first; true when it was a fetch's word.
  bool OnMessage(unsigned msg, intptr_t lParam);

 private:
  void Start(const std::string& name, std::optional<std::string> path, Continuation then);
  void KillArmedTimer();
  // Keeps the hold the fetch has (from its timer's arming): the window never flickers idle.
  void HoldBusy();

  fw::Window& owner_;
  TakeBusy takeBusy_;
  // Window's thread only.
  BusyHold busy_;
  unsigned armedTimer_ = 0;
  Continuation then_;
  // Last: its workers are joined before anything they use goes.
  io::NumberedWorker<FetchResult> transfers_;
};

}  // namespace pages
