#!/usr/bin/env bash
# Debian's own checks of the package, each in a fresh minimal Debian 12:
#   systems/qt/packaging/check-deb-install.sh [PACKAGE.deb]     (default: the one in build/deb)
# autopkgtest runs debian/tests against the installed package (its chroot
# server; apt brings the package's and the tests' dependencies), then
# piuparts installs, removes and purges it and fails on anything it left
# behind, a broken symlink or what adequate finds.
# The base system (mmdebstrap, minbase, from its default mirror) is kept as
# a tarball in RADIXEL_CHROOT_CACHE (default /var/cache/radixel) and made
# anew when it is a week old. Everything else lives in a tmpfs of a mount
# and process namespace of this script's own: however the script ends, its
# mounts and every process started in the chroots end with it. The logs go
# to build/deb-check.
# autopkgtest's chroot server is used: its unshare server needs subordinate
# ids for root (/etc/subuid), schroot a configured chroot, and null would
# install the tests' dependencies on this machine.
# Runs as root (or through sudo). Needs: tools/install-deps.sh deb-check
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
[[ $(id -u) -eq 0 ]] || exec sudo "$0" "$@"
# Mounts made from here on (the tmpfs, autopkgtest's and piuparts's chroot
# mounts) are this namespace's alone, and this script is its first process:
# when it ends, the kernel ends every process left in it.
if [[ -z ${CHECK_DEB_NAMESPACE:-} ]]; then
  CHECK_DEB_NAMESPACE=1 unshare --mount --propagation private \
    --pid --fork --kill-child --mount-proc "$0" "$@" &
  inner=$!
  # unshare passes no signal on; ending it ends the namespace and all in it.
  # shellcheck disable=SC2317  # called by the traps below
  stop() { kill -KILL "$inner" 2>/dev/null; wait "$inner" || true; exit "$1"; }
  trap 'stop 129' HUP
  trap 'stop 130' INT
  trap 'stop 143' TERM
  status=0
  wait "$inner" || status=$?
  exit "$status"
fi
# As the namespace's first process, the script ends on these signals only
# when it says so.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# shellcheck source=systems/qt/packaging/built-deb.sh
source "$root/systems/qt/packaging/built-deb.sh"
deb="$(built_deb check-deb-install "${1:-}")"
logs="$root/build/deb-check"
mkdir -p "$logs"
start=$SECONDS
took() { echo "($((SECONDS - start)) s)"; }

cache="${RADIXEL_CHROOT_CACHE:-/var/cache/radixel}"
base="$cache/debian-12-$(dpkg-deb -f "$deb" Architecture).tar.gz"
mkdir -p "$cache"
# One run makes the base system while others wait for it; a half-made one
# is never taken for it.
exec 9>"$cache/debian-12.lock"
flock 9
if [[ -z $(find "$base" -mtime -7 2>/dev/null) ]]; then
  echo "== mmdebstrap: a minimal Debian 12 into $base"
  # piuparts runs dpkg through eatmydata where the chroot has it.
  new="${base%.tar.gz}.new.tar.gz"
  rm -f "$new"
  mmdebstrap --quiet --variant=minbase --include=eatmydata bookworm "$new"
  mv "$new" "$base"
  echo "base system made $(took)"
fi
exec 9>&-

# The chroots live in a tmpfs mounted in this namespace alone, over a folder
# that stays empty outside it: another run mounts its own there, and
# nothing is left behind however the run ends.
scratch="$cache/deb-check.mnt"
mkdir -p "$scratch"
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
# Its own lines and the testbed's apt output go to its log.
autopkgtest --quiet --apt-upgrade --output-dir "$logs/autopkgtest" "$deb" "$scratch/source" \
  -- chroot "$scratch/testbed" >"$logs/autopkgtest.log" 2>&1 || status=$?
# Each test's own lines (its table's verdict, any failed row), then the verdicts.
summary="$logs/autopkgtest/summary"
if [[ -f $summary ]]; then
  while read -r test _; do
    cat "$logs/autopkgtest/$test-stdout" "$logs/autopkgtest/$test-stderr" 2>/dev/null || true
  done <"$summary"
  cat "$summary"
fi
if [[ $status -ne 0 ]]; then
  tail -n 20 "$logs/autopkgtest.log" >&2
  echo "check-deb-install: autopkgtest failed (status $status; logs: $logs/autopkgtest.log, $logs/autopkgtest/)" >&2
  exit 1
fi
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
