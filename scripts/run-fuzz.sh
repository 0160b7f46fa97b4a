#!/usr/bin/env bash
# Builds the fuzz targets (every fuzz/<name>_fuzz.cpp) with clang's libFuzzer in a build folder
# of their own and runs them one after the other on working copies of their seed corpora,
# sharing one bounded time budget (FUZZ_SECONDS, default 60) in equal parts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
jobs=${JOBS:-$(nproc)}
targets=()
for source in fuzz/*_fuzz.cpp; do
  name=$(basename "$source" .cpp)
  targets+=("${name%_fuzz}")
done
share=$((seconds / ${#targets[@]}))
if [ "$share" -lt 1 ]; then share=1; fi

# Light optimisation: the build is most of this step's time, and the targets run for seconds.
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREK_FUZZ=ON \
  -DTAVREK_TESTS=OFF -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only"
for target in "${targets[@]}"; do
  cmake --build build-fuzz -j"$jobs" --target "${target}_fuzz"
done

for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  # New inputs go to the working copy; the seeds in the source tree stay as written.
  build-fuzz/fuzz/"${target}_fuzz" -max_total_time="$share" -print_final_stats=1 \
    "$corpus" "fuzz/corpus/$target"
done
