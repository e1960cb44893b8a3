// Reading the server's "Firmware" list on the window's thread: a list of N voice-prompt variant
// lines of the model, each language new, so every line is checked against all earlier languages.
// The time per line must not grow with N.
#include <benchmark/benchmark.h>

#include <string>

#include "firmware/formats/FirmwareList.h"

namespace {

constexpr const char* kKey = "VKT_TQG27N";

std::string VariantLines(int64_t count) {
  std::string list = "Other: v1.0 : one.img\r\n";
  for (int64_t i = 0; i < count; ++i) {
    list += std::string(kKey) + ": v4.0 : Language" + std::to_string(i) + " : image" + std::to_string(i) + ".img\r\n";
  }
  return list + kKey + ": 3\r\n";
}

void BM_FirmwareListVariants(benchmark::State& state) {
  const std::string list = VariantLines(state.range(0));
  for (auto _ : state) {
    const firmware::FirmwareListEntry entry = firmware::ReadFirmwareList(list, kKey);
    if (static_cast<int64_t>(entry.variants.size()) != state.range(0)) {
      state.SkipWithError("variants lost");
      break;
    }
    benchmark::DoNotOptimize(entry);
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_FirmwareListVariants)
    ->Arg(10'000)
    ->Arg(30'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
