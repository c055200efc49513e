#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those missing.
#   tools/install-deps.sh [core] [qt] [wayland] [bench] [fuzz] [win32] [win32-emulation]
#                         [screenshots] [deb] [deb-check] [win32-dist] [web] [screen-reader] [reproducible]
#                         [debian13]
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
  # The window's tests on Wayland: weston (in an Xvfb of its own) and Qt's
  # Wayland plugin.
  [wayland]="weston qt6-wayland xvfb xauth"
  [bench]="python3 time perl hyperfine valgrind"
  [fuzz]="clang libclang-rt-dev"
  [screenshots]="xvfb xauth x11-utils imagemagick xdotool icewm"
  [win32]="g++-mingw-w64-i686 googletest wine wine32:i386 wine64 fonts-wine xvfb xauth xdotool x11-utils icoutils libxml2-utils librsvg2-bin imagemagick"
  [win32-emulation]="qemu-user-static"
  [deb]="lintian desktop-file-utils appstream man-db bash-completion"
  # Debian's checks of the built package in a chroot (systems/qt/packaging/check-deb-install.sh).
  [deb-check]="autopkgtest piuparts adequate mmdebstrap"
  [win32-dist]="nsis zip unzip librsvg2-bin imagemagick"
  # The page (Emscripten, with the acorn parser its optimiser needs) and its
  # tests in Chromium, Firefox ESR and WebKitGTK (on Xvfb), driven through
  # WebDriver; npm (Debian's, unless the machine has one) brings what
  # drives Firefox and checks accessibility.
  [web]="cmake make emscripten node-acorn chromium chromium-driver python3-selenium firefox-esr webkit2gtk-driver xvfb xauth $(command -v npm >/dev/null || echo npm)"
  # Orca, headless, speaking through speech-dispatcher and espeak-ng into
  # libao's null output, on its own X server and accessibility bus; the
  # page in Firefox ESR and Chromium.
  [screen-reader]="firefox-esr chromium orca speech-dispatcher speech-dispatcher-espeak-ng speech-dispatcher-audio-plugins libao4 espeak-ng at-spi2-core python3-pyatspi dbus-daemon xvfb xauth xdotool"
  # What tools/check-reproducible.sh moves the second build's clock with,
  # and shows a difference with (p7zip-full unpacks the installer).
  [reproducible]="faketime diffoscope-minimal p7zip-full"
  # What tools/in-debian13.sh makes its Debian 13 with.
  [debian13]="mmdebstrap"
)

# The page's tests' npm packages (systems/web/tests/package-lock.json),
# installed into build/web-node when the lock file changes; puppeteer-core
# drives the Firefox installed above and downloads no browser.
install_web_node() {
  local here lock target
  here=$(cd "$(dirname "$0")/.." && pwd)
  lock="$here/systems/web/tests/package-lock.json"
  target="$here/build/web-node"
  cmp -s "$lock" "$target/package-lock.json" && [[ -d $target/node_modules ]] && return 0
  mkdir -p "$target"
  cp "$here/systems/web/tests/package.json" "$lock" "$target/"
  (cd "$target" && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error) ||
    { echo "install-deps: npm could not install the page's test packages" >&2; exit 1; }
}

wanted=()
for group in "${@:-core}"; do
  [[ -n "${groups[$group]+x}" ]] || { echo "install-deps: unknown group '$group'" >&2; exit 2; }
  for pkg in ${groups[$group]}; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || wanted+=("$pkg")
  done
done
finish() { [[ " $* " != *" web "* ]] || install_web_node; }
[[ ${#wanted[@]} -eq 0 ]] && { finish "$@"; exit 0; }

run() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }
for pkg in "${wanted[@]}"; do
  if [[ $pkg == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -q i386; then
    run dpkg --add-architecture i386
  fi
done
echo "install-deps: installing ${wanted[*]}"
export DEBIAN_FRONTEND=noninteractive
# A mirror in the middle of a sync serves lists and packages of the wrong
# size for a few minutes: each step is tried again after a pause, and the
# install goes on with the lists there are when an update keeps failing
# (it then says which package it could not find).
update_lists() {
  local try
  for try in 1 2 3 4; do
    run apt-get update -qq && return 0
    echo "install-deps: apt-get update failed (try $try of 4)" >&2
    [[ $try -eq 4 ]] || sleep $((try * 15))
  done
  echo "install-deps: going on with the package lists this machine has" >&2
  return 1
}
# A list that could not be had leaves the two architectures' versions out of
# step: with the security archive's i386 list missing, an i386 library comes
# from the release while its amd64 twin would come from the security
# archive, and apt finds no solution. Such an install is tried again with
# the security archive held below the release, for this install alone, so
# that both architectures take the release's versions.
release_first="$(mktemp)"
printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' >"$release_first"
lists_whole=1
update_lists || lists_whole=0
log="$(mktemp)"
for try in 1 2 3; do
  pinned=()
  if [[ $try -gt 1 && $lists_whole -eq 0 ]]; then
    pinned=(-o "Dir::Etc::Preferences=$release_first")
    echo "install-deps: trying with the release's versions, the security archive held back" >&2
  fi
  run apt-get install -y -qq --no-install-recommends "${pinned[@]}" "${wanted[@]}" >"$log" 2>&1 && break
  if [[ $try -eq 3 ]]; then
    echo "install-deps: apt-get could not install: ${wanted[*]} (its output: $log)" >&2
    tail -n 5 "$log" >&2
    exit 1
  fi
  echo "install-deps: apt-get install failed (try $try of 3)" >&2
  tail -n 2 "$log" >&2
  if [[ $lists_whole -eq 1 || $try -eq 2 ]]; then
    sleep $((try * 30))
    lists_whole=1
    update_lists || lists_whole=0
  fi
done
rm -f "$release_first"
rm -f "$log"
finish "$@"
