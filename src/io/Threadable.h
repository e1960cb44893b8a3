#pragma once
// Base of an object that owns one worker thread: asks it to stop, waits for it with a bound, and
// joins it before the object goes away. A thread that does not stop in time is never killed (that
// would leave its locks and data half-changed); Stop reports it and the destructor waits for it.
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace io {

class Threadable {
 public:
  Threadable() = default;
  // Asks a running body to stop and joins it. Every derived class must call StopAndJoin() in its
  // own destructor: by the time this one runs, the derived part (and Run itself) is gone.
  virtual ~Threadable();
  Threadable(const Threadable&) = delete;
  Threadable& operator=(const Threadable&) = delete;

  // A thread was started and its body has not returned.
  bool IsRunning() const;
  // Clears keep-running; when no thread runs it also notes that a stop was requested.
  virtual void RequestStop();
  // Waits up to `ms` (0: without limit) for the body to return, then joins it. True when there is
  // no thread or it has ended; false when it is still running.
  bool Wait(unsigned ms);
  // RequestStop, then Wait(ms); false when the thread is still running after `ms`.
  bool Stop(unsigned ms);

  bool KeepRunning() const { return keepRunning_; }
  bool StopRequested() const { return stopRequested_; }

 protected:
  // The thread body; it should return soon after KeepRunning() turns false.
  virtual void Run() = 0;
  // Starts Run() on a new thread; false while a previous body still runs.
  bool StartThread();
  // Stops and joins without a time limit; for destructors of derived classes.
  void StopAndJoin();

 private:
  mutable std::mutex lock_;
  std::condition_variable ended_;
  std::thread thread_;
  bool bodyReturned_ = false;  // guarded by lock_
  std::atomic<bool> running_{false};
  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> keepRunning_{true};
};

}  // namespace io
