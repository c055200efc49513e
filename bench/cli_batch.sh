#!/usr/bin/env bash
# Times radixel-cli --batch on a file of LINES lines (default 1,000,000)
# spread over the six modes, and compares its peak memory with a run of
# 1,000 lines, which should be the same: memory stays flat over a batch.
#   bench/cli_batch.sh [path/to/radixel-cli] [LINES]
# Build it first with the release preset:
#   cmake --preset release && cmake --build --preset release
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/release/bin/radixel-cli}
lines=${2:-1000000}
[[ -x $cli ]] || { echo "cli_batch: no program at $cli (build the release preset first)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Two rows per mode, one clean and one that draws a message; the file
# repeats them to the wanted length.
make_input() {
  local count=$1 out=$2
  awk -v n="$count" 'BEGIN {
    split("hex2dec\tff|hex2dec\t7fffffff|hex2bin\tff|hex2bin\t100|dec2hex\t255|dec2hex\t123456789|" \
          "dec2bin\t200|dec2bin\t12x|bin2hex\t1011|bin2hex\t11111111|bin2dec\t110|bin2dec\t1021", rows, "|")
    for (i = 0; i < n; i++) print rows[i % 12 + 1]
  }' > "$out"
}

# Runs the batch once; prints "seconds peak-KiB" (peak memory only where
# GNU time is installed, "-" otherwise).
measure() {
  local input=$1
  if [[ -x /usr/bin/time ]]; then
    /usr/bin/time -f '%e %M' -o "$work/time" "$cli" --batch < "$input" > "$work/out"
    cat "$work/time"
  else
    local start end
    start=$(date +%s.%N)
    "$cli" --batch < "$input" > "$work/out"
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f -\n", b - a }'
  fi
}

make_input 1000 "$work/small"
make_input "$lines" "$work/large"

read -r small_s small_kib < <(measure "$work/small")
best_s=
for run in 1 2 3; do
  read -r large_s large_kib < <(measure "$work/large")
  [[ $(wc -l < "$work/out") -eq $lines ]] || { echo "cli_batch: missing records" >&2; exit 1; }
  if [[ -z $best_s ]] || awk -v a="$large_s" -v b="$best_s" 'BEGIN { exit !(a < b) }'; then
    best_s=$large_s
  fi
  echo "run $run: $lines lines in ${large_s} s, peak ${large_kib} KiB"
done
echo "1000 lines: peak ${small_kib} KiB"
echo "best: $lines lines in ${best_s} s"
