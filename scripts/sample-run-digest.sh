#!/usr/bin/env bash
# Runs a built program on a fresh copy of the shipped sample with a fixed random seed and prints
# a digest of every file the runs leave behind (run-log time stamps blanked, since they are the
# only text that differs between two runs). Two builds that write the same bytes print the same
# digest, so a change meant to keep results exactly as they are is checked with
#
#   scripts/sample-run-digest.sh <old tavrek> >old.txt
#   scripts/sample-run-digest.sh <new tavrek> >new.txt
#   diff old.txt new.txt
#
# or in one go: scripts/sample-run-digest.sh --compare <old tavrek> <new tavrek>
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)

if [[ ${1:-} == --compare ]]; then
  if (($# != 3)); then
    echo "usage: $0 --compare <old program> <new program>" >&2
    exit 2
  fi
  old=$(mktemp)
  new=$(mktemp)
  trap 'rm -f "$old" "$new"' EXIT
  "$0" "$2" >"$old"
  "$0" "$3" >"$new"
  if diff -u "$old" "$new"; then
    echo "Same bytes: $(wc -l <"$new") files and outputs agree."
  else
    echo "The two programs wrote different bytes." >&2
    exit 1
  fi
  exit 0
fi

if (($# != 1)); then
  echo "usage: $0 <program> | --compare <old program> <new program>" >&2
  exit 2
fi
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$source_dir/scripts/prepare-sample.sh" "$work" >/dev/null
cp "$program" "$work/tavrek"

blank_stamps() { sed -E 's/^\[[0-9]{4}\/[0-9]{2}\/[0-9]{2} [0-9:.]+\]/[time]/'; }

# One interactive start that generates a mission and quits, then the hidden starts the game and
# the server tools make; each run's log is kept before the next one deletes it.
run() {
  local name=$1
  shift
  (cd "$work" && TAVREK_SEED=20261208 ./tavrek "$@" >"$work/out-$name.txt" 2>&1) || true
  blank_stamps <"$work/tavrekerror.txt" >"$work/log-$name.txt"
}
printf 'click MissionButton\nclick ColumnWaypointCheck\nquit\n' >"$work/input.txt"
(cd "$work" && TAVREK_SEED=20261208 ./tavrek <input.txt >"$work/out-interactive.txt" 2>&1) || true
blank_stamps <"$work/tavrekerror.txt" >"$work/log-interactive.txt"
run unrecognised xyz
run netupdate netupdate
run career us 3

cd "$work"
blank_stamps <tavrekerror.txt >tavrekerror.txt.blank && mv tavrekerror.txt.blank tavrekerror.txt
# The working folder's own name is in the settings and the logs; it differs every time.
grep -rlF --null "$work" . | xargs -0 -r sed -i "s|$work|<work>|g"
find . -type f ! -name tavrek ! -name input.txt -print0 | LC_ALL=C sort -z | xargs -0 sha256sum
