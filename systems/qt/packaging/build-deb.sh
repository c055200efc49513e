#!/usr/bin/env bash
# Builds the Debian package from the working tree, outside the tree itself:
#   systems/qt/packaging/build-deb.sh [OUT_DIR]           (default: build/deb)
# Copies the working tree (tools/copy-tree.sh) to OUT_DIR/radixel-VERSION
# and runs dpkg-buildpackage -us -uc -b there, so that
# radixel_VERSION_ARCH.deb lands in OUT_DIR and the tree stays clean.
# DEB_BUILD_OPTIONS=nocheck skips building and running the tests.
# Needs: tools/install-deps.sh core deb
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
out="$(realpath -m "${1:-$root/build/deb}")"
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
source_dir="$out/radixel-$version"

rm -rf "$source_dir"
"$root/tools/copy-tree.sh" "$source_dir"
# Only this build's package stays, so that radixel_*.deb names one file.
rm -f "$out"/radixel_*.deb
(cd "$source_dir" && dpkg-buildpackage -us -uc -b -jauto)
deb=$(ls "$out"/radixel_"$version"_*.deb)
echo "build-deb: wrote $deb ($(stat -c %s "$deb") bytes)"
