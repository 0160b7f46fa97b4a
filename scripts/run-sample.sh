#!/usr/bin/env bash
# Installs what is needed, builds the program and runs its main job on the shipped sample,
# then prints the run log.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREK_TESTS=OFF
cmake --build build -j"$(nproc)" --target tavrek
program=build/program
echo quit | "$program/tavrek" || true
cat "$program/tavrekerror.txt"
