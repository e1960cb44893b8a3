#include "io/Worker.h"

#include <chrono>
#include <utility>

namespace io {

Worker::~Worker() {
  {
    std::lock_guard<std::mutex> hold(lock_);
    keepRunning_ = false;
    thread_.request_stop();
  }
  Wait(0);
}

bool Worker::IsRunning() const {
  std::lock_guard<std::mutex> hold(lock_);
  return thread_.joinable() && !bodyReturned_;
}

void Worker::RequestStop() {
  std::lock_guard<std::mutex> hold(lock_);
  if (!thread_.joinable() || bodyReturned_) stopRequested_ = true;
  keepRunning_ = false;
  thread_.request_stop();
}

bool Worker::Wait(unsigned ms) {
  std::unique_lock<std::mutex> hold(lock_);
  if (!thread_.joinable()) return true;
  const auto returned = [this] { return bodyReturned_; };
  if (ms == 0) {
    ended_.wait(hold, returned);
  } else if (!ended_.wait_for(hold, std::chrono::milliseconds(ms), returned)) {
    return false;
  }
  thread_.join();  // the body has returned, so this does not block
  return true;
}

bool Worker::Stop(unsigned ms) {
  RequestStop();
  return Wait(ms);
}

bool Worker::Start(Body body) {
  if (!Wait(1)) return false;
  std::lock_guard<std::mutex> hold(lock_);
  stopRequested_ = false;
  keepRunning_ = true;
  bodyReturned_ = false;
  thread_ = std::jthread([this, body = std::move(body)](std::stop_token stop) {
    body(std::move(stop));
    std::lock_guard<std::mutex> done(lock_);
    bodyReturned_ = true;
    ended_.notify_all();
  });
  return true;
}

}  // namespace io
