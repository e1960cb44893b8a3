#include "SimUpdateServer.h"

#include <algorithm>
#include <chrono>
#include <string_view>

#include "io/UpdateServer.h"

namespace sim {

namespace {

constexpr size_t kBlock = 1024;

std::string NameOf(const std::string& url) {
  const std::string_view base = io::kUpdateServerBase;
  return url.compare(0, base.size(), base) == 0 ? url.substr(base.size()) : url;
}

}  // namespace

void SimUpdateServer::Serve(const std::string& name, std::string body) {
  std::lock_guard<std::mutex> lock(mutex_);
  makers_.erase(name);
  bodies_[name] = std::move(body);
}

void SimUpdateServer::Serve(const std::string& name, std::function<std::string()> makeBody) {
  std::lock_guard<std::mutex> lock(mutex_);
  bodies_.erase(name);
  makers_[name] = std::move(makeBody);
}

void SimUpdateServer::Remove(const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  bodies_.erase(name);
  makers_.erase(name);
}

void SimUpdateServer::Clear() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    bodies_.clear();
    makers_.clear();
    held_.clear();
    requests_.clear();
    reachable_ = true;
    answered_ = 0;
    cancelled_ = 0;
  }
  released_.notify_all();
}

void SimUpdateServer::SetReachable(bool reachable) {
  std::lock_guard<std::mutex> lock(mutex_);
  reachable_ = reachable;
}

void SimUpdateServer::Hold(const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  held_.insert(name);
}

void SimUpdateServer::Release(const std::string& name) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    held_.erase(name);
  }
  released_.notify_all();
}

std::vector<std::string> SimUpdateServer::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

int SimUpdateServer::Answered() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return answered_;
}

int SimUpdateServer::Cancelled() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return cancelled_;
}

platform::HttpResult SimUpdateServer::Fetch(const std::string& url, platform::HttpReceiver& receiver) {
  const std::string name = NameOf(url);
  std::string body;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    requests_.push_back(name);
    // Waits in slices, as a real transfer polls its cancel.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kHoldLimitMs);
    while (held_.count(name) != 0 && std::chrono::steady_clock::now() < until) {
      if (receiver.Cancelled()) {
        ++cancelled_;
        return {platform::HttpOutcome::kCancelled, 0, 0, "cancelled"};
      }
      released_.wait_for(lock, std::chrono::milliseconds(20));
    }
    if (!reachable_) return {platform::HttpOutcome::kNotReached, 0, 0, "unreachable"};
    if (const auto maker = makers_.find(name); maker != makers_.end()) {
      bodies_[name] = maker->second();
      makers_.erase(maker);
    }
    const auto found = bodies_.find(name);
    if (found == bodies_.end()) return {platform::HttpOutcome::kBadStatus, 404, 0, "not found"};
    body = found->second;
  }
  platform::HttpResult result{platform::HttpOutcome::kComplete, 200, 0, {}};
  if (!receiver.Begin(static_cast<int64_t>(body.size()))) {
    result.outcome = platform::HttpOutcome::kRefused;
  } else {
    for (size_t at = 0; at < body.size(); at += kBlock) {
      const size_t size = std::min(kBlock, body.size() - at);
      if (!receiver.Receive(body.data() + at, size)) {
        result.outcome = platform::HttpOutcome::kRefused;
        break;
      }
      result.bytes += static_cast<int64_t>(size);
    }
  }
  std::lock_guard<std::mutex> lock(mutex_);
  ++answered_;
  return result;
}

}  // namespace sim
