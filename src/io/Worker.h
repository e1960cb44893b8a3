#pragma once
// One worker thread owned by the object it is a member of. The destructor asks the body to stop
// and joins it, so no owner can forget to; declare the worker after every member its body uses,
// so that it goes first. A body that does not stop in time is never killed (that would leave its
// locks and data half-changed): Stop reports it and the destructor waits for it.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace io {

class Worker {
 public:
  using Body = std::function<void(std::stop_token)>;

  Worker() = default;
  ~Worker();
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  // Runs `body` on a new thread; false while a previous body still runs. The body should return
  // soon after its stop token (or KeepRunning) says so.
  bool Start(Body body);
  // A thread was started and its body has not returned.
  bool IsRunning() const;
  // Asks the body to stop; when no thread runs it also notes that a stop was requested.
  void RequestStop();
  // Waits up to `ms` (0: without limit) for the body to return, then joins it. True when there is
  // no thread or it has ended; false when it is still running.
  bool Wait(unsigned ms);
  // RequestStop, then Wait(ms); false when the thread is still running after `ms`.
  bool Stop(unsigned ms);

  // False once a stop was asked for the current run.
  bool KeepRunning() const { return keepRunning_; }
  // A stop was asked while no thread ran.
  bool StopRequested() const { return stopRequested_; }

 private:
  mutable std::mutex lock_;
  std::condition_variable ended_;
  std::jthread thread_;
  bool bodyReturned_ = false;  // guarded by lock_
  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> keepRunning_{true};
};

}  // namespace io
