#pragma once
// A simulated headset on a simulated bus, a manual clock, a scratch folder for DFU files, and a
// callback that records what an engine reports.
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "SimBlueCoreHeadset.h"
#include "SimDfuImage.h"
#include "ScratchFolder.h"
#include "SimUsbBus.h"
#include "platform/Clock.h"
#include "platform/dfu/DFUEngine.h"

namespace dfutest {

using ScratchFolder = testutil::ScratchFolder;

struct HeadsetRig {
  explicit HeadsetRig(sim::HeadsetProfile profile = {})
      : headset(std::make_shared<sim::SimBlueCoreHeadset>(profile)), busScope(bus), clockScope(clock) {
    bus.Attach(kPath, headset);
  }

  // Writes a DFU file into the scratch folder and returns its path.
  std::string Image(const sim::SimImageSpec& spec = {}, const std::string& name = "image.dfu") {
    const std::string path = scratch.File(name);
    sim::WriteFile(path, sim::MakeDfuFile(spec));
    return path;
  }

  static constexpr const char* kPath = "1-2";
  sim::SimUsbBus bus;
  std::shared_ptr<sim::SimBlueCoreHeadset> headset;
  platform::ManualClock clock;
  platform::UsbBus::Scoped busScope;
  platform::Clock::Scoped clockScope;
  ScratchFolder scratch;
};

struct Report {
  enum Kind { kNotice, kProgress, kComplete } kind;
  int value;
  dfu::DFUEngine::Status status;
  std::thread::id thread;
};

class Recorder : public dfu::DFUEngine::Callback {
 public:
  void OnDfuNotice(int value, const dfu::DFUEngine::Status& status) override { Add(Report::kNotice, value, status); }
  void OnDfuProgress(int value, const dfu::DFUEngine::Status& status) override {
    Add(Report::kProgress, value, status);
  }
  void OnDfuComplete(int value, const dfu::DFUEngine::Status& status) override {
    Add(Report::kComplete, value, status);
  }

  // The next completion not yet taken; nullopt when none comes within a few seconds.
  std::optional<Report> NextCompletion(std::chrono::milliseconds patience = std::chrono::seconds(20)) {
    std::unique_lock lock(mutex_);
    std::optional<Report> found;
    wake_.wait_for(lock, patience, [&] {
      for (; taken_ < reports_.size(); ++taken_) {
        if (reports_[taken_].kind == Report::kComplete) {
          found = reports_[taken_++];
          return true;
        }
      }
      return false;
    });
    return found;
  }

  std::vector<Report> Reports() {
    std::lock_guard lock(mutex_);
    return reports_;
  }

 private:
  void Add(Report::Kind kind, int value, const dfu::DFUEngine::Status& status) {
    {
      std::lock_guard lock(mutex_);
      reports_.push_back({kind, value, status, std::this_thread::get_id()});
    }
    wake_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::vector<Report> reports_;
  size_t taken_ = 0;
};

// Runs reconfigure, download and manifest as the firmware driver does, each step started when the
// one before it completed successfully; returns the completions seen. `between`, when given, runs
// after each successful step with its operation, before the next starts.
inline std::vector<Report> RunJob(dfu::DFUEngine& engine, Recorder& recorder, const std::string& image,
                                  const std::function<void(int operation)>& between = {}) {
  std::vector<Report> completions;
  if (!engine.StartReconfigure(false, true, image)) return completions;
  for (;;) {
    const auto completion = recorder.NextCompletion();
    if (!completion) return completions;
    completions.push_back(*completion);
    if (!completion->status.result) return completions;
    if (between) between(completion->status.operation);
    bool started = false;
    switch (completion->status.operation) {
      case dfu::kOperationReconfigure:
      case dfu::kOperationReconfigureAlternative: started = engine.StartDownload(image); break;
      case dfu::kOperationDownload: started = engine.StartManifest(); break;
      default: return completions;
    }
    if (!started) return completions;
  }
}

}  // namespace dfutest
