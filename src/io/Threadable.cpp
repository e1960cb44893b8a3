#include "io/Threadable.h"

#include <chrono>

namespace io {

Threadable::~Threadable() { StopAndJoin(); }

bool Threadable::IsRunning() const {
  std::lock_guard<std::mutex> hold(lock_);
  return running_ && thread_.joinable() && !bodyReturned_;
}

void Threadable::RequestStop() {
  std::lock_guard<std::mutex> hold(lock_);
  if (!running_) stopRequested_ = true;
  keepRunning_ = false;
}

bool Threadable::Wait(unsigned ms) {
  std::unique_lock<std::mutex> hold(lock_);
  if (!thread_.joinable()) return true;
  const auto returned = [this] { return bodyReturned_; };
  if (ms == 0) {
    ended_.wait(hold, returned);
  } else if (!ended_.wait_for(hold, std::chrono::milliseconds(ms), returned)) {
    return false;
  }
  // Another waiter may have joined it while this one slept.
  if (thread_.joinable()) thread_.join();  // the body has returned, so this does not block
  running_ = false;
  return true;
}

bool Threadable::Stop(unsigned ms) {
  if (IsRunning()) {
    RequestStop();
  } else {
    std::lock_guard<std::mutex> hold(lock_);
    stopRequested_ = true;
    keepRunning_ = false;
  }
  return Wait(ms);
}

bool Threadable::StartThread() {
  if (!Wait(1)) return false;
  std::lock_guard<std::mutex> hold(lock_);
  stopRequested_ = false;
  keepRunning_ = true;
  bodyReturned_ = false;
  running_ = true;
  thread_ = std::thread([this] {
    Run();
    std::lock_guard<std::mutex> done(lock_);
    bodyReturned_ = true;
    ended_.notify_all();
  });
  return true;
}

void Threadable::StopAndJoin() {
  {
    std::lock_guard<std::mutex> hold(lock_);
    keepRunning_ = false;
  }
  Wait(0);
}

}  // namespace io
