#!/usr/bin/env bash
# Installs what is needed, builds the program and runs its main job, Generate Mission, on a
# fresh copy of the shipped sample (build/sample-run/program). Then prints where the mission was
# written, its [MAIN] section and the last lines of the run log.
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
# writes the program's settings there (<dir> is the program folder), pointing at them.
bash scripts/prepare-sample.sh "$program_dir"
# ---------------------------------------------------------------------------------------------

# A hidden start with an argument the program does not know generates the next mission and
# ends, as a start by the game does; it never waits for an answer.
status=0
(cd "$program_dir" && ./tavrek generate >../output.txt 2>&1) || status=$?
run_log=$program_dir/tavrekerror.txt
echo "Program ended with status $status."

# The run log names the mission file as Windows writes paths; the sample's folders exist in
# the case given there.
mission=$(grep -a 'Mission installed: ' "$run_log" | tail -n 1 | sed 's/.*Mission installed: //' |
  tr -d '\r' | tr '\\' '/' || true)
if [[ -n "$mission" && -f "$mission" ]]; then
  echo "Mission written to: $mission"
  echo "Its [MAIN] section:"
  main_section=$(tr -d '\r' <"$mission" | awk '/^\[MAIN\]/ { shown = 1; print; next }
                                              /^\[/ { shown = 0 } shown')
  if [[ -n "$main_section" ]]; then
    echo "$main_section"
  else
    echo "  (none: the mission text is empty while the mission file builder is not built)"
  fi
else
  echo "No mission was written."
  if ((status == 0)); then status=1; fi
fi
echo "Last lines of the run log ($run_log):"
tail -n 25 "$run_log" | tr -d '\r'
exit "$status"
