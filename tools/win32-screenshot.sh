#!/usr/bin/env bash
# Screenshots of the real Windows program under Wine, in Wine's own virtual
# desktop on a private Xvfb (so that Wine draws the caption, frame and
# menus itself, as Windows does):
#   tools/win32-screenshot.sh [BUILD_DIR] [OUT_DIR]
#   tools/win32-screenshot.sh --installed [BUILD_DIR] [OUT_DIR]
# BUILD_DIR defaults to build/win32, OUT_DIR to docs/screenshots. The first
# form shows the build's radixel.exe and writes win32-main.png (after
# converting "ff" with Hex to Dec) and win32-help.png (the Help box). With
# --installed it installs the download (make win32-dist) with setup.exe /S,
# starts the program the installer put in Program Files, converts "ff" and
# writes win32-installed.png.
#
# Each step waits for its window by title; the script fails when a window
# does not appear or a picture does not show it (the window's part of the
# picture is of a few colours only). Runs in a Wine prefix of its own, made
# afresh, and ends the Wine processes and the X server it started.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
installed=0
if [[ ${1:-} == --installed ]]; then installed=1; shift; fi
build="$(realpath "${1:-$root/build/win32}")"
out="$(realpath -m "${2:-$root/docs/screenshots}")"
fail() { echo "win32-screenshot: $*" >&2; exit 1; }
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/install-deps.sh win32)"
done
mkdir -p "$out"

prefix="$build/wine-prefix-screenshot"
rm -rf "$prefix"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wine_run() { "$root/tools/win32-wine.sh" --prefix "$prefix" "$@"; }
source "$root/tools/private-xvfb.sh"
start_private_xvfb 800x600x24
trap 'wine_run --stop; kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$prefix"' EXIT

# The id of the visible window titled exactly TITLE, once it is there.
wait_window() {
  local id
  for _ in $(seq 120); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.5
  done
  fail "no window titled '$1' appeared"
}

# shoot WINDOW FILE: the whole virtual desktop, after checking that the
# window's part of it is a drawn window and not one flat colour.
shoot() {
  local X Y WIDTH HEIGHT colours
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window "$desktop" "$out/$2"
  colours=$(convert "$out/$2" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -format '%k' info:)
  ((colours >= 16)) || fail "$2 does not show the window (${colours} colours where it should be)"
  echo "win32-screenshot: wrote $out/$2 (the window at ${X},${Y}, ${WIDTH}x${HEIGHT}: $colours colours)"
}

program=radixel.exe
cd "$build/bin"
if [[ $installed == 1 ]]; then
  setups=("$build"/dist/radixel-*-setup.exe)
  [[ -f ${setups[0]} ]] || fail "no installer in $build/dist (make win32-dist)"
  wine_run "${setups[0]}" /S
  instdir=$(find "$prefix/drive_c" -maxdepth 3 -type d -path '*/Program Files*/Radixel' | head -n1)
  [[ -n $instdir ]] || fail "the installer made no Radixel folder under Program Files"
  program='C:\'"${instdir#"$prefix/drive_c/"}"'\radixel.exe'
  program=${program//\//\\}
else
  [[ -f $program ]] || fail "$build/bin/radixel.exe is not built"
fi
wine_run explorer /desktop=Radixel,520x400 "$program" </dev/null >/dev/null 2>&1 &
wine_pid=$!

desktop=$(wait_window 'Radixel - Wine desktop')
main=$(wait_window 'Radixel')
sleep 1  # the dialog's first paint

# A person's clicks and keys, at places in the dialog: click into the input
# box, type, press Enter (the dialog manager's OK).
xdotool mousemove --window "$main" 68 93 click 1
xdotool type --delay 100 ff
xdotool key Return
sleep 1
if [[ $installed == 1 ]]; then
  shoot "$main" win32-installed.png
else
  shoot "$main" win32-main.png
  # "Help!" on the menu bar.
  xdotool mousemove --window "$main" 112 33 click 1
  help=$(wait_window 'Help!')
  sleep 1
  shoot "$help" win32-help.png
  xdotool key Return
fi
xdotool windowactivate "$main" 2>/dev/null || true
xdotool mousemove --window "$main" 68 93 click 1 key Escape
for _ in $(seq 40); do kill -0 "$wine_pid" 2>/dev/null || break; sleep 0.5; done
