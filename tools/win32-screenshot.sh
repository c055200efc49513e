#!/usr/bin/env bash
# Screenshots of the real Windows program under Wine, in Wine's own virtual
# desktop on a private Xvfb (so that Wine draws the caption, frame and
# menus itself, as Windows does):
#   tools/win32-screenshot.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR defaults to build/win32 (cmake --preset win32 && cmake --build
# --preset win32), OUT_DIR to docs/screenshots. Writes win32-main.png (after
# converting "ff" with Hex to Dec) and win32-help.png (the Help box).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build/win32}")"
out="${2:-$root/docs/screenshots}"
exe="$build/bin/radixel.exe"
[[ -f $exe ]] || { echo "win32-screenshot: $exe not built" >&2; exit 2; }
mkdir -p "$out"

source "$root/tools/private-xvfb.sh"
start_private_xvfb 800x600x24
trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT

cd "$build/bin"
"$root/tools/win32-wine.sh" --prefix "$build/wine-prefix" \
  explorer /desktop=Radixel,520x400 radixel.exe </dev/null >/dev/null 2>&1 &
wine_pid=$!

# The virtual desktop is an X window of its own; the dialog is drawn inside it.
desktop=""
for _ in $(seq 600); do
  desktop=$(xdotool search --onlyvisible --name '^Radixel - Wine desktop$' 2>/dev/null | head -n1 || true)
  [[ -n $desktop ]] && break
  sleep 0.5
done
[[ -n $desktop ]] || { echo "win32-screenshot: the window did not appear" >&2; exit 1; }
sleep 3  # the dialog's first paint

# A person's clicks and keys: click into the input box, type, press Enter
# (the dialog manager's OK); then "Help!" on the menu bar. Positions are
# those of the dialog as the virtual desktop centres it.
click() { xdotool mousemove --window "$desktop" "$1" "$2" click 1; sleep 1; }
click 130 155
xdotool type --delay 300 ff
xdotool key Return
sleep 3
import -window "$desktop" "$out/win32-main.png"

click 180 95
sleep 5
import -window "$desktop" "$out/win32-help.png"
xdotool key Return
sleep 2
xdotool key Escape
sleep 3
kill "$wine_pid" 2>/dev/null || true
echo "win32-screenshot: wrote $out/win32-main.png and $out/win32-help.png"
