#!/usr/bin/env bash
# A real screen reader over Radixel: Orca, headless, on a private X server,
# session bus and accessibility bus, speaking through speech-dispatcher
# (espeak-ng into libao's null driver). Keys go in with xdotool; what Orca
# says is read from its debug log (its SPEECH OUTPUT lines) and asserted,
# each expected utterance waited for with a time-out.
#   tools/screen-reader-check.sh [qt|page|all] [--program PATH] [--page PATH] [--keep-log DIR]
#     qt    the Qt window (PATH, by default build/release/bin/radixel, else
#           build/asan/bin/radixel)
#     page  the page (PATH, by default build/web/radixel.html) in Firefox ESR
#           and in Chromium
#     all   both (the default)
# Ends every process it started; exits non-zero on the first utterance
# that does not come, printing what Orca said instead.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

part=all
program=
page=
keep=
while [[ $# -gt 0 ]]; do
  case $1 in
    qt | page | all) part=$1 ;;
    --program) program=$2; shift ;;
    --page) page=$2; shift ;;
    --keep-log) keep=$2; shift ;;
    *) echo "screen-reader-check: unknown argument '$1'" >&2; exit 2 ;;
  esac
  shift
done
if [[ -z $program ]]; then
  program=$here/build/release/bin/radixel
  [[ -x $program ]] || program=$here/build/asan/bin/radixel
fi
page=${page:-$here/build/web/radixel.html}
# Firefox opens the page by an absolute file URL.
[[ $page == /* ]] || page=$PWD/$page

for tool in Xvfb dbus-daemon xdotool orca speech-dispatcher espeak-ng $([[ $part == qt ]] || echo firefox-esr chromium); do
  command -v "$tool" >/dev/null || { echo "screen-reader-check: $tool is missing (tools/install-deps.sh screen-reader)" >&2; exit 1; }
done
launcher=/usr/libexec/at-spi-bus-launcher
[[ -x $launcher ]] || { echo "screen-reader-check: $launcher is missing (at-spi2-core)" >&2; exit 1; }

# --- The private session -----------------------------------------------------
work=$(mktemp -d)
pids=()  # every process started here, ended last first
stop_all() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
  done
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    for _ in $(seq 50); do kill -0 "${pids[i]}" 2>/dev/null || break; sleep 0.1; done
    kill -9 "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  pids=()
}
finish() {
  local status=$?
  stop_all
  if [[ -n $keep ]]; then mkdir -p "$keep" && cp "$work"/orca-*.log "$keep"/ 2>/dev/null || true; fi
  rm -rf "$work"
  exit "$status"
}
trap finish EXIT
trap 'exit 130' INT TERM

export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config \
  XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/orca" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER WAYLAND_DISPLAY
export NO_AT_BRIDGE=0 GTK_A11Y=atspi QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
export LANG=C.UTF-8 LC_ALL=C.UTF-8

# speech-dispatcher with espeak-ng, its sound thrown away.
echo "default_driver=null" >"$HOME/.libao"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cp -r /etc/speech-dispatcher/modules "$XDG_CONFIG_HOME/speech-dispatcher/"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
LogLevel 2
LogDir "$work"
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
EOF

# Orca: its debug log written line by line, no greeting, no tutorial.
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'EOF'
from orca import debug
if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
EOF

start_session() {
  local fifo=$work/displayfd
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>"$work/xvfb.log" &
  pids+=($!)
  local number
  read -r -t 20 number <"$fifo" || { echo "screen-reader-check: Xvfb did not start" >&2; exit 1; }
  rm -f "$fifo"
  export DISPLAY=:$number

  local bus
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  pids+=("$(sed -n 2p <<<"$bus")")
  export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")

  "$launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
  pids+=($!)
  wait_for "the accessibility bus" 10 dbus_has org.a11y.Bus
  for property in IsEnabled ScreenReaderEnabled; do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
      org.freedesktop.DBus.Properties.Set string:org.a11y.Status "string:$property" \
      variant:boolean:true >/dev/null
  done

  speech-dispatcher --run-single --timeout 0 >"$work/speechd.out" 2>&1 &
  pids+=($!)
}

dbus_has() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.ListNames 2>/dev/null | grep -q "\"$1\""
}

# wait_for WHAT SECONDS COMMAND...: runs COMMAND until it succeeds.
wait_for() {
  local what=$1 seconds=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || { echo "screen-reader-check: no $what after ${seconds} s" >&2; exit 1; }
    sleep 0.1
  done
}

# --- Orca and what it says ---------------------------------------------------
log=
mark=0  # the log lines already looked at
start_orca() {
  log=$work/orca-$1.log
  : >"$log"
  orca --replace --debug-file="$log" >"$work/orca-$1.out" 2>&1 &
  pids+=($!)
  orca_pid=$!
  mark=0
  wait_for "Orca" 30 grep -q "SPEECH OUTPUT" "$log"
}

# The utterances since the mark, one a line, without the log's decoration.
said() {
  tail -n +"$((mark + 1))" "$log" | grep -a "SPEECH OUTPUT:" | sed -E "s/^.*SPEECH OUTPUT: '(.*)' ?\{'established.*$/\1/"
}
# Forgets what was said so far: expectations look only at what follows.
forget() { mark=$(wc -l <"$log"); }

# expect WHAT REGEX [SECONDS]: waits until Orca has said something that
# matches REGEX (extended, case-insensitive) since the mark, then moves the
# mark past that utterance.
expect() {
  local what=$1 pattern=$2 seconds=${3:-10}
  local deadline=$((SECONDS + seconds))
  while true; do
    local line
    line=$(tail -n +"$((mark + 1))" "$log" | grep -an "SPEECH OUTPUT:" | grep -aiE -- "$pattern" | head -n 1 || true)
    if [[ -n $line ]]; then
      mark=$((mark + ${line%%:*}))
      echo "  ok: $what"
      return 0
    fi
    if ((SECONDS >= deadline)); then
      echo "screen-reader-check: FAILED: $what: Orca did not say /$pattern/ within ${seconds} s; it said:" >&2
      said | sed 's/^/    /' >&2
      exit 1
    fi
    sleep 0.1
  done
}

# --- Keys ----------------------------------------------------------------------
# A plain key. Orca reads a key pressed too briefly as another one, so each
# key is held a moment.
key() {
  local k
  for k in "$@"; do
    xdotool keydown "$k"; sleep 0.05; xdotool keyup "$k"; sleep 0.15
  done
}
# A chord, modifiers first: chord ctrl Left.
chord() {
  local k
  for k in "$@"; do xdotool keydown "$k"; sleep 0.08; done
  for ((i = $#; i >= 1; i--)); do xdotool keyup "${!i}"; sleep 0.08; done
  sleep 0.15
}
type_text() { xdotool type --delay 80 "$1"; sleep 0.2; }

# The program still answers: its window takes a new title-less query at once.
answers() {
  local pid=$1
  kill -0 "$pid" 2>/dev/null || { echo "screen-reader-check: FAILED: the program has ended" >&2; exit 1; }
  # A program that stops answering leaves its accessible tree unreadable:
  # ask for its frame's name over the accessibility bus within seconds.
  timeout 5 /usr/bin/python3 - "$pid" <<'EOF' || { echo "screen-reader-check: FAILED: the program does not answer" >&2; exit 1; }
import sys, pyatspi
pid = int(sys.argv[1])
desktop = pyatspi.Registry.getDesktop(0)
for app in desktop:
    if app is not None and app.get_process_id() == pid:
        names = [child.name for child in app]
        sys.exit(0 if names else 1)
sys.exit(1)
EOF
}

# --- The Qt window -----------------------------------------------------------
check_qt() {
  echo "== the Qt window ($program)"
  [[ -x $program ]] || { echo "screen-reader-check: $program is missing (cmake --build --preset release)" >&2; exit 1; }
  start_orca qt
  forget
  "$program" >"$work/radixel.out" 2>&1 &
  pids+=($!)
  local app=$!
  expect "the window on start" "Radixel dialog" 20
  expect "the focused button on start" "OK push button"

  key Tab Tab
  expect "the input box on Tab" "Input text"
  type_text "ff"
  # Moving by word at the end of the text once froze the window for good.
  chord ctrl Left
  answers "$app"
  expect "the word on Ctrl+Left" "^.*SPEECH OUTPUT: 'ff'"
  chord ctrl Right
  answers "$app"
  chord ctrl Right
  answers "$app"
  echo "  ok: Ctrl+Left and Ctrl+Right at the end of the box leave the program answering"

  # Hex to Bin from the conversions, then Enter converts.
  key Tab Tab
  expect "the conversions on Tab" "Hex to Dec"
  expect "the conversion's role and state" "selected radio button"
  key Down
  expect "Down choosing the next conversion" "Hex to Bin"
  forget
  key Return
  expect "the result after Enter" "Output 11111111"

  # The output box read whole on focus.
  forget
  chord shift Tab
  expect "the output box on focus" "Output text"
  # Orca reads a run of more than four equal characters as their count.
  expect "the output box's whole text on focus" "11111111|8 1 characters"
  if said | grep -qE "7 1 characters"; then
    echo "screen-reader-check: FAILED: the output box was read one character short:" >&2
    said | sed 's/^/    /' >&2
    exit 1
  fi

  # A bad input: the result, then the message.
  chord shift Tab
  expect "the input box again" "Input text"
  chord ctrl a
  type_text "zz"
  forget
  key Return
  expect "the result after a bad input" "Output"
  expect "the message after the result" "Your entered an illegal char\\."

  # F10 reaches the menu bar; Enter on its first item opens the notice box,
  # which is read with its text.
  forget
  key F10
  expect "the menu bar on F10" "About Radixel"
  key Escape
  answers "$app"
  forget
  key F10 Right
  expect "the second menu item" "Help!"
  key Return
  expect "the Help box's text when it opens" "Radixel was written to be a tool for programming"
  key Escape
  answers "$app"

  forget
  key Escape
  wait_for "the program to end on Esc" 10 bash -c "! kill -0 $app 2>/dev/null"
  echo "  ok: Esc ends the program"
  stop_orca
}

stop_orca() {
  kill "$orca_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$orca_pid" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$orca_pid" 2>/dev/null || true
  wait "$orca_pid" 2>/dev/null || true
}

# --- The page ------------------------------------------------------------------
# shellcheck source=tools/screen-reader/page.sh
source "$here/tools/screen-reader/page.sh"

start_session
case $part in
  qt) check_qt ;;
  page) check_page firefox; check_page chromium ;;
  all) check_qt; check_page firefox; check_page chromium ;;
esac
echo "screen-reader-check: every utterance came (${SECONDS} s)"
