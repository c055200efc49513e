#!/usr/bin/env bash
# Debian's own checks of the package, each in a fresh minimal Debian 12:
#   tools/check-deb-install.sh [PACKAGE.deb]     (default: the one in build/deb)
# autopkgtest runs debian/tests against the installed package (its chroot
# server; apt brings the package's and the tests' dependencies), then
# piuparts installs, removes and purges it and fails on anything it left
# behind, a broken symlink or what adequate finds.
# The base system (mmdebstrap, minbase, from its default mirror) is kept as
# a tarball in RADIXEL_DEB_CACHE (default /var/cache/radixel/deb-check) and
# made anew when it is a week old. Everything else lives in a tmpfs of a
# mount namespace of this script's own, gone with it, however it ends; the
# logs go to build/deb-check.
# Runs as root (or through sudo). Needs: tools/install-deps.sh deb-check
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
[[ $(id -u) -eq 0 ]] || exec sudo "$0" "$@"
# Mounts made from here on (the tmpfs, autopkgtest's and piuparts's chroot
# mounts) are this namespace's alone.
[[ -n ${CHECK_DEB_NAMESPACE:-} ]] || exec env CHECK_DEB_NAMESPACE=1 unshare --mount --propagation private "$0" "$@"

deb="${1:-}"
if [[ -z $deb ]]; then
  debs=("$root"/build/deb/radixel_*.deb)
  [[ -f ${debs[0]} ]] || { echo "check-deb-install: no package in build/deb (make deb)" >&2; exit 2; }
  deb="${debs[0]}"
fi
deb="$(realpath "$deb")"
logs="$root/build/deb-check"
mkdir -p "$logs"
start=$SECONDS
took() { echo "($((SECONDS - start)) s)"; }

cache="${RADIXEL_DEB_CACHE:-/var/cache/radixel/deb-check}"
base="$cache/debian-12-$(dpkg-deb -f "$deb" Architecture).tar.gz"
mkdir -p "$cache"
# One run makes the base system while others wait for it.
exec 9>"$cache/lock"
flock 9
if [[ -z $(find "$base" -mtime -7 2>/dev/null) ]]; then
  echo "== mmdebstrap: a minimal Debian 12 into $base"
  # piuparts runs dpkg through eatmydata where the chroot has it.
  mmdebstrap --quiet --variant=minbase --include=eatmydata bookworm "${base%.tar.gz}.new.tar.gz"
  mv "${base%.tar.gz}.new.tar.gz" "$base"
  echo "base system made $(took)"
fi
exec 9>&-

scratch="$(mktemp -d)"
mount -t tmpfs -o size=4G radixel-deb-check "$scratch"

echo "== autopkgtest (debian/tests) on $(basename "$deb")"
# The tests use the installed package alone: the source tree they come
# from is debian/ only.
mkdir "$scratch/source" "$scratch/testbed"
cp -r "$root/debian" "$scratch/source/"
tar -C "$scratch/testbed" -xzf "$base"
cp -L /etc/resolv.conf "$scratch/testbed/etc/resolv.conf"
mount -t proc proc "$scratch/testbed/proc"
mount -t sysfs sysfs "$scratch/testbed/sys"
mount --rbind /dev "$scratch/testbed/dev"
rm -rf "$logs/autopkgtest"
status=0
autopkgtest --quiet --apt-upgrade --output-dir "$logs/autopkgtest" "$deb" "$scratch/source" \
  -- chroot "$scratch/testbed" || status=$?
# Each test's own lines (its table's verdict, any failed row), then the verdicts.
for test in $(awk '{ print $1 }' "$logs/autopkgtest/summary"); do
  cat "$logs/autopkgtest/$test-stdout" "$logs/autopkgtest/$test-stderr" 2>/dev/null || true
done
cat "$logs/autopkgtest/summary"
[[ $status -eq 0 ]] || { echo "check-deb-install: autopkgtest failed (status $status; log: $logs/autopkgtest/log)" >&2; exit 1; }
echo "autopkgtest passed $(took)"

echo "== piuparts (install, remove, purge)"
status=0
TMPDIR="$scratch" piuparts --basetgz "$base" --distribution bookworm --keep-sources-list \
  --pedantic-purge-test --fail-on-broken-symlinks --fail-if-inadequate \
  "$deb" >"$logs/piuparts.log" 2>&1 || status=$?
if [[ $status -ne 0 ]]; then
  tail -n 40 "$logs/piuparts.log" >&2
  echo "check-deb-install: piuparts failed (status $status; log: $logs/piuparts.log)" >&2
  exit 1
fi
grep -E 'INFO: (Installation of|Removing|PASS)' "$logs/piuparts.log" | sed 's/^[0-9m.s]* INFO: //'
echo "piuparts passed $(took)"
echo "check-deb-install: all checks passed"
