#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors,
# and runs every test. Installs the Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh $(cat scripts/packages.txt)
build=${BUILD_DIR:-build-test}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCORVALE_WERROR=ON -DCORVALE_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
jobs=${JOBS:-$(nproc)}
cmake --build "$build" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest --output-on-failure -j "$jobs"
