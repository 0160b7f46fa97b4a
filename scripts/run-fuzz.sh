#!/usr/bin/env bash
# Runs the fuzz targets (every fuzz/<name>_fuzz.cpp) one after the other on working copies of
# their seed corpora, sharing one bounded time budget (FUZZ_SECONDS, default 60) in equal parts.
# They are taken from BUILD_DIR (default build-fuzz), which is configured and built for them with
# clang's libFuzzer when it does not hold them yet.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
jobs=${JOBS:-$(nproc)}
build=${BUILD_DIR:-build-fuzz}
targets=()
for source in fuzz/*_fuzz.cpp; do
  name=$(basename "$source" .cpp)
  targets+=("${name%_fuzz}")
done
share=$((seconds / ${#targets[@]}))
if [ "$share" -lt 1 ]; then share=1; fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREK_FUZZ=ON \
    -DTAVREK_TESTS=OFF -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only"
fi
for target in "${targets[@]}"; do
  cmake --build "$build" -j"$jobs" --target "${target}_fuzz"
done

for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  # New inputs go to the working copy; the seeds in the source tree stay as written.
  "$build"/fuzz/"${target}_fuzz" -max_total_time="$share" -print_final_stats=1 \
    "$corpus" "fuzz/corpus/$target"
done
