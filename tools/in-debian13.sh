#!/usr/bin/env bash
# README's test command and the package build in a fresh Debian 13 (trixie):
#   tools/in-debian13.sh [COMMAND...]     (default: make test && make deb)
# A minimal Debian 13 (mmdebstrap, minbase, with make, which README's
# commands start with) is unpacked into a tmpfs, the working tree is copied
# in (tools/copy-tree.sh: what a clone holds, with uncommitted changes; not
# build/), and COMMAND runs there as root, so the Makefile's targets install
# what they need with tools/install-deps.sh, as on a fresh machine. It ends
# with ctest's counts and the package's name and size.
# The base system is kept as a tarball in RADIXEL_CHROOT_CACHE (default
# /var/cache/radixel), made anew when it is a week old, and the packages
# apt downloads are kept beside it. It comes from the mirror this machine's
# own apt sources name. Everything else lives in a mount and PID namespace
# of this script's own: the tmpfs and the chroot's mounts are gone with it,
# and so is every process started in the chroot, however it ends.
# Runs as root (or through sudo). Needs: mmdebstrap.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
[[ $(id -u) -eq 0 ]] || exec sudo "$0" "$@"
# This script is the namespace's first process: when it ends, the kernel
# ends all the others (weston, Xvfb, a test left hanging).
[[ -n ${IN_DEBIAN13_NAMESPACE:-} ]] ||
  exec env IN_DEBIAN13_NAMESPACE=1 unshare --mount --propagation private --pid --fork --kill-child "$0" "$@"

release=trixie
command=("$@")
[[ ${#command[@]} -gt 0 ]] || command=(bash -c 'make test && make deb')
start=$SECONDS
took() { echo "($((SECONDS - start)) s)"; }

# The Debian archive and its security archive as this machine's apt sources
# name them (for its own release); mmdebstrap's defaults where they name none.
host_release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
source_of() {
  apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' 2>/dev/null |
    awk -v r="$1" '$2 == r { print $1; exit }'
}
mirror=$(source_of "$host_release")
security=$(source_of "$host_release-security")
sources=()
if [[ -n $mirror ]]; then
  sources+=("deb $mirror $release main" "deb $mirror $release-updates main")
  [[ -z $security ]] || sources+=("deb $security $release-security main")
fi

cache="${RADIXEL_CHROOT_CACHE:-/var/cache/radixel}"
base="$cache/debian-13-$(dpkg --print-architecture).tar.gz"
archives="$cache/debian-13-$(dpkg --print-architecture)-apt"
mkdir -p "$cache" "$archives/partial"
# One run makes the base system while others wait for it.
exec 9>"$cache/debian-13.lock"
flock 9
if [[ -z $(find "$base" -mtime -7 2>/dev/null) ]]; then
  echo "== mmdebstrap: a minimal Debian 13 into $base"
  mmdebstrap --quiet --variant=minbase --include=make "$release" "${base%.tar.gz}.new.tar.gz" "${sources[@]}"
  mv "${base%.tar.gz}.new.tar.gz" "$base"
  echo "base system made $(took)"
fi
# Unpacked under the lock, so that no run replaces the tarball meanwhile.
scratch="$(mktemp -d)"
mount -t tmpfs -o size=12G radixel-debian13 "$scratch"
sys="$scratch/system"
mkdir "$sys"
tar -C "$sys" -xzf "$base"
exec 9>&-

"$root/tools/copy-tree.sh" "$sys/src/radixel"
cp -L /etc/resolv.conf "$sys/etc/resolv.conf"
mount -t proc proc "$sys/proc"
mount -t sysfs sysfs "$sys/sys"
mount --rbind /dev "$sys/dev"
mount -t tmpfs -o mode=1777 shm "$sys/dev/shm"
mount --bind "$archives" "$sys/var/cache/apt/archives"
echo "== Debian $(cat "$sys/etc/debian_version") in a chroot: ${command[*]} $(took)"

log="$scratch/log"
status=0
chroot "$sys" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb PATH=/usr/sbin:/usr/bin:/sbin:/bin \
  DEBIAN_FRONTEND=noninteractive CI="${CI:-}" \
  bash -c 'cd /src/radixel && "$@"' bash "${command[@]}" 2>&1 | tee "$log" || status=$?
# Packages no longer in the archive leave the kept downloads.
chroot "$sys" apt-get autoclean -qq >/dev/null 2>&1 || true

echo "== Debian 13: ${command[*]} ended with status $status $(took)"
grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" || true
grep -E '^build-deb: wrote ' "$log" | sed "s|/src/radixel/||" || true
exit "$status"
