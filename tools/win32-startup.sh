#!/usr/bin/env bash
# Warm start-up time of radixel.exe under Wine: from launching the program
# until its window is mapped on the X server (a private Xvfb), over several
# runs after one warm-up run; prints each run and the median. For scale it
# also times a 32-bit program that does nothing (start to exit) under the
# same Wine, the floor of any program there.
#   tools/win32-startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/win32}"
runs="${2:-5}"
exe="$build/bin/radixel.exe"
[[ -f $exe ]] || { echo "win32-startup: $exe not built" >&2; exit 2; }
runner=("$root/tools/win32-wine.sh" --prefix "$build/wine-prefix")

number=97
while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$number ]] && break; sleep 0.05; done
export DISPLAY=":$number"

now_ms() { date +%s%3N; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2)}'; }

# The floor: a 32-bit program that returns at once.
floor_exe="$build/startup-floor.exe"
if [[ ! -f $floor_exe ]]; then
  printf 'int main(void) { return 0; }\n' | i686-w64-mingw32-gcc-win32 -x c -O2 -s -o "$floor_exe" -
fi
"${runner[@]}" "$floor_exe" >/dev/null  # warm-up: the prefix, the server, the file cache

one_start() {
  local start pid window=""
  start=$(now_ms)
  "${runner[@]}" "$exe" >/dev/null 2>&1 &
  pid=$!
  while [[ -z $window ]]; do
    window=$(xdotool search --onlyvisible --name '^Radixel$' 2>/dev/null | head -n1 || true)
  done
  echo $(($(now_ms) - start))
  # Ends the program the way Esc does.
  xdotool key --window "$window" Escape 2>/dev/null || true
  sleep 2
  pkill -P "$pid" 2>/dev/null || true
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

one_start >/dev/null  # warm-up run
times=()
for _ in $(seq "$runs"); do times+=("$(one_start)"); done
floors=()
for _ in $(seq "$runs"); do
  start=$(now_ms)
  "${runner[@]}" "$floor_exe" >/dev/null
  floors+=("$(($(now_ms) - start))")
done
echo "radixel.exe to window mapped (ms): ${times[*]}; median $(printf '%s\n' "${times[@]}" | median)"
echo "empty 32-bit program, start to exit (ms): ${floors[*]}; median $(printf '%s\n' "${floors[@]}" | median)"
