#!/usr/bin/env bash
# Times radixel-cli --batch on LINES mixed lines (default 1,000,000: every
# mode, inputs of 1 to 19 characters, some illegal; bench/batch_input.awk)
# against its peers doing the same conversions, in interleaved rounds: perl
# with hex() and oct(), an idiomatic Python and a naive Python loop (both
# with int() and format(), run by /usr/bin/python3, Debian's python3,
# whatever the PATH holds), and a C++ floor with getline, strtoull and
# snprintf (bench/peers/). With valgrind present it counts radixel-cli's
# instructions a line on 100,000 of the lines. It checks that the output is
# the same bytes as before:
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
python=/usr/bin/python3
floor=$(dirname "$cli")/radixel_batch_floor
[[ -x $cli ]] || { echo "cli_batch: no program at $cli (build the release preset first)" >&2; exit 2; }
[[ -x $floor ]] || { echo "cli_batch: no floor program at $floor (build the release preset first)" >&2; exit 2; }
[[ -x /usr/bin/time ]] || { echo "cli_batch: needs GNU time (tools/install-deps.sh bench)" >&2; exit 2; }
[[ -x $python ]] || { echo "cli_batch: needs $python (tools/install-deps.sh bench)" >&2; exit 2; }
command -v perl >/dev/null || { echo "cli_batch: needs perl (tools/install-deps.sh bench)" >&2; exit 2; }
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
# Each peer's best CPU time, by name; the Python peers' output is buffered,
# as a script's is.
names=(radixel-cli perl "idiomatic Python" "naive Python loop" "C floor")
peer0=("$cli" --batch)
peer1=(perl "$here/bench/peers/perl_batch.pl")
peer2=(env -u PYTHONUNBUFFERED "$python" "$here/bench/peers/idiomatic_batch.py")
peer3=(env -u PYTHONUNBUFFERED "$python" "$here/bench/peers/naive_batch.py")
peer4=("$floor")
declare -A best
peak=0
for round in $(seq "$rounds"); do
  report="round $round:"
  for i in "${!names[@]}"; do
    declare -n peer=peer$i
    read -r seconds kib < <(measure "$work/large" "$work/peer" "${peer[@]}")
    name=${names[i]}
    report+=" $name ${seconds} s;"
    if [[ -z ${best[$name]:-} ]] || awk -v a="$seconds" -v b="${best[$name]}" 'BEGIN { exit !(a < b) }'; then
      best[$name]=$seconds
    fi
    if (( i == 0 && kib > peak )); then peak=$kib; fi
  done
  echo "${report%;}"
done
read -r _ small_kib < <(measure "$work/small" "$work/out" "$cli" --batch)

verdict() { if awk "BEGIN { exit !($1) }"; then echo met; else echo "NOT met"; fi; }
ours=${best[radixel-cli]}
echo "best CPU time (user + system) of $rounds rounds, $lines lines:"
for name in "${names[@]}"; do
  awk -v name="$name" -v s="${best[$name]}" -v c="$ours" -v n="$lines" 'BEGIN {
    printf "  %-18s %6.3f s (%4.0f ns a line)", name, s, s * 1e9 / n
    if (name != "radixel-cli") printf "; radixel-cli %.2fx faster", (c > 0 ? s / c : 0)
    printf "\n" }'
done
if [[ $lines -eq 1000000 ]]; then
  echo "budget: under 0.3 s CPU for 1000000 lines: $(verdict "$ours < 0.3")"
fi
echo "budget: at least 3x faster than perl: $(verdict "$ours * 3 <= ${best[perl]}")"
echo "budget: at least 4x faster than the naive Python loop: $(verdict "$ours * 4 <= ${best[naive Python loop]}")"
echo "memory: peak ${peak} KiB for $lines lines, ${small_kib} KiB for 1000 lines" \
  "(budget: flat, within 1 MiB): $(verdict "$peak - $small_kib <= 1024")"

# --- Instructions a line ---------------------------------------------------------
if command -v valgrind >/dev/null; then
  head -n 100000 "$work/large" > "$work/counted"
  counted=$(wc -l < "$work/counted")
  ir=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$cli" --batch \
         < "$work/counted" 2>&1 >/dev/null | awk '/Collected/ { print $NF }')
  awk -v ir="$ir" -v n="$counted" 'BEGIN {
    a = ir / n
    printf "instructions a line (callgrind, %d lines): %.0f; budget: at most 1,250: %s\n", n, a, (a <= 1250 ? "met" : "NOT met") }'
else
  echo "instructions a line: not counted (valgrind is missing; tools/install-deps.sh bench)"
fi
