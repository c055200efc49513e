#!/usr/bin/env bash
# Start-up benchmark of the desktop program: starts the real program and the
# floor (a bare Qt dialog with the same controls) alternately on a private
# Xvfb display, RUNS times each, and prints each one's median time from exec
# until its window is mapped and median peak resident memory once it has
# painted, with the ratios to the floor's.
#
#   systems/qt/bench/startup/run_startup.sh [BUILD_DIR] [RUNS]     (default: build/release 10)
#
# The budgets are ratios to the floor measured in the same run: start-up at
# most 1.1 x the floor's, peak memory at most 1.15 x. Absolute times depend
# on the machine's load and are printed only; the script never fails on them.
set -euo pipefail
build=${1:-build/release}
runs=${2:-10}
bin=$build/bin
for program in radixel radixel_startup_floor radixel_startup_probe; do
  [[ -x $bin/$program ]] || { echo "run_startup: $bin/$program is missing (build the release preset)" >&2; exit 2; }
done

# A private display, so that nothing else draws or maps windows meanwhile.
source "$(dirname "$0")/../../../../tools/private-xvfb.sh"
start_private_xvfb 1280x1024x24 || exit 2
trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
# Qt looks for a desktop session's accessibility bus and theme otherwise.
unset DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

probe() { "$bin/radixel_startup_probe" "$bin/$1"; }
# One unmeasured start each fills the file cache.
probe radixel > /dev/null
probe radixel_startup_floor > /dev/null

results=$(mktemp)
for ((i = 0; i < runs; i++)); do
  echo "radixel $(probe radixel)" >> "$results"
  echo "floor $(probe radixel_startup_floor)" >> "$results"
done

median() {  # median of column $2 (map_ms or vmhwm_kb) for program $1
  grep "^$1 " "$results" | sed -E "s/.*$2=([0-9.]+).*/\1/" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
map_app=$(median radixel map_ms);  map_floor=$(median floor map_ms)
mem_app=$(median radixel vmhwm_kb); mem_floor=$(median floor vmhwm_kb)
cpu_app=$(median radixel cpu_ms);  cpu_floor=$(median floor cpu_ms)
rm -f "$results"

awk -v ma="$map_app" -v mf="$map_floor" -v ra="$mem_app" -v rf="$mem_floor" \
    -v ca="$cpu_app" -v cf="$cpu_floor" -v n="$runs" 'BEGIN {
  printf "start-up to the mapped window, median of %d runs each (Xvfb)\n", n
  printf "  %-8s %9s %14s %12s\n", "", "time", "peak memory", "CPU time"
  printf "  %-8s %6.1f ms %11d kB %9.1f ms\n", "radixel", ma, ra, ca
  printf "  %-8s %6.1f ms %11d kB %9.1f ms\n", "floor", mf, rf, cf
  printf "  %-8s %7.2f x %13.2f x %10.2f x\n", "ratio", ma / mf, ra / rf, ca / cf
  printf "budget: start-up at most 1.1 x the floor: %s\n", (ma <= 1.1 * mf) ? "met" : "NOT met"
  printf "budget: peak memory at most 1.15 x the floor: %s\n", (ra <= 1.15 * rf) ? "met" : "NOT met"
}'
