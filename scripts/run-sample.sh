#!/usr/bin/env bash
# Installs what is needed, builds the program and runs its main job on the shipped sample in a
# fresh working program folder (build/sample-run/program), then prints the run log.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target tavrek

run_dir=build/sample-run
program_dir=$run_dir/program
rm -rf "$run_dir"
mkdir -p "$program_dir"
cp build/program/tavrek "$program_dir/"
cp -R data "$program_dir/data"

# ---- The sample campaign -------------------------------------------------------------------
# scripts/prepare-sample.sh <dir> lays out the sample game and campaign folders in <dir> and
# points the program's settings at them; without it the program starts with no campaign.
if [[ -f scripts/prepare-sample.sh ]]; then
  bash scripts/prepare-sample.sh "$run_dir"
fi
# ---------------------------------------------------------------------------------------------

# An interactive start on the terminal front end, ended at once; what it showed is kept.
status=0
(cd "$program_dir" && echo quit | ./tavrek >../terminal.txt 2>&1) || status=$?
echo "Program ended with status $status; its terminal output is in $run_dir/terminal.txt."
echo "Run log ($program_dir/tavrekerror.txt):"
cat "$program_dir/tavrekerror.txt"
exit "$status"
