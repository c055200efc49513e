#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those missing.
#   tools/install-deps.sh [core] [qt] [bench] [fuzz] [win32] [win32-emulation] [screenshots]
# Runs as root (or through sudo); says clearly which package could not be had.
set -euo pipefail

declare -A groups=(
  [core]="cmake make g++ libgtest-dev googletest libbenchmark-dev"
  [qt]="qt6-base-dev libx11-dev"
  [bench]="python3 time"
  [fuzz]="clang libclang-rt-14-dev"
  [screenshots]="xvfb xauth x11-utils imagemagick xdotool icewm"
  [win32]="g++-mingw-w64-i686 wine wine32:i386 wine64 fonts-wine xvfb xauth xdotool icoutils imagemagick"
  [win32-emulation]="qemu-user-static"
)

wanted=()
for group in "${@:-core}"; do
  [[ -n "${groups[$group]+x}" ]] || { echo "install-deps: unknown group '$group'" >&2; exit 2; }
  for pkg in ${groups[$group]}; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || wanted+=("$pkg")
  done
done
[[ ${#wanted[@]} -eq 0 ]] && exit 0

run() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }
for pkg in "${wanted[@]}"; do
  if [[ $pkg == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -q i386; then
    run dpkg --add-architecture i386
  fi
done
echo "install-deps: installing ${wanted[*]}"
export DEBIAN_FRONTEND=noninteractive
run apt-get update -qq
log="$(mktemp)"
if ! run apt-get install -y -qq --no-install-recommends "${wanted[@]}" >"$log" 2>&1; then
  echo "install-deps: apt-get could not install: ${wanted[*]} (its output: $log)" >&2
  tail -n 5 "$log" >&2
  exit 1
fi
rm -f "$log"
