#!/usr/bin/env bash
# Builds every fuzz target for libFuzzer with clang (the libraries instrumented too, with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for SECONDS (default 180) from its
# seeds. Prints per target the executions, the coverage reached and any crash, leak, time-out or
# running out of memory with its reproducer; a slow input (libFuzzer's "slow-unit", which a loaded
# machine makes of any input) is reported apart and is no failure.
#   FUZZ_JOBS=n   targets run at once (default 1)
#   FUZZ_RUNS=n   also stop a target after n executions
#   FUZZ_TARGETS="fuzz_a fuzz_b"   only these targets
# The corpus each run grows is kept in $BUILD_DIR/corpus/<target> and used by the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-180}
build=${BUILD_DIR:-build-fuzz}
jobs=${JOBS:-$(nproc)}
bash scripts/deps.sh $(cat scripts/packages.txt) clang libclang-rt-dev

targets=${FUZZ_TARGETS:-$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')}
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DCORVALE_SANITIZE=ON -DCORVALE_LIBFUZZER=ON -DCORVALE_BENCHMARKS=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" -j "$jobs" --target $targets

build=$(cd "$build" && pwd)
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$build/logs" "$build/crashes"

run_target() {
  local name=$1
  mkdir -p "$build/corpus/$name"
  nice "$build/fuzz/$name" -max_total_time="$seconds" ${FUZZ_RUNS:+-runs=$FUZZ_RUNS} -timeout=30 \
    -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" \
    "$build/corpus/$name" "$build/fuzz/seeds/$name" >"$build/logs/$name.log" 2>&1
}

running=0
for name in $targets; do
  run_target "$name" &
  running=$((running + 1))
  if [ "$running" -ge "${FUZZ_JOBS:-1}" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait || true

failed=0
printf '%-28s %12s %8s %8s  %s\n' target executions cov ft result
for name in $targets; do
  log="$build/logs/$name.log"
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  stats=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)
  cov=$(echo "$stats" | awk '{print $2}')
  ft=$(echo "$stats" | awk '{print $4}')
  units=$(sed -n 's/.*Test unit written to //p' "$log")
  crash=$(printf '%s\n' "$units" | grep -v -- '-slow-unit-[0-9a-f]*$' | tail -1 || true)
  slow=$(printf '%s\n' "$units" | grep -- '-slow-unit-[0-9a-f]*$' | tail -1 || true)
  if [ -n "$crash" ] || ! grep -q '^Done [0-9]* runs' "$log"; then
    failed=1
    printf '%-28s %12s %8s %8s  %s\n' "$name" "${execs:--}" "${cov:--}" "${ft:--}" "FAILED, see $log"
    [ -n "$crash" ] && echo "    reproduce: $build/fuzz/$name $crash"
  else
    printf '%-28s %12s %8s %8s  %s\n' "$name" "$execs" "$cov" "$ft" ok
  fi
  if [ -n "$slow" ]; then
    took=$(sed -n 's/^Slowest unit: \([0-9]*\) s:.*/\1/p' "$log" | tail -1)
    echo "    slow input (${took:-?} s here; time it alone): $build/fuzz/$name $slow"
  fi
done
exit $failed
