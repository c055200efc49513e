#!/usr/bin/env bash
# Times one-shot radixel-cli (`radixel-cli hex2dec ff`, a fresh process per
# value, as a shell script calls it) against `/usr/bin/printf '%d.\n' 0xff`,
# the least a script could start for the same line. hyperfine runs the two
# in interleaved rounds, each round in the other order, so that both see
# the same load; the ratio is that of the medians over all runs. With
# valgrind present it also counts each one's instructions, which the load
# does not change. Times are printed, never failed on.
#   bench/cli_oneshot.sh [path/to/radixel-cli] [ROUNDS]
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/release/bin/radixel-cli}
rounds=${2:-10}
[[ -x $cli ]] || { echo "cli_oneshot: no program at $cli (build the release preset first)" >&2; exit 2; }
command -v hyperfine >/dev/null || { echo "cli_oneshot: needs hyperfine (tools/install-deps.sh bench)" >&2; exit 2; }
[[ $("$cli" hex2dec ff) == "255." ]] || { echo "cli_oneshot: $cli hex2dec ff does not print 255." >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ours="$cli hex2dec ff"
floor="/usr/bin/printf '%d.\n' 0xff"
for round in $(seq "$rounds"); do
  if (( round % 2 )); then order=("$ours" "$floor"); else order=("$floor" "$ours"); fi
  # hyperfine's warnings about outliers on a busy machine are kept back;
  # its errors are shown.
  hyperfine -N --style none --warmup 20 --runs 100 --export-json "$work/round$round.json" \
    "${order[@]}" >/dev/null 2>"$work/hyperfine.err" || { cat "$work/hyperfine.err" >&2; exit 1; }
done

/usr/bin/python3 - "$work" "$ours" "$floor" <<'EOF'
import glob, json, statistics, sys
work, ours, floor = sys.argv[1:]
times = {ours: [], floor: []}
for path in glob.glob(work + "/round*.json"):
    for result in json.load(open(path))["results"]:
        times[result["command"]].extend(result["times"])
mine, base = statistics.median(times[ours]), statistics.median(times[floor])
print(f"one-shot, median wall time of {len(times[ours])} runs each (hyperfine -N, interleaved rounds):")
print(f"  radixel-cli hex2dec ff      {mine * 1e3:6.3f} ms")
print(f"  /usr/bin/printf '%d.\\n' 0xff {base * 1e3:6.3f} ms")
ratio = mine / base
print(f"  ratio {ratio:.2f}x; budget: at most 1.0x: {'met' if ratio <= 1.0 else 'NOT met'}")
EOF

if command -v valgrind >/dev/null; then
  count() { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
              awk '/Collected/ { print $NF }'; }
  echo "  instructions (callgrind): radixel-cli $(count "$cli" hex2dec ff)," \
       "printf $(count /usr/bin/printf '%d.\n' 0xff)"
fi
echo "  radixel-cli: $(stat -c %s "$cli") bytes"
