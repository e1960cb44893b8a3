// Host-side cost of a 1 MiB download to a simulated headset that answers every request at once:
// file read and check, 1025 blocks with their status polls, progress reports, thread hand-over.
#include <benchmark/benchmark.h>

#include <condition_variable>
#include <mutex>

#include "DfuTestRig.h"

namespace {

class CompletionCounter : public dfu::DFUEngine::Callback {
 public:
  void OnDfuNotice(int, const dfu::DFUEngine::Status&) override {}
  void OnDfuProgress(int, const dfu::DFUEngine::Status&) override {}
  void OnDfuComplete(int, const dfu::DFUEngine::Status& status) override {
    std::lock_guard lock(mutex_);
    ok_ = static_cast<bool>(status.result);
    ++completions_;
    wake_.notify_all();
  }
  bool WaitFor(int count) {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [&] { return completions_ >= count; });
    return ok_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  int completions_ = 0;
  bool ok_ = false;
};

void BM_Download1MiB(benchmark::State& state) {
  dfutest::HeadsetRig rig(sim::HeadsetProfile{.startInDfuMode = true});
  sim::SimImageSpec spec;
  spec.imageBytes = 1 << 20;
  const std::string image = rig.Image(spec);
  dfu::CStringListX names;
  dfu::DFUEngine::GetUSBDeviceNames(names);
  auto position = names.GetHeadPosition();
  dfu::DFUEngine engine;
  engine.CreateUSB(names.GetNext(position));
  CompletionCounter counter;
  engine.SetCallback(&counter);

  int done = 0;
  for (auto _ : state) {
    if (!engine.StartDownload(image) || !counter.WaitFor(++done)) {
      state.SkipWithError("download failed");
      break;
    }
    state.PauseTiming();
    rig.headset->Unplug();  // power-cycled without firmware, it is back in DFU mode and idle
    rig.headset->PlugIn();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(spec.imageBytes));
  engine.Destroy();
}

BENCHMARK(BM_Download1MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
