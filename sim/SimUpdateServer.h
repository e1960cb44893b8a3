#pragma once
// A simulated update server: answers requests for names below the update server's base address
// from bodies a test or the demo build supplies. It can be unreachable, and it can hold a request
// until released, as a slow server would.
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/Http.h"

namespace sim {

class SimUpdateServer : public platform::Http {
 public:
  void Serve(const std::string& name, std::string body);
  // The body is made at the first request for `name` (a large one nobody asks for costs nothing).
  void Serve(const std::string& name, std::function<std::string()> makeBody);
  void Remove(const std::string& name);
  // Forgets bodies, holds and requests; reachable again.
  void Clear();
  // An unreachable server answers nothing at all.
  void SetReachable(bool reachable);
  // Requests for `name` wait until Release (at most kHoldLimitMs, so that nothing hangs) or until
  // their receiver cancels.
  void Hold(const std::string& name);
  void Release(const std::string& name);
  // The names asked for, in order (addresses outside the base address as they stand).
  std::vector<std::string> Requests() const;
  int Answered() const;
  // Requests that ended because their receiver cancelled while held.
  int Cancelled() const;

  platform::HttpResult Fetch(const std::string& url, platform::HttpReceiver& receiver) override;

  static constexpr int kHoldLimitMs = 10000;

 private:
  mutable std::mutex mutex_;
  std::condition_variable released_;
  std::map<std::string, std::string> bodies_;
  std::map<std::string, std::function<std::string()>> makers_;
  std::set<std::string> held_;
  std::vector<std::string> requests_;
  bool reachable_ = true;
  int answered_ = 0;
  int cancelled_ = 0;
};

}  // namespace sim
