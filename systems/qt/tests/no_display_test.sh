#!/bin/sh
# The desktop program where no window system can be started: it must end
# with status 1 and one line on standard error saying what it could not
# open, not with Qt's abort.
#   systems/qt/tests/no_display_test.sh path/to/radixel
program=$1
failed=0

# expect LINE ENV...: runs the program with ENV (beside no Wayland session).
expect() {
  line=$1
  shift
  err=$(env -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "$@" timeout 30 "$program" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 1 ] || [ "$err" != "$line" ]; then
    echo "with $*: status $status, standard error:"
    echo "$err"
    echo "wanted status 1 and: $line"
    failed=1
  fi
}

# A display number no X server here answers on.
expect "radixel: cannot open display ':9999'" -u QT_QPA_PLATFORM DISPLAY=:9999
expect "radixel: cannot open display: DISPLAY is not set" -u QT_QPA_PLATFORM -u DISPLAY
expect "radixel: cannot start the window system 'nosuch' named by QT_QPA_PLATFORM" QT_QPA_PLATFORM=nosuch
exit $failed
