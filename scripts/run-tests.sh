#!/usr/bin/env bash
# Installs what is needed and builds everything once with clang, instrumented for
# AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer's coverage (light optimisation:
# the build is most of this step's time). Then runs every test, and the fuzz targets of the same
# build for their shared time budget (FUZZ_SECONDS). The benchmarks are built too, so they keep
# compiling.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
build=${BUILD_DIR:-build-ci}

CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
  -DTAVREK_FUZZ=ON -DTAVREK_TESTS=ON -DTAVREK_BENCHMARKS=ON
cmake --build "$build" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$build" --output-on-failure -j"$jobs"
BUILD_DIR=$build scripts/run-fuzz.sh
