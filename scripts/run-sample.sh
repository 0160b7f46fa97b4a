#!/usr/bin/env bash
# Installs what is needed, builds the program, prepares a working copy of the shipped sample in
# the program folder and runs the program's main job on it, then prints the run log.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREK_TESTS=OFF
cmake --build build -j"$(nproc)" --target tavrek
program=build/program
scripts/prepare-sample.sh "$program"
echo quit | "$program/tavrek" || true
cat "$program/tavrekerror.txt"
