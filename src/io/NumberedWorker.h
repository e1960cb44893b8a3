#pragma once
// Work beside the window: each start runs its body on a worker thread of its own and gets a
// number; the body's last act hands that number to `post`, which posts it to the owner's thread as
// the run's word; there the owner takes the run's result by the number. A new start or Drop makes
// the run under way stale: its stop is asked at once, and its word takes nothing. Ended workers are
// joined without waiting for one that still runs; the destructor stops and joins them all, so
// declare it after every member its bodies use.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <utility>
#include <vector>

#include "io/Worker.h"

namespace io {

template <class Result>
class NumberedWorker {
 public:
  using Body = std::function<Result(std::stop_token)>;
  // Called on the worker thread with the run's number; it must only post.
  using Post = std::function<void(intptr_t run)>;

  explicit NumberedWorker(Post post) : post_(std::move(post)) {}
  NumberedWorker(const NumberedWorker&) = delete;
  NumberedWorker& operator=(const NumberedWorker&) = delete;
  // Each run's Worker asks its body to stop and joins it.
  ~NumberedWorker() = default;

  // Drops the run under way and starts `body`; returns the new run's number.
  intptr_t Start(Body body) {
    Drop();
    JoinEnded();
    const intptr_t number = ++number_;
    current_ = std::make_unique<Run>();
    Run* run = current_.get();
    run->worker.Start([this, run, number, body = std::move(body)](std::stop_token stop) {
      run->result = body(std::move(stop));
      // Posted after a stop too: the word of a dropped run only lets its worker be joined.
      post_(number);
    });
    return number;
  }

  // The run under way is told to stop and its word will take nothing. Never waits.
  void Drop() {
    ++number_;
    if (!current_) return;
    current_->worker.RequestStop();
    dropped_.push_back(std::move(current_));
  }

  // Handed the word `run` on the owner's thread: the result when it is the run under way's, else
  // nothing (a dropped run's worker is joined once it has ended).
  std::optional<Result> Take(intptr_t run) {
    JoinEnded();
    if (run != number_ || !current_) return std::nullopt;
    // Posting was the body's last act, so this join is immediate.
    current_->worker.Wait(0);
    std::optional<Result> result = std::move(current_->result);
    current_.reset();
    return result;
  }

  // A run was started and neither its word taken nor the run dropped.
  bool IsPending() const { return current_ != nullptr; }
  // A worker, current or dropped, has not returned yet.
  bool IsRunning() const {
    return (current_ && current_->worker.IsRunning()) ||
           std::any_of(dropped_.begin(), dropped_.end(), [](const auto& r) { return r->worker.IsRunning(); });
  }

 private:
  struct Run {
    // Written by the worker, read on the owner's thread once the worker is joined.
    std::optional<Result> result;
    // Last: its destructor stops and joins the body, which writes the result.
    Worker worker;
  };

  void JoinEnded() {
    std::erase_if(dropped_, [](const std::unique_ptr<Run>& r) { return !r->worker.IsRunning(); });
  }

  Post post_;
  intptr_t number_ = 0;
  std::unique_ptr<Run> current_;
  // Told to stop; a body that does not look at its stop may keep one running for a while.
  std::vector<std::unique_ptr<Run>> dropped_;
};

}  // namespace io
