#!/usr/bin/env bash
# Warm start-up time of radixel.exe under Wine: from launching the program
# until its window is mapped on the X server (a private Xvfb), over several
# runs after one warm-up run; prints each run and the median. For scale it
# also times a 32-bit program that does nothing (start to exit) under the
# same Wine, the floor of any program there.
#   systems/win32/tools/win32-startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
build="$(realpath "${1:-$root/build/win32}")"
runs="${2:-5}"
exe="$build/bin/radixel.exe"
[[ -f $exe ]] || { echo "win32-startup: $exe not built" >&2; exit 2; }
prefix="$build/wine-prefix-own-windows"
runner=("$root/systems/win32/tools/win32-wine.sh" --prefix "$prefix" --own-windows)

source "$root/tools/private-xvfb.sh"
start_private_xvfb 1024x768x24
# Whatever ends the script ends the Wine server of the prefix and the X
# server it started.
trap '"$root/systems/win32/tools/win32-wine.sh" --prefix "$prefix" --stop >/dev/null 2>&1 || true
      kill "$XVFB_PID" 2>/dev/null || true' EXIT
trap 'exit 130' INT TERM

now_ms() { date +%s%3N; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2)}'; }

# The floor: a 32-bit program that only shows an empty window, timed the
# same way (launch to window mapped).
floor_exe="$build/startup-floor.exe"
if [[ ! -f $floor_exe ]]; then
  cat <<'C' | i686-w64-mingw32-gcc-win32 -x c -O2 -s -mwindows -o "$floor_exe" -
#include <windows.h>
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR line, int show) {
  (void)previous; (void)line; (void)show;
  CreateWindowExA(0, "STATIC", "Floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                  CW_USEDEFAULT, 300, 200, NULL, NULL, instance, NULL);
  MSG msg;
  while (GetMessageA(&msg, NULL, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
C
fi

# Launch to window mapped, in milliseconds; then the program is ended. A
# window that has not shown itself within a minute ends the script.
one_start() {
  local exe=$1 name=$2 start pid window="" wine_pids
  start=$(now_ms)
  "${runner[@]}" "$exe" >/dev/null 2>&1 &
  pid=$!
  while [[ -z $window ]]; do
    if (( $(now_ms) - start > 60000 )); then
      echo "win32-startup: no window \"$name\" within a minute of starting $(basename "$exe")" >&2
      kill "$pid" 2>/dev/null || true
      exit 1
    fi
    window=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -n1 || true)
  done
  echo $(($(now_ms) - start))
  xdotool key --window "$window" Escape 2>/dev/null || true
  sleep 1
  wine_pids=$(pgrep -f "$(basename "$exe")" || true)
  [[ -n $wine_pids ]] && kill $wine_pids 2>/dev/null || true
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# (Each start runs in a subshell; a failed one ends the script from here.)
series() {
  local exe=$1 name=$2 times=() time
  one_start "$exe" "$name" >/dev/null || exit 1  # warm-up: the prefix, the server, the file cache
  for _ in $(seq "$runs"); do
    time=$(one_start "$exe" "$name") || exit 1
    times+=("$time")
  done
  echo "${times[*]}; median $(printf '%s\n' "${times[@]}" | median)"
}

program=$(series "$exe" Radixel) || exit 1
echo "radixel.exe, launch to window mapped (ms): $program"
floor=$(series "$floor_exe" Floor) || exit 1
echo "empty window program, launch to window mapped (ms): $floor"
