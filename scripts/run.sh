#!/usr/bin/env bash
# Builds the demo (the program with a simulated headset attached) and starts it. Installs the Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh $(cat scripts/packages.txt)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCORVALE_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)" --target corvale-manager-demo
exec ./build/corvale-manager-demo "$@"
