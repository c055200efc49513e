#!/usr/bin/env bash
# Builds each artefact twice from two copies of the working tree and
# compares the results byte for byte:
#   tools/check-reproducible.sh [--reuse-build] [win32] [web] [deb]   (default: win32 web)
# win32: radixel.exe, radixel-cli.exe, the zip and setup.exe; web:
# radixel.html; deb: the .deb files (minutes longer: tests are not run).
# The copies are build/reproducible/first and ".../second copy", a path
# with a space; the second is built with its clock 400 days and 7 hours
# ahead (faketime), with another umask, locale and time zone.
# SOURCE_DATE_EPOCH is left unset: the build takes the time of
# debian/changelog's top entry itself.
# --reuse-build takes the project's own build trees (build/win32, build/web,
# build/deb) as the first build, brought up to date where needed: CI, which
# has just built them, then builds each artefact only once more.
# For a file that differs it prints diffoscope's first differences (for
# setup.exe first what it and its uninstaller pack, with their times) and
# exits 1.
# Needs what the artefacts' own builds need (make win32-dist, make web, make deb).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$root/build/reproducible"
first="$work/first"
second="$work/second copy"
if [[ ${1:-} == --reuse-build ]]; then
  first="$root"
  shift
fi
if [[ $# -gt 0 ]]; then artefacts=("$@"); else artefacts=(win32 web); fi
unset SOURCE_DATE_EPOCH

# The second build's clock. Only the clock moves (NO_FAKE_STAT): by default
# libfaketime moves the times stat() reports for files by as much, which no
# later build sees. makensis packs each file with its modification time,
# which the build sets to the release's; it would then pack them 400 days
# later and the installer would differ for a reason of the check's own.
# The whole second build runs under it, since any step may read the clock:
# the compilers, makensis, and emcc with the node it runs, which all keep
# working under it. None of these builds starts Wine (only their tests do).
later=(env NO_FAKE_STAT=1 faketime -f +400.3d)

# build ARTEFACT TREE: builds ARTEFACT in TREE, only the targets it needs.
build() {
  local tree=$1
  case $artefact in
    win32)
      (cd "$tree" && cmake --preset win32 >/dev/null &&
        cmake --build --preset win32 --target dist --parallel 2 >/dev/null) ;;
    web)
      (cd "$tree" && cmake --preset web >/dev/null &&
        cmake --build --preset web --target radixel --parallel 2 >/dev/null) ;;
    deb)
      (cd "$tree" && DEB_BUILD_OPTIONS="nocheck parallel=2" systems/qt/packaging/build-deb.sh "$tree/build/deb" >/dev/null 2>&1) ;;
  esac
}

# The files each build leaves, relative to its tree.
outputs() {
  case $artefact in
    win32) (cd "$1" && ls build/win32/bin/radixel.exe build/win32/bin/radixel-cli.exe build/win32/dist/*) ;;
    web) echo build/web/radixel.html ;;
    deb) (cd "$1" && ls build/deb/*.deb) ;;
  esac
}

# installer_contents SETUP DIR: unpacks the installer SETUP into DIR and
# lists each file it packs, then each the uninstaller inside it packs, with
# the time makensis stored for it and its sha256. diffoscope sees only the
# installer's compressed bytes.
installer_contents() {
  local exe=$1 dir=$2
  7z x -y -o"$dir" "$exe" >/dev/null
  7z l -slt "$exe" | awk -F' = ' '$1 == "Path" { path = $2 } $1 == "Modified" { print path ": " ($2 == "" ? "no time" : "time " $2) }'
  (cd "$dir" && find . -type f -printf '%P\0' | sort -z | xargs -0 sha256sum)
  if [[ -f $dir/uninstall.exe ]]; then
    echo "-- packed in uninstall.exe:"
    installer_contents "$dir/uninstall.exe" "$dir.uninstall"
  fi
}

show_difference() {
  if [[ $1 == *-setup.exe ]]; then
    diff -u --label "$1" --label "$2" <(installer_contents "$1" "$work/contents/first") \
      <(installer_contents "$2" "$work/contents/second") | head -n 40 || true
  fi
  diffoscope --text - --max-text-report-size 20000 "$1" "$2" | head -n 60 || true
}

"$root/tools/install-deps.sh" reproducible
ahead=$(( $("${later[@]}" date +%s) - $(date +%s) ))
if (( ahead < 400 * 86400 )); then
  echo "check-reproducible: faketime did not move the clock (${ahead} s ahead)" >&2
  exit 1
fi
export -f build
status=0
for artefact in "${artefacts[@]}"; do
  case $artefact in
    win32) "$root/systems/win32/tools/win32-setup.sh" >/dev/null; "$root/tools/install-deps.sh" win32-dist ;;
    web) "$root/tools/install-deps.sh" web ;;
    deb) "$root/tools/install-deps.sh" core deb ;;
    *) echo "check-reproducible: unknown artefact '$artefact' (win32, web, deb)" >&2; exit 2 ;;
  esac
  rm -rf "$work"
  [[ $first == "$root" ]] || "$root/tools/copy-tree.sh" "$first"
  "$root/tools/copy-tree.sh" "$second"
  start=$SECONDS
  (umask 022 && LC_ALL=C.UTF-8 TZ=UTC build "$first") || { echo "check-reproducible: $artefact: the first build failed" >&2; exit 1; }
  (umask 077 && export artefact LC_ALL=C TZ=XYZ-13 &&
    "${later[@]}" bash -c 'build "$1"' - "$second") || { echo "check-reproducible: $artefact: the second build failed" >&2; exit 1; }
  echo "== $artefact: built twice in $((SECONDS - start)) s"
  mapfile -t files < <(outputs "$first")
  [[ ${#files[@]} -gt 0 ]] || { echo "check-reproducible: $artefact: nothing was built" >&2; exit 1; }
  for file in "${files[@]}"; do
    if cmp -s "$first/$file" "$second/$file"; then
      echo "identical: $file ($(stat -c %s "$first/$file") bytes, sha256 $(sha256sum <"$first/$file" | cut -c1-16)...)"
    else
      echo "DIFFERENT: $file"
      [[ -f "$second/$file" ]] && show_difference "$first/$file" "$second/$file"
      status=1
    fi
  done
done
if [[ $status -eq 0 ]]; then
  rm -rf "$work"
else
  echo "check-reproducible: the builds stay in $work for a closer look" >&2
fi
exit $status
