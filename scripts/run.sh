#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" -j "$(nproc)" --target tramok
exec "$build/tramok" "$@"
