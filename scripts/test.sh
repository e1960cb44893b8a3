#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors,
# and runs every test; then builds the test programs that run threads with ThreadSanitizer and
# runs them again. Installs the Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh $(cat scripts/packages.txt)
build=${BUILD_DIR:-build-test}
jobs=${JOBS:-$(nproc)}
export QT_QPA_PLATFORM=offscreen

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCORVALE_WERROR=ON -DCORVALE_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
cmake --build "$build" -j "$jobs"
(
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  cd "$build"
  ctest --output-on-failure -j "$jobs"
)

tsan="$build-tsan"
cmake -S . -B "$tsan" -DCMAKE_BUILD_TYPE=Debug -DCORVALE_WERROR=ON -DCORVALE_TSAN=ON \
  -DCORVALE_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
cmake --build "$tsan" -j "$jobs"
(
  # Qt and the system libraries it calls (glib, fontconfig, freetype) are not instrumented: their
  # own locks are invisible, so what their calls into the runtime seem to race is noise. Ignoring
  # only calls made from uninstrumented code keeps every access our code makes checked, including
  # those made inside the toolkit's event loop.
  export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1"
  cd "$tsan"
  ctest --output-on-failure -j "$jobs"
)
