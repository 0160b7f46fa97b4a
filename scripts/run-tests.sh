#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test once under AddressSanitizer and
# UndefinedBehaviorSanitizer (the benchmarks are built too, so they keep compiling), then the
# fuzz targets for their shared time budget.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTAVREK_SANITIZE=ON -DTAVREK_BENCHMARKS=ON
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
scripts/run-fuzz.sh
