#!/usr/bin/env bash
# Screenshots of the real Windows program under Wine, in Wine's own virtual
# desktop on a private Xvfb (so that Wine draws the caption, frame and
# menus itself, as Windows does):
#   systems/win32/tools/win32-screenshot.sh [BUILD_DIR] [OUT_DIR]
#   systems/win32/tools/win32-screenshot.sh --installed [BUILD_DIR] [OUT_DIR]
#   systems/win32/tools/win32-screenshot.sh --installer [BUILD_DIR] [OUT_DIR]
#   systems/win32/tools/win32-screenshot.sh --dpi 192 [BUILD_DIR] [OUT_DIR]
# BUILD_DIR defaults to build/win32, OUT_DIR to docs/screenshots. The first
# form shows the build's radixel.exe and writes win32-main.png (after
# converting "ff" with Hex to Dec) and win32-help.png (the Help box). With
# --installed it installs the download (make win32-dist) with setup.exe /S,
# starts the program the installer put in Program Files, converts "ff" and
# writes win32-installed.png. With --installer it goes through the
# installer's pages with Enter, as a person accepting each page would, and
# writes win32-setup-1-welcome.png to win32-setup-6-finish.png, then
# win32-setup-run.png (the program the finish page started), then the
# uninstaller's pages, win32-uninstall-1-welcome.png to
# win32-uninstall-4-finish.png; each page must differ from the one before.
# With --dpi N the first form runs in a prefix whose screen has N DPI and
# writes win32-main-Ndpi.png and win32-help-Ndpi.png.
#
# Each step waits for its window by title; the script fails when a window
# does not appear or a picture does not show it (the window's part of the
# picture is of a few colours only). Runs in a Wine prefix of its own, made
# afresh, and ends the Wine processes and the X server it started.
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
installed=0 installer=0 dpi=96
if [[ ${1:-} == --dpi ]]; then dpi=$2; shift 2; fi
if [[ ${1:-} == --installed ]]; then installed=1; shift; fi
if [[ ${1:-} == --installer ]]; then installer=1; shift; fi
build="$(realpath "${1:-$root/build/win32}")"
out="$(realpath -m "${2:-$root/docs/screenshots}")"
fail() { echo "win32-screenshot: $*" >&2; exit 1; }
for tool in Xvfb xdotool xwininfo import convert; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/install-deps.sh win32)"
done
mkdir -p "$out"

prefix="$build/wine-prefix-screenshot-$dpi"
rm -rf "$prefix"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
[[ $dpi == 96 ]] || export RADIXEL_WINE_DPI=$dpi
suffix=''
[[ $dpi == 96 ]] || suffix="-${dpi}dpi"
# A place in the dialog at 96 DPI, at the prefix's DPI.
at() { echo $(($1 * dpi / 96)) $(($2 * dpi / 96)); }
wine_run() { "$root/systems/win32/tools/win32-wine.sh" --prefix "$prefix" "$@"; }
source "$root/tools/private-xvfb.sh"
# Every window shows in the Wine prefix's own desktop, of 1024 x 768.
start_private_xvfb 1024x768x24
trap 'wine_run --stop; kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$prefix"' EXIT
wine_run cmd /c ver >/dev/null  # the prefix is made first, outside the windows' deadlines

# The id of the visible window titled exactly TITLE, once it is there.
wait_window() {
  local id
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.5
  done
  xwininfo -root -tree | grep -o '"[^"]*"' | sort -u | tr '\n' ' ' >&2
  fail "no window titled '$1' appeared (the windows above were there)"
}

# Sets X, Y, WIDTH and HEIGHT to WINDOW's place on the screen. (xdotool
# counts the desktop's offset twice for the windows inside Wine's desktop.)
geometry() {
  read -r X Y WIDTH HEIGHT < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF }
    /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $NF } /Height:/ { h = $NF }
    END { print x, y, w, h }')
}

# shoot WINDOW FILE [window]: the whole virtual desktop (or with "window"
# the window alone), after checking that the window's part of it is a drawn
# window and not one flat colour.
shoot() {
  local X Y WIDTH HEIGHT colours
  geometry "$1"
  import -window "$desktop" "$out/$2"
  colours=$(convert "$out/$2" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -format '%k' info:)
  ((colours >= 16)) || fail "$2 does not show the window (${colours} colours where it should be)"
  if [[ ${3:-} == window ]]; then convert "$out/$2" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2"; fi
  echo "win32-screenshot: wrote $out/$2 (the window at ${X},${Y}, ${WIDTH}x${HEIGHT}: $colours colours)"
}

# pages WINDOW_TITLE NAME...: shoots the window's pages one after another,
# pressing Enter (the page's default button) after each. A click on the
# caption first makes the window the active one.
pages() {
  local title=$1 window previous="" name now X Y WIDTH HEIGHT
  shift
  window=$(wait_window "$title")
  geometry "$window"
  xdotool mousemove $((X + 150)) $((Y + 10)) click 1
  for name in "$@"; do
    sleep 2  # the page's first paint
    [[ $name == *progress ]] && sleep 8  # the progress page: its end
    shoot "$window" "$name.png" window
    now=$(convert "$out/$name.png" -format '%#' info:)
    [[ $now != "$previous" ]] || fail "$name.png shows the same page as the one before"
    previous=$now
    xdotool key Return
  done
}

if [[ $installer == 1 ]]; then
  setups=("$build"/dist/radixel-*-setup.exe)
  [[ -f ${setups[0]} ]] || fail "no installer in $build/dist (make win32-dist)"
  version=$(basename "${setups[0]}" -setup.exe)
  version=${version#radixel-}
  # Started as a person starts it, not through "explorer /desktop", which
  # cannot start a program that asks for elevation.
  wine_run "${setups[0]}" </dev/null >/dev/null 2>&1 &
  desktop=$(wait_window 'Default - Wine desktop')
  pages "Radixel $version Setup" win32-setup-1-welcome win32-setup-2-licence win32-setup-3-users \
    win32-setup-4-folder win32-setup-5-progress win32-setup-6-finish
  # The finish page's "Run Radixel" was checked: Enter started the program.
  main=$(wait_window 'Radixel')
  sleep 1
  shoot "$main" win32-setup-run.png window
  xdotool key Escape
  instdir=$(find "$prefix/drive_c" -maxdepth 3 -type d -path '*/Program Files*/Radixel' | head -n1)
  [[ -n $instdir ]] || fail "the installer made no Radixel folder under Program Files"
  wine_run "$instdir/uninstall.exe" </dev/null >/dev/null 2>&1 &
  pages "Radixel $version Uninstall" win32-uninstall-1-welcome win32-uninstall-2-confirm \
    win32-uninstall-3-progress win32-uninstall-4-finish
  for _ in $(seq 40); do [[ -e $instdir ]] || break; sleep 0.5; done
  [[ ! -e $instdir ]] || fail "the uninstaller left $instdir"
  exit 0
fi

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
wine_run "$program" </dev/null >/dev/null 2>&1 &
wine_pid=$!

desktop=$(wait_window 'Default - Wine desktop')
main=$(wait_window 'Radixel')
sleep 1  # the dialog's first paint

# A person's clicks and keys, at places in the dialog: click into the input
# box, type, press Enter (the dialog manager's OK).
xdotool mousemove --window "$main" $(at 68 93) click 1
xdotool type --delay 100 ff
xdotool key Return
sleep 1
if [[ $installed == 1 ]]; then
  shoot "$main" win32-installed.png window
else
  shoot "$main" "win32-main$suffix.png" window
  # "Help!" on the menu bar.
  xdotool mousemove --window "$main" $(at 112 33) click 1
  help=$(wait_window 'Help!')
  sleep 1
  shoot "$help" "win32-help$suffix.png" window
  xdotool key Return
fi
xdotool windowactivate "$main" 2>/dev/null || true
xdotool mousemove --window "$main" $(at 68 93) click 1 key Escape
for _ in $(seq 40); do kill -0 "$wine_pid" 2>/dev/null || break; sleep 0.5; done
