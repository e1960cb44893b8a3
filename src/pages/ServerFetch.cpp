#include "pages/ServerFetch.h"

#include <algorithm>
#include <utility>

#include "framework/Window.h"
#include "io/Download.h"
#include "io/UpdateServer.h"

namespace pages {

void ServerFetch::StartAfter(unsigned timer, unsigned ms, BusyHold busy) {
  DropTransfer();
  KillArmedTimer();
  if (busy.Held()) busy_ = std::move(busy);
  TakeBusy();
  armedTimer_ = timer;
  owner_.SetTimer(timer, ms);
}

void ServerFetch::FetchList(const std::string& name, Continuation then) {
  Start(name, std::nullopt, std::move(then));
}

void ServerFetch::FetchFile(const std::string& name, const std::string& path, Continuation then) {
  Start(name, path, std::move(then));
}

void ServerFetch::Cancel() {
  DropTransfer();
  KillArmedTimer();
  busy_.Release();
}

void ServerFetch::DropTransfer() {
  ++run_;
  then_ = nullptr;
  if (current_) {
    current_->worker.RequestStop();
    dropped_.push_back(std::move(current_));
  }
}

void ServerFetch::KillArmedTimer() {
  if (armedTimer_ != 0) owner_.KillTimer(std::exchange(armedTimer_, 0));
}

void ServerFetch::TakeBusy() {
  // Kept when the fetch holds it already (from its timer's arming): it never flickers off.
  busy_ = BusyHold(busyFlag_ ? busyFlag_() : nullptr);
}

void ServerFetch::JoinEndedDropped() {
  std::erase_if(dropped_, [](const std::unique_ptr<Transfer>& t) { return !t->worker.IsRunning(); });
}

void ServerFetch::Start(const std::string& name, std::optional<std::string> path, Continuation then) {
  DropTransfer();
  JoinEndedDropped();
  KillArmedTimer();
  TakeBusy();
  then_ = std::move(then);
  current_ = std::make_unique<Transfer>();
  Transfer* transfer = current_.get();
  transfer->worker.Start([this, transfer, url = io::UpdateServerAddress(name), path = std::move(path),
                          run = run_](std::stop_token stop) {
    FetchResult& result = transfer->result;
    if (!path) {
      result.received = io::DownloadUrl(url, &result.body, nullptr, nullptr, stop);
    } else if (path->empty()) {
      result.received = io::kDownloadFileNotCreated;
    } else {
      result.received = io::DownloadUrl(url, nullptr, &*path, nullptr, stop);
    }
    // Posted after a stop too: the word of a dropped fetch only joins its thread, and one for a
    // window already gone is never delivered.
    owner_.PostMessage(WM_SERVER_FETCH_DONE, 0, run);
  });
}

bool ServerFetch::OnMessage(unsigned msg, intptr_t lParam) {
  if (msg != WM_SERVER_FETCH_DONE) return false;
  if (lParam != run_ || !then_ || !current_) {
    JoinEndedDropped();
    return true;
  }
  // Posting was the body's last act, so this join is immediate.
  current_->worker.Wait(0);
  const FetchResult result = std::move(current_->result);
  current_.reset();
  // Taken out first: the continuation may start the next fetch.
  const Continuation then = std::exchange(then_, nullptr);
  then(result, std::move(busy_));
  return true;
}

}  // namespace pages
