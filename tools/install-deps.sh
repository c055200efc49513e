#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those missing.
#   tools/install-deps.sh [core] [qt] [bench] [fuzz] [win32] [win32-emulation]
#                         [screenshots] [deb] [win32-dist] [web] [reproducible]
# Runs as root (or through sudo); says clearly which package could not be had.
set -euo pipefail

# The Debian package's build dependencies, written once in debian/control:
# each one's first alternative, without versions, architectures or build
# profiles; debhelper-compat is debhelper's.
control_build_deps() {
  awk '/^Build-Depends:/ { on = 1; sub(/^Build-Depends:/, "") }
       on && /^[^ \t]/ && !/^Build-Depends:/ { on = 0 }
       on { print }' "$(dirname "$0")/../debian/control" |
    tr ',' '\n' | sed 's/|.*//; s/([^)]*)//g; s/<[^>]*>//g; s/\[[^]]*\]//g' |
    awk 'NF { print ($1 == "debhelper-compat" ? "debhelper" : $1) }'
}

declare -A groups=(
  [core]="build-essential libbenchmark-dev $(control_build_deps | tr '\n' ' ')"
  [qt]="libx11-dev"  # Qt itself is a build dependency of the package, in core
  [bench]="python3 time"
  [fuzz]="clang libclang-rt-14-dev"
  [screenshots]="xvfb xauth x11-utils imagemagick xdotool icewm"
  [win32]="g++-mingw-w64-i686 googletest wine wine32:i386 wine64 fonts-wine xvfb xauth xdotool x11-utils icoutils libxml2-utils librsvg2-bin imagemagick"
  [win32-emulation]="qemu-user-static"
  [deb]="lintian desktop-file-utils appstream man-db bash-completion"
  [win32-dist]="nsis zip unzip librsvg2-bin imagemagick"
  # The page (Emscripten, with the acorn parser its optimiser needs) and its
  # tests in a headless Chromium driven through WebDriver.
  [web]="cmake make emscripten node-acorn chromium chromium-driver python3-selenium"
  # What tools/check-reproducible.sh shows a difference with.
  [reproducible]="diffoscope-minimal"
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
