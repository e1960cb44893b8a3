// The first NEXT from page 1 to the first paint of page 2, against a later NEXT after BACK in the
// same window. The toolkit keeps fonts and styles across windows, so every iteration starts the
// window in a process of its own (first-next-probe). Manual time: the first NEXT; counters in
// milliseconds: later (the later NEXT), ratio (first / later), idle_turn (the longest turn of the
// event loop that made pages in idle time before the first NEXT).
//   user:  NEXT as soon as page 1 takes commands, as a user's first click comes at the earliest
//   early: NEXT right after page 1's first paint, before the idle turn has made page 2 (no user
//          gets there: page 1's update check keeps the window busy for longer)
// A process per iteration: the minimum time is set low so that a run stays within seconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

struct ProbeRun {
  double first = -1, later = -1, idleTurn = 0;
};

bool RunProbe(const char* mode, ProbeRun& run) {
  const std::string command = std::string("'") + CORVALE_FIRST_NEXT_PROBE + "' " + mode;
  FILE* out = popen(command.c_str(), "r");
  if (!out) return false;
  const int fields = std::fscanf(out, "%lf %lf %lf", &run.first, &run.later, &run.idleTurn);
  return pclose(out) == 0 && fields == 3 && run.first > 0 && run.later > 0;
}

void BM_FirstNextAgainstLaterNext(benchmark::State& state, const char* mode) {
  double later = 0, ratio = 0, idleTurn = 0;
  for (auto _ : state) {
    ProbeRun run;
    if (!RunProbe(mode, run)) {
      state.SkipWithError("first-next-probe failed");
      return;
    }
    state.SetIterationTime(run.first / 1000.0);
    later += run.later;
    ratio += run.first / run.later;
    idleTurn = std::max(idleTurn, run.idleTurn);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["later_ms"] = later / n;
  state.counters["ratio"] = ratio / n;
  state.counters["idle_turn_ms"] = idleTurn;
}

BENCHMARK_CAPTURE(BM_FirstNextAgainstLaterNext, user, "user")->UseManualTime()->MinTime(0.03)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstNextAgainstLaterNext, early, "early")->UseManualTime()->MinTime(0.03)->Unit(benchmark::kMillisecond);

}  // namespace
