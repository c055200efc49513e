#!/usr/bin/env bash
# Times radixel-cli --batch on LINES mixed lines (default 1,000,000: every
# mode, inputs of 1 to 19 characters, some illegal; bench/batch_input.awk)
# against a plain Python loop doing the same conversions, in interleaved
# rounds, and checks that the output is the same bytes as before:
#   bench/cli_batch.sh [path/to/radixel-cli] [LINES]
# The output is compared with the checksum in bench/cli_batch.sha256 (made
# for 1,000,000 lines), or, when REFERENCE_CLI names another radixel-cli,
# with that program's output for the same lines. Times are printed, never
# failed on; a differing output fails.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/release/bin/radixel-cli}
lines=${2:-1000000}
rounds=3
[[ -x $cli ]] || { echo "cli_batch: no program at $cli (build the release preset first)" >&2; exit 2; }
[[ -x /usr/bin/time ]] || { echo "cli_batch: needs GNU time (tools/install-deps.sh bench)" >&2; exit 2; }
command -v python3 >/dev/null || { echo "cli_batch: needs python3 (tools/install-deps.sh bench)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$lines" -v cli="$cli" -f "$here/bench/batch_input.awk" > "$work/large"
awk -v n=1000 -v cli="$cli" -f "$here/bench/batch_input.awk" > "$work/small"

# Runs one program on one input; prints "cpu-seconds peak-KiB".
measure() {
  local input=$1 out=$2
  shift 2
  /usr/bin/time -f '%U %S %M' -o "$work/time" "$@" < "$input" > "$out"
  awk '{ printf "%.3f %d\n", $1 + $2, $3 }' "$work/time"
}

# --- The output is the same bytes as before ------------------------------------
"$cli" --batch < "$work/large" > "$work/out"
if [[ -n ${REFERENCE_CLI:-} ]]; then
  "$REFERENCE_CLI" --batch < "$work/large" > "$work/reference"
  cmp -s "$work/out" "$work/reference" ||
    { echo "cli_batch: output differs from $REFERENCE_CLI's" >&2; exit 1; }
  echo "output: $lines records, the same bytes as $REFERENCE_CLI"
elif [[ $lines -eq 1000000 ]]; then
  sum=$(sha256sum "$work/out" | cut -d' ' -f1)
  [[ $sum == "$(cat "$here/bench/cli_batch.sha256")" ]] ||
    { echo "cli_batch: output checksum $sum differs from bench/cli_batch.sha256" >&2; exit 1; }
  echo "output: $lines records, the same bytes as before (bench/cli_batch.sha256)"
else
  echo "output: not compared (the checksum is for 1000000 lines; set REFERENCE_CLI)"
fi

# --- Interleaved rounds --------------------------------------------------------
# The Python loop is timed with its output buffered, as a script's is.
best_cli= best_py= peak=0
for round in $(seq "$rounds"); do
  read -r cli_s cli_kib < <(measure "$work/large" "$work/out" "$cli" --batch)
  read -r py_s _ < <(measure "$work/large" "$work/py" \
    env -u PYTHONUNBUFFERED python3 "$here/bench/naive_batch.py")
  echo "round $round: radixel-cli ${cli_s} s CPU, peak ${cli_kib} KiB; Python loop ${py_s} s CPU"
  if [[ -z $best_cli ]] || awk -v a="$cli_s" -v b="$best_cli" 'BEGIN { exit !(a < b) }'; then best_cli=$cli_s; fi
  if [[ -z $best_py ]] || awk -v a="$py_s" -v b="$best_py" 'BEGIN { exit !(a < b) }'; then best_py=$py_s; fi
  (( cli_kib > peak )) && peak=$cli_kib
done
read -r _ small_kib < <(measure "$work/small" "$work/out" "$cli" --batch)

verdict() { if awk "BEGIN { exit !($1) }"; then echo met; else echo "NOT met"; fi; }
awk -v c="$best_cli" -v p="$best_py" -v n="$lines" 'BEGIN {
  printf "best of %d lines: radixel-cli %.3f s CPU (%.0f ns a line), Python loop %.3f s CPU\n", n, c, c * 1e9 / n, p
  printf "ratio: radixel-cli is %.1fx faster than the Python loop\n", (c > 0 ? p / c : 0)
}'
if [[ $lines -eq 1000000 ]]; then
  echo "target: under 0.3 s CPU for 1000000 lines: $(verdict "$best_cli < 0.3")"
  echo "target: at least 4x faster than the Python loop: $(verdict "$best_cli * 4 <= $best_py")"
fi
echo "memory: peak ${peak} KiB for $lines lines, ${small_kib} KiB for 1000 lines" \
  "(target: flat, within 1 MiB): $(verdict "$peak - $small_kib <= 1024")"
