#!/usr/bin/env bash
# Counts the instructions of one OK press of each press the benchmark makes
# (bench/press_bench.cpp), with callgrind, which the machine's load does
# not change: the difference between 2,000 and 1,000 presses of it,
# divided by 1,000, so that starting the program and opening the window
# are left out.
#   bench/press_instructions.sh [path/to/radixel_bench]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bench=${1:-$here/build/release/bin/radixel_bench}
[[ -x $bench ]] || { echo "press_instructions: no program at $bench (build the release preset first)" >&2; exit 2; }
if ! command -v valgrind >/dev/null; then
  echo "instructions a press: not counted (valgrind is missing; tools/install-deps.sh bench)"
  exit 0
fi

# Prints the instructions of COUNT presses of press INDEX, then its name;
# status 3 when the benchmark has no such press.
count() {
  local log name status=0
  log=$(mktemp)
  name=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null --log-file="$log" \
           "$bench" --presses "$1" "$2") || status=$?
  if (( status == 0 )); then echo "$(awk '/Collected/ { print $NF }' "$log") $name"; fi
  if (( status != 0 && status != 3 )); then cat "$log" >&2; fi
  rm -f "$log"
  return "$status"
}

echo "One OK press, instructions (callgrind; budget: under 1,100):"
index=0
while first=$(count "$index" 1000) || { status=$?; (( status == 3 )) && break; exit "$status"; }; do
  second=$(count "$index" 2000)
  read -r few name <<<"$first"
  read -r many _ <<<"$second"
  awk -v a="$few" -v b="$many" -v name="$name" 'BEGIN {
    per = (b - a) / 1000
    printf "  %-30s %6.0f instructions: %s\n", name, per, (per < 1100 ? "met" : "NOT met") }'
  index=$((index + 1))
done
