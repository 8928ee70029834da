#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" -j "$(nproc)" --target tramok
# Without arguments the script opens an example project; a relative path is
# taken from the program's folder, where the build puts the examples.
if [ $# -eq 0 ]; then set -- "Esempi/Trave inflessa.slu"; fi
exec "$build/tramok" "$@"
