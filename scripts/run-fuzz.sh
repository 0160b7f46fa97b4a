#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer in a build folder of their own and runs each
# for a bounded time (FUZZ_SECONDS in all, default 60, shared among the targets) on a working copy of its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
jobs=${JOBS:-$(nproc)}
targets=(line_buffer master_mission)
# The time budget is shared: each target runs for its part of it.
per_target=$(( seconds / ${#targets[@]} > 0 ? seconds / ${#targets[@]} : 1 ))

CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREK_FUZZ=ON \
  -DTAVREK_TESTS=OFF
for target in "${targets[@]}"; do
  cmake --build build-fuzz -j"$jobs" --target "${target}_fuzz"
done

for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  # New inputs go to the working copy; the seeds in the source tree stay as written.
  build-fuzz/fuzz/"${target}_fuzz" -max_total_time="$per_target" -print_final_stats=1 \
    "$corpus" "fuzz/corpus/$target"
done
