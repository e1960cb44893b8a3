#include "pages/ServerFetch.h"

#include <utility>

#include "framework/Window.h"
#include "io/Download.h"
#include "io/UpdateServer.h"

namespace pages {

ServerFetch::ServerFetch(fw::Window& owner, TakeBusy takeBusy)
    : owner_(owner),
      takeBusy_(std::move(takeBusy)),
      // A word for a window already gone is never delivered.
      transfers_([&owner](intptr_t run) { owner.PostMessage(WM_SERVER_FETCH_DONE, 0, run); }) {}

void ServerFetch::StartAfter(unsigned timer, unsigned ms, BusyHold busy) {
  transfers_.Drop();
  then_ = nullptr;
  KillArmedTimer();
  if (busy.Held()) busy_ = std::move(busy);
  HoldBusy();
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
  transfers_.Drop();
  then_ = nullptr;
  KillArmedTimer();
  busy_.Release();
}

void ServerFetch::KillArmedTimer() {
  if (armedTimer_ != 0) owner_.KillTimer(std::exchange(armedTimer_, 0));
}

void ServerFetch::HoldBusy() {
  if (!busy_.Held() && takeBusy_) busy_ = takeBusy_();
}

void ServerFetch::Start(const std::string& name, std::optional<std::string> path, Continuation then) {
  KillArmedTimer();
  HoldBusy();
  then_ = std::move(then);
  transfers_.Start([url = io::UpdateServerAddress(name), path = std::move(path)](std::stop_token stop) {
    FetchResult result;
    if (!path) {
      result.received = io::DownloadUrl(url, &result.body, nullptr, nullptr, stop);
    } else if (path->empty()) {
      result.received = io::kDownloadFileNotCreated;
    } else {
      result.received = io::DownloadUrl(url, nullptr, &*path, nullptr, stop);
    }
    return result;
  });
}

bool ServerFetch::OnMessage(unsigned msg, intptr_t lParam) {
  if (msg != WM_SERVER_FETCH_DONE) return false;
  std::optional<FetchResult> result = transfers_.Take(lParam);
  if (!result || !then_) return true;
  // Taken out first: the continuation may start the next fetch, which then holds busy of its own.
  const Continuation then = std::exchange(then_, nullptr);
  then(*result, std::move(busy_));
  return true;
}

}  // namespace pages
