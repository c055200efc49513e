#!/usr/bin/env bash
# Screenshots of the desktop program as a person sees it: starts the real
# window on a private Xvfb display under a small window manager, converts
# one number with the keyboard, opens each box from its menu, and writes
#   OUT/main.png      the main window after the conversion
#   OUT/sysmenu.png   the main window with its system menu popped up
#   OUT/notice.png    the menu bar's "About Radixel" box
#   OUT/help.png      the menu bar's "Help!" box
#   OUT/version.png   the system menu's "About Radixel..." box
# then the main window and the Help box once more at twice the size
# (OUT/main-2x.png, OUT/help-2x.png) and as a native Wayland client of a
# weston running in the same display (OUT/main-wayland.png,
# OUT/help-wayland.png), where it also asks to maximize the window and
# checks that the program runs on. Each run ends the program with Esc and
# checks that it exits with status 0; a picture that shows nothing but one
# colour is a failure.
#
#   systems/qt/tools/screenshot.sh [BUILD_DIR] [OUT]    (default: build/release docs/screenshots)
# Needs: tools/install-deps.sh screenshots wayland
set -euo pipefail
build=${1:-build/release}
out=${2:-docs/screenshots}
program=$build/bin/radixel
[[ -x $program ]] || { echo "screenshot: $program is missing (build it first)" >&2; exit 2; }
for tool in Xvfb icewm xdotool import convert weston; do
  command -v "$tool" > /dev/null || { echo "screenshot: $tool is missing (tools/install-deps.sh screenshots wayland)" >&2; exit 2; }
done
mkdir -p "$out"

source "$(dirname "$0")/../../../tools/private-xvfb.sh"
start_private_xvfb 1600x1200x24
pids=("$XVFB_PID")
scratch=$(mktemp -d)
# Ends what the script started, the last started first; weston, left
# without its X display, may no longer heed a plain kill.
end_all() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  sleep 0.5
  kill -9 "${pids[@]}" 2>/dev/null || true
  rm -rf "$scratch"
}
trap end_all EXIT
unset DBUS_SESSION_BUS_ADDRESS
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# A plain theme without clock or workspace buttons keeps the pictures calm.
printf 'TaskBarShowClock=0\nTaskBarShowWorkspaces=0\nTaskBarShowCPUStatus=0\nTaskBarShowNetStatus=0\nTaskBarShowMailboxStatus=0\n' \
  > "$scratch/preferences"
ICEWM_PRIVCFG=$scratch icewm > /dev/null 2>&1 &
pids+=($!)
sleep 1

check() {  # check FILE: fails when the picture is missing or of one colour
  local colours
  colours=$(convert "$out/$1" -format '%k' info: 2> /dev/null || echo 0)
  [[ $colours -gt 1 ]] || { echo "screenshot: $out/$1 is blank" >&2; exit 1; }
  echo "wrote $out/$1 ($colours colours)"
}
shoot() {  # shoot WINDOW FILE: the X window with its frame
  import -frame -window "$1" "$out/$2"
  check "$2"
}
# The window with this caption that is not the main window.
box() { xdotool search --sync --onlyvisible --name "^$1\$" | grep -vx "$main" | head -1; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$main")"; }
ended() {  # ended PID: Esc was pressed; the program must exit with status 0
  local status=0
  wait "$1" || status=$?
  echo "radixel exited with status $status"
  [[ $status -eq 0 ]]
}

# One session on X11 at scale S (1 or 2); SUFFIX names its pictures. At
# scale 1 it takes every picture, at 2 the main window and the Help box.
x11_session() {
  local s=$1 suffix=$2
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$s "$program" &
  local app=$!
  pids+=("$app")
  main=$(xdotool search --sync --onlyvisible --name '^Radixel$' | head -1)
  xdotool windowactivate --sync "$main"
  sleep 0.5

  # The focus starts on OK: Tab, Tab reaches the input box; Enter converts.
  xdotool key Tab Tab
  xdotool type --delay 50 1f4
  xdotool key Return
  sleep 0.3
  shoot "$main" "main$suffix.png"

  if [[ $s -eq 1 ]]; then
    # The menu bar's two items sit at its left end, "About Radixel" first.
    xdotool mousemove --window "$main" 25 10 click 1
    notice=$(box 'About Radixel')
    sleep 0.3
    shoot "$notice" notice.png
    xdotool key Return
    sleep 0.3
  fi

  # "Help!" follows "About Radixel"; find it by walking right along the bar.
  local help='' x
  for x in 95 105 115 125 135; do
    xdotool mousemove --window "$main" $((x * s)) $((10 * s)) click 1
    sleep 0.3
    help=$(xdotool search --onlyvisible --name '^Help!$' | head -1 || true)
    [[ -n $help ]] && break
  done
  [[ -n $help ]] || { echo "screenshot: the Help box did not open" >&2; exit 1; }
  shoot "$help" "help$suffix.png"
  xdotool key Return
  sleep 0.3

  if [[ $s -eq 1 ]]; then
    # The system menu from a right-click on the free area right of the radio
    # buttons, above OK; its last item opens the version box.
    geometry
    xdotool mousemove --window "$main" $((WIDTH * 17 / 20)) $((HEIGHT / 4)) click 3
    sleep 0.4
    import -window root -crop "$((WIDTH + 240))x$((HEIGHT + 60))+$((X - 30))+$((Y - 45))" +repage "$out/sysmenu.png"
    check sysmenu.png
    xdotool key Up Return
    version=$(box 'About Radixel')
    sleep 0.3
    shoot "$version" version.png
    xdotool key Return
    sleep 0.3
  fi

  xdotool windowactivate --sync "$main" key Escape
  ended "$app"
}

# The part of weston's output that changed since BEFORE (a picture of the
# output), as WxH+X+Y in output coordinates.
changed_region() {
  import -window "$weston_window" "$scratch/now.png"
  convert "$scratch/now.png" "$1" -compose difference -composite -threshold 1% -format '%@' info:
}
# How many pixels of the last changed_region picture differ from FILE: the
# pointer moving, or a menu title lit, spans a large region with few pixels.
changed_pixels() { compare -metric AE -fuzz 1% "$scratch/now.png" "$1" null: 2>&1 || true; }

# One session as a Wayland client of weston, itself a window on the Xvfb:
# weston passes the keys and clicks it gets from X on to the program.
wayland_session() {
  XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR weston --backend=x11-backend.so --socket=radixel-shots \
    --width=1024 --height=768 --idle-time=0 --config="$(realpath "$(dirname "$0")")/weston-plain.ini" > "$scratch/weston.log" 2>&1 &
  pids+=($!)
  weston_window=$(xdotool search --sync --onlyvisible --class '^Weston Compositor$' | head -1)
  xdotool windowactivate --sync "$weston_window"
  sleep 1
  import -window "$weston_window" "$scratch/empty.png"

  env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=radixel-shots "$program" &
  local app=$!
  pids+=("$app")
  sleep 2
  local region
  region=$(changed_region "$scratch/empty.png")
  [[ $region =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] ||
    { echo "screenshot: no Radixel window appeared on weston (${region:-nothing changed})" >&2; exit 1; }
  local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
  (( w > 300 && h > 200 )) || { echo "screenshot: the window on weston is only ${w}x${h}" >&2; exit 1; }

  xdotool key Tab Tab
  xdotool type --delay 50 1f4
  xdotool key Return
  # Weston follows the pointer only once it has entered weston's window:
  # it is moved out and back in, onto the menu bar, before the picture.
  xdotool mousemove 0 0 sleep 0.3 mousemove --window "$weston_window" $((x + 100)) $((y + 40)) sleep 0.5
  import -window "$weston_window" "$scratch/main.png"
  convert "$scratch/main.png" -crop "${region}" +repage "$out/main-wayland.png"
  check main-wayland.png

  # Qt draws the title bar itself on weston; its menu bar lies right below,
  # "Help!" its second item. Walk down and right until the box opens.
  local help='' dx dy
  for dy in 40 44 48 52 36; do
    for dx in 100 115 130; do
      xdotool mousemove --window "$weston_window" $((x + dx)) $((y + dy)) click 1
      sleep 0.5
      help=$(changed_region "$scratch/main.png")
      [[ $help =~ ^([0-9]+)x([0-9]+) ]] && (( BASH_REMATCH[1] > 200 && BASH_REMATCH[2] > 100 )) &&
        (( $(changed_pixels "$scratch/main.png") > 20000 )) && break 2
      help=''
    done
  done
  [[ -n $help ]] || { echo "screenshot: the Help box did not open on weston" >&2; exit 1; }
  # The box with the main window it belongs to, where weston put them.
  [[ $help =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]
  local left=$((x < BASH_REMATCH[3] ? x : BASH_REMATCH[3])) top=$((y < BASH_REMATCH[4] ? y : BASH_REMATCH[4]))
  local right=$((x + w > BASH_REMATCH[3] + BASH_REMATCH[1] ? x + w : BASH_REMATCH[3] + BASH_REMATCH[1]))
  local bottom=$((y + h > BASH_REMATCH[4] + BASH_REMATCH[2] ? y + h : BASH_REMATCH[4] + BASH_REMATCH[2]))
  convert "$scratch/now.png" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$out/help-wayland.png"
  check help-wayland.png
  xdotool key Return
  sleep 0.5

  # Double-clicking Qt's title bar asks the compositor to maximize the
  # window; the window turns that back and the program runs on.
  xdotool mousemove --window "$weston_window" $((x + w / 3)) $((y + 12)) click --repeat 2 --delay 80 1
  sleep 1.5
  kill -0 "$app" 2> /dev/null || { echo "screenshot: radixel ended after a maximize request" >&2; exit 1; }
  import -window "$weston_window" "$scratch/after.png"
  region=$(convert "$scratch/after.png" "$scratch/empty.png" -compose difference -composite -threshold 1% -format '%w %@' info:)
  [[ $region =~ ^([0-9]+)\ ([0-9]+)x ]] && (( BASH_REMATCH[2] < BASH_REMATCH[1] * 3 / 4 )) ||
    { echo "screenshot: the window stayed maximized (${region#* } of ${region%% *} px)" >&2; exit 1; }
  echo "after a maximize request the program runs on at its own size"

  xdotool key Escape
  ended "$app"
}

x11_session 1 ''
x11_session 2 -2x
wayland_session
