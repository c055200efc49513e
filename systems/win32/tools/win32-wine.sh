#!/usr/bin/env bash
# Runs a Windows program of the win32 build under Wine, quietly, in the
# build's own Wine prefix:
#   systems/win32/tools/win32-wine.sh [--prefix DIR] [--own-windows] PROGRAM.exe [ARGS...]
#   systems/win32/tools/win32-wine.sh [--prefix DIR] --tool TOOL [ARGS...]   (reg, ...)
#   systems/win32/tools/win32-wine.sh [--prefix DIR] --stop     (ends its wineserver and X server)
# It is CMake's cross-compiling emulator for the win32 preset, so CTest runs
# every Windows test program through it.
#
# On first use it makes the prefix (with the 64-bit Wine when present: much
# faster where 32-bit programs run under user-mode emulation), keeps one
# wineserver running for the prefix, and starts a private Xvfb when no
# display is set, since Wine needs an X server to create windows.
#
# A new prefix shows every program inside Wine's virtual desktop: there,
# hiding a window is immediate, where an X window of its own makes Wine
# wait up to two seconds for a window manager that a bare Xvfb lacks.
# --own-windows makes a prefix whose windows are X windows of their own
# (for timing the program's start as the X server sees it). With
# RADIXEL_WINE_DPI set (192, say), a new prefix gets that screen DPI.
# With RADIXEL_WINE_TEMPLATE naming a finished prefix of the same kind, a
# new prefix starts as a copy of it: where 32-bit programs run under
# emulation, making a prefix and starting its first 32-bit program take
# minutes, and a copy seconds.
set -euo pipefail

prefix="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/radixel/wine-prefix}"
if [[ ${1:-} == --prefix ]]; then
  prefix="$2"
  shift 2
fi
own_windows=0
if [[ ${1:-} == --own-windows ]]; then
  own_windows=1
  shift
fi
# Wine's own programs (reg, wineboot) go through the 64-bit loader where it
# exists: natively, it starts in a second where a 32-bit program runs under
# emulation. --tool runs one of them.
native_wine=wine
[[ -x /usr/lib/wine/wine64 ]] && native_wine=/usr/lib/wine/wine64
loader=wine
if [[ ${1:-} == --tool ]]; then
  loader=$native_wine
  shift
fi
prefix="$(realpath -m "$prefix")"  # Wine takes only an absolute prefix
[[ $# -gt 0 ]] || { echo "usage: $0 [--prefix DIR] PROGRAM.exe [ARGS...] | --stop" >&2; exit 2; }

export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# No prompts for the .NET and HTML engines, which the programs do not use.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Where 32-bit programs run under user-mode emulation (see
# systems/win32/tools/win32-setup.sh), a smaller guest address space starts them several
# times faster; natively the variable means nothing.
export QEMU_RESERVED_VA="${QEMU_RESERVED_VA:-0x88000000}"

display_file="$prefix.display"

# Ends this prefix's wineserver with every Wine process of the prefix
# (services, the desktop process, programs still running), waits for it,
# and ends the private X server this runner started for the prefix.
stop() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if [[ -f $display_file ]]; then
    read -r _ pid <"$display_file" || true
    [[ -n ${pid:-} ]] && kill "$pid" 2>/dev/null || true
    rm -f "$display_file"
  fi
}

if [[ $1 == --stop ]]; then
  stop
  exit 0
fi

# 77: the status CTest reads as "skipped".
if ! command -v wine >/dev/null || ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  echo "win32-wine: this machine cannot run 32-bit Wine; run systems/win32/tools/win32-setup.sh first" >&2
  exit 77
fi

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9

# A private X server, kept for later runs in the same prefix.
if [[ -z ${DISPLAY:-} ]]; then
  if [[ -f $display_file ]] && read -r number pid <"$display_file" && kill -0 "$pid" 2>/dev/null; then
    export DISPLAY=":$number"
  else
    source "$(dirname "$0")/../../../tools/private-xvfb.sh"
    start_private_xvfb 1024x768x24
    echo "${DISPLAY#:} $XVFB_PID" >"$display_file"
  fi
fi

set_value() { "$native_wine" reg add "$@" /f </dev/null >/dev/null 2>&1; }

# The prefix, made once (or copied from the template).
template="${RADIXEL_WINE_TEMPLATE:-}"
if [[ ! -f $prefix/system.reg ]]; then
  if [[ -n $template && -f $template/system.reg ]]; then
    echo "win32-wine: copying the Wine prefix $template to $prefix (once)" >&2
    rm -rf "$prefix"
    # The template's own runner is not making it meanwhile; its wineserver
    # writes the registry files whole, so a running one does no harm.
    (exec 8>"$template.lock" && flock 8 && cp -a "$template" "$prefix")
  else
    echo "win32-wine: creating the Wine prefix $prefix (once)" >&2
    "$native_wine" wineboot --init </dev/null >/dev/null 2>&1
    if [[ $own_windows == 0 ]]; then
      set_value 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
      set_value 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768
    fi
    # Wine's own TrueType fonts (Marlett draws the caption buttons, Tahoma
    # the menus) from Debian's fonts-wine, which this Wine does not look for.
    for font in /usr/share/wine/fonts/*.ttf; do
      [[ -e $font ]] && ln -sf "$font" "$prefix/drive_c/windows/Fonts/"
    done
  fi
  if [[ -n ${RADIXEL_WINE_DPI:-} ]]; then
    set_value 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$RADIXEL_WINE_DPI"
  fi
  # The prefix's first desktop was made without those settings: start afresh.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
fi

# One wineserver for the prefix, detached from the caller's output so that
# a test runner waiting for that output does not wait for the server.
# (A second start while one runs ends at once.)
setsid wineserver -p </dev/null >/dev/null 2>&1 || true
flock -u 9

# Wine's long-lived helpers (the server, services, the desktop process)
# inherit the program's standard output and error; were those the caller's
# pipes, a test runner would wait on them for good. The program writes to a
# file instead, shown once it ends.
log="$(mktemp)"
status=0
"$loader" "$@" </dev/null >"$log" 2>&1 || status=$?
cat "$log"
rm -f "$log"
exit "$status"
