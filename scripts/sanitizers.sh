#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-san and runs the whole test suite there: any report fails its test.
# CXX=clang++ builds with clang (default: the system's c++); JOBS sets the
# parallel jobs (default: all cores). Leaks of fontconfig's own caches are
# suppressed (scripts/sanitizers.supp). Takes several times the normal run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-san}
jobs=${JOBS:-$(nproc)}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# The test programs run at build time too, to list their tests.
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/sanitizers.supp:print_suppressions=0
cmake -S . -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build" -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 1800 "$@"
