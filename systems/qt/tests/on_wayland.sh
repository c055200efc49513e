#!/usr/bin/env bash
# Runs a Qt program as a native Wayland client of a private weston:
#   on_wayland.sh COMMAND [ARGS...]
# weston runs on its X11 back-end inside a private Xvfb, because that gives
# it a seat: a compositor without one (the headless back-end) never gives a
# window the keyboard, so nothing typed would reach the program. The
# program itself sees no X server (DISPLAY is unset for it) and talks
# Wayland alone. Ends weston and Xvfb whatever the command did; exits with
# the command's status, or 77 (skipped) where weston, Xvfb or Qt's Wayland
# plugin is missing.
set -uo pipefail

for tool in weston Xvfb; do
  command -v "$tool" > /dev/null || { echo "on_wayland: $tool is not installed" >&2; exit 77; }
done
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" > /dev/null ||
  { echo "on_wayland: Qt's Wayland plugin (qt6-wayland) is not installed" >&2; exit 77; }

source "$(dirname "$0")/../../../tools/private-xvfb.sh"
start_private_xvfb 1280x1024x24 || exit 1
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=radixel-test
XDG_RUNTIME_DIR=$runtime setsid weston --backend=x11-backend.so --socket=$socket \
  --width=1024 --height=768 --idle-time=0 --config="$(realpath "$(dirname "$0")/../tools/weston-plain.ini")" \
  < /dev/null > "$runtime/weston.log" 2>&1 &
weston_pid=$!
stop() {
  kill "$weston_pid" 2> /dev/null
  wait "$weston_pid" 2> /dev/null
  kill "$XVFB_PID" 2> /dev/null
  wait "$XVFB_PID" 2> /dev/null
  rm -rf "$runtime"
}
trap stop EXIT
for _ in $(seq 200); do
  [[ -S $runtime/$socket ]] && break
  if ! kill -0 "$weston_pid" 2> /dev/null; then break; fi
  sleep 0.05
done
if [[ ! -S $runtime/$socket ]]; then
  echo "on_wayland: weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
