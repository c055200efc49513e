#!/usr/bin/env bash
# Checks the Debian package as Debian checks one, then installs and uses it:
#   tools/check-deb.sh [PACKAGE.deb]     (default: the one in build/deb)
# lintian with no errors and no warnings; desktop-file-validate on the
# desktop entry and appstreamcli validate --pedantic on the metainfo, both as
# the package holds them; apt-get install of the package; the installed
# radixel-cli converting ff and radixel finding all its libraries. Leaves
# the package installed.
# Runs as root (or through sudo). Needs: tools/install-deps.sh deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
run() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

deb="${1:-}"
if [[ -z $deb ]]; then
  debs=("$root"/build/deb/radixel_*.deb)
  [[ -f ${debs[0]} ]] || { echo "check-deb: no package in build/deb (make deb)" >&2; exit 2; }
  deb="${debs[0]}"
fi
deb="$(realpath "$deb")"
echo "check-deb: $deb ($(stat -c %s "$deb") bytes)"

echo "== lintian"
lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)
echo "lintian: no errors, no warnings"

contents="$(mktemp -d)"
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
echo "== desktop-file-validate"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
echo "desktop entry valid"
echo "== appstreamcli validate"
appstreamcli validate --no-net --pedantic "$contents"/usr/share/metainfo/*.metainfo.xml

echo "== apt-get install"
run env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$deb" >/dev/null
result="$(radixel-cli hex2dec ff)"
echo "radixel-cli hex2dec ff: $result"
[[ $result == "255." ]] || { echo "check-deb: the installed radixel-cli printed '$result'" >&2; exit 1; }
[[ $(command -v radixel) == /usr/bin/radixel ]] || { echo "check-deb: radixel not installed" >&2; exit 1; }
# The desktop program's libraries (Qt 6 and the rest) came with the package.
if ldd /usr/bin/radixel | grep 'not found'; then echo "check-deb: radixel lacks libraries" >&2; exit 1; fi
echo "check-deb: all checks passed"
