#include "platform/dfu/DFUEngine.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/dfu/DeviceNames.h"
#include "platform/dfu/DfuFile.h"
#include "platform/dfu/DfuSteps.h"

namespace dfu {

class DFUEngine::Impl {
 public:
  using Step = std::function<StepOutcome(DfuSteps&)>;

  ~Impl() { Stop(); }

  Result Bind(const CStringX& name) {
    Stop();
    if (thread_.joinable()) return {kResultFailed, "cannot rebind from a callback"};
    const auto ref = ParseDeviceName(name);
    if (!ref) return {kResultFailed, "not a device name"};
    std::lock_guard lock(mutex_);
    target_ = {ref->vendorId, static_cast<uint16_t>(ref->productId & ~DFU_MODE_FLAG),
               static_cast<uint16_t>(ref->productId | DFU_MODE_FLAG), ref->location};
    stop_ = false;
    bound_ = true;
    thread_ = std::thread([this] { Run(); });
    return {};
  }

  void SetCallback(Callback* callback) {
    std::lock_guard lock(callbackMutex_);
    callback_ = callback;
  }

  bool Submit(Step step) {
    {
      std::lock_guard lock(mutex_);
      if (!bound_ || busy_) return false;
      pending_ = std::move(step);
      busy_ = true;
    }
    wake_.notify_one();
    return true;
  }

  void Stop() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
      bound_ = false;
      busy_ = false;
      pending_ = nullptr;
    }
    wake_.notify_all();
    // From a callback the thread cannot join itself (nor take the callback lock it holds); it ends
    // after that callback, and the next Destroy, CreateUSB or the destructor joins it.
    if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) return;
    if (thread_.joinable()) thread_.join();
    SetCallback(nullptr);
  }

 private:
  enum class Kind { kProgress, kComplete };

  void Run() {
    DfuSteps steps(target_, stop_, [this](int value, int operation, int activity) {
      Deliver(Kind::kProgress, value, {operation, {}, activity});
    });
    for (;;) {
      Step step;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stop_ || pending_; });
        if (stop_) return;
        step = std::move(pending_);
        pending_ = nullptr;
      }
      const StepOutcome outcome = step(steps);
      {
        // Free before the completion goes out, so that the next step can be started from it.
        std::lock_guard lock(mutex_);
        busy_ = false;
      }
      Deliver(Kind::kComplete, 0, {outcome.operation, outcome.result, kActivityNone});
    }
  }

  void Deliver(Kind kind, int value, const Status& status) {
    std::lock_guard lock(callbackMutex_);
    if (stop_ || !callback_) return;
    if (kind == Kind::kProgress) callback_->OnDfuProgress(value, status);
    else callback_->OnDfuComplete(value, status);
  }

  std::mutex mutex_;  // guards the fields below up to the thread
  std::condition_variable wake_;
  std::atomic<bool> stop_{false};
  bool bound_ = false;
  bool busy_ = false;  // a step is pending or running
  Step pending_;
  DfuTarget target_;   // written by Bind while no thread runs, then only by the thread
  std::thread thread_;

  std::mutex callbackMutex_;  // held while a report is delivered
  Callback* callback_ = nullptr;
};

DFUEngine::DFUEngine() : impl_(std::make_unique<Impl>()) {}

DFUEngine::~DFUEngine() = default;

bool DFUEngine::IsDFUFileValid(const CStringX& imagePath) {
  return ReadValidDfuFile(imagePath).has_value();
}

int DFUEngine::GetUSBDeviceNames(CStringListX& names) {
  return ListDfuDeviceNames(names);
}

DFUEngine::Result DFUEngine::CreateUSB(const CStringX& name) { return impl_->Bind(name); }

void DFUEngine::SetCallback(Callback* callback) { impl_->SetCallback(callback); }

bool DFUEngine::StartReconfigure(bool resetOnly, bool checkImage, const CStringX& imagePath) {
  if (resetOnly) return false;
  return impl_->Submit([checkImage, imagePath](DfuSteps& steps) {
    return steps.Reconfigure(checkImage, imagePath);
  });
}

bool DFUEngine::StartDownload(const CStringX& imagePath) {
  return impl_->Submit([imagePath](DfuSteps& steps) { return steps.Download(imagePath); });
}

bool DFUEngine::StartManifest() {
  return impl_->Submit([](DfuSteps& steps) { return steps.Manifest(); });
}

void DFUEngine::Destroy() { impl_->Stop(); }

}  // namespace dfu
