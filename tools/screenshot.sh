#!/usr/bin/env bash
# Screenshots of the desktop program as a person sees it: starts the real
# window on a private Xvfb display under a small window manager, converts
# one number with the keyboard, opens each box from its menu, and writes
#   OUT/main.png      the main window after the conversion
#   OUT/sysmenu.png   the main window with its system menu popped up
#   OUT/notice.png    the menu bar's "About Radixel" box
#   OUT/help.png      the menu bar's "Help!" box
#   OUT/version.png   the system menu's "About Radixel..." box
# Ends the program with Esc and checks that it exits with status 0.
#
#   tools/screenshot.sh [BUILD_DIR] [OUT]    (default: build/release docs/screenshots)
# Needs: tools/install-deps.sh screenshots
set -euo pipefail
build=${1:-build/release}
out=${2:-docs/screenshots}
program=$build/bin/radixel
[[ -x $program ]] || { echo "screenshot: $program is missing (build it first)" >&2; exit 2; }
for tool in Xvfb icewm xdotool import convert; do
  command -v "$tool" > /dev/null || { echo "screenshot: $tool is missing (tools/install-deps.sh screenshots)" >&2; exit 2; }
done
mkdir -p "$out"

source "$(dirname "$0")/private-xvfb.sh"
start_private_xvfb 1024x768x24
pids=("$XVFB_PID")
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
unset DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# A plain theme without clock or workspace buttons keeps the pictures calm.
icewm_home=$(mktemp -d)
printf 'TaskBarShowClock=0\nTaskBarShowWorkspaces=0\nTaskBarShowCPUStatus=0\nTaskBarShowNetStatus=0\nTaskBarShowMailboxStatus=0\n' \
  > "$icewm_home/preferences"
ICEWM_PRIVCFG=$icewm_home icewm > /dev/null 2>&1 &
pids+=($!)
sleep 1

"$program" &
app=$!
pids+=("$app")
main=$(xdotool search --sync --onlyvisible --name '^Radixel$' | head -1)
xdotool windowactivate --sync "$main"
sleep 0.5

shoot() {  # shoot WINDOW FILE: the window with its frame
  import -frame -window "$1" "$out/$2"
  echo "wrote $out/$2"
}
# The box with this caption that is not the main window.
box() { xdotool search --sync --onlyvisible --name "^$1\$" | grep -vx "$main" | head -1; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$main")"; }

# The focus starts on OK: Tab, Tab reaches the input box; Enter converts.
xdotool key Tab Tab
xdotool type --delay 50 1f4
xdotool key Return
sleep 0.3
shoot "$main" main.png

# The menu bar's two items sit at its left end, "About Radixel" first.
geometry
xdotool mousemove --window "$main" 25 10 click 1
notice=$(box 'About Radixel')
sleep 0.3
shoot "$notice" notice.png
xdotool key Return
sleep 0.3

# "Help!" follows "About Radixel"; find it by walking right along the bar.
for x in 95 105 115 125 135; do
  xdotool mousemove --window "$main" "$x" 10 click 1
  sleep 0.3
  help=$(xdotool search --onlyvisible --name '^Help!$' | head -1 || true)
  [[ -n $help ]] && break
done
[[ -n ${help:-} ]] || { echo "screenshot: the Help box did not open" >&2; exit 1; }
shoot "$help" help.png
xdotool key Return
sleep 0.3

# The system menu from a right-click on the free area right of the radio
# buttons, above OK; its last item opens the version box.
geometry
xdotool mousemove --window "$main" $((WIDTH * 17 / 20)) $((HEIGHT / 4)) click 3
sleep 0.4
import -window root -crop "$((WIDTH + 240))x$((HEIGHT + 60))+$((X - 30))+$((Y - 45))" +repage "$out/sysmenu.png"
echo "wrote $out/sysmenu.png"
xdotool key Up Return
version=$(box 'About Radixel')
sleep 0.3
shoot "$version" version.png
xdotool key Return
sleep 0.3

# Esc ends the program, with status 0.
xdotool windowactivate --sync "$main" key Escape
status=0
wait "$app" || status=$?
echo "radixel exited with status $status"
[[ $status -eq 0 ]]
