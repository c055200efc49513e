#!/usr/bin/env bash
# Checks the Windows download under Wine as a Windows user would use it:
#   tools/check-win32-dist.sh [BUILD_DIR]      (default: build/win32, after make win32-dist)
# Installer: setup.exe /S into a fresh Wine prefix; the files, the Start-menu
# shortcut and the uninstall key with its values are there; the installed
# radixel.exe starts and converts ff through its window (drive_program.exe,
# built from systems/win32/tests); uninstall.exe /S leaves no file, shortcut or key.
# Zip: the four files with CRLF texts; the unpacked radixel-cli.exe converts ff.
# Exits 77 where this machine cannot run 32-bit Windows programs. Ends the
# Wine processes and the X server it started.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build/win32}")"
setups=("$build"/dist/radixel-*-setup.exe)
zips=("$build"/dist/radixel-*-win32.zip)
[[ -f ${setups[0]} && -f ${zips[0]} ]] || { echo "check-win32-dist: no download in $build/dist (make win32-dist)" >&2; exit 2; }
setup="${setups[0]}" zip="${zips[0]}"
cmake --build "$build" --target drive_program >/dev/null

fail() { echo "check-win32-dist: $*" >&2; exit 1; }
prefix="$build/wine-prefix-dist"
rm -rf "$prefix"
# No menu entries on this machine's own desktop for the installer's shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wine_run() { "$root/tools/win32-wine.sh" --prefix "$prefix" "$@"; }
unpacked="$(mktemp -d)"
trap 'wine_run --stop; rm -rf "$unpacked" "$prefix"' EXIT

echo "== $(basename "$setup") /S ($(stat -c %s "$setup") bytes)"
status=0
wine_run "$setup" /S || status=$?
[[ $status -eq 77 ]] && exit 77
[[ $status -eq 0 ]] || fail "the installer exited with status $status"

# A 32-bit program goes to the 32-bit Program Files on 64-bit Windows.
instdir=$(find "$prefix/drive_c" -maxdepth 3 -type d -path '*/Program Files*/Radixel' | head -n1)
[[ -n $instdir ]] || fail "no Radixel folder under Program Files"
for f in radixel.exe radixel-cli.exe README.txt LICENSE.txt uninstall.exe; do
  [[ -f $instdir/$f ]] || fail "$f was not installed"
done
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Radixel.lnk"
[[ -f $shortcut ]] || fail "no Start-menu shortcut"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Radixel'
values=$(wine_run reg query "$key" /reg:32 | tr -d '\r') || fail "no uninstall key"
for name in DisplayName DisplayVersion Publisher DisplayIcon UninstallString; do
  grep -q "^ *$name " <<<"$values" || fail "the uninstall key has no $name"
done
echo "installed into ${instdir#"$prefix/"}, shortcut and uninstall key present"

windir='C:\'"${instdir#"$prefix/drive_c/"}"
windir=${windir//\//\\}
wine_run "$build/bin/drive_program.exe" "$windir\\radixel.exe" | tr -d '\r' ||
  fail "the installed radixel.exe did not convert ff"

echo "== uninstall.exe /S"
wine_run "$instdir/uninstall.exe" /S
# The uninstaller runs on from a copy of itself so that it can delete itself.
for _ in $(seq 120); do [[ -e $instdir ]] || break; sleep 0.5; done
[[ ! -e $instdir ]] || fail "the uninstaller left $(ls "$instdir" | tr '\n' ' ')"
[[ ! -e $shortcut ]] || fail "the uninstaller left the shortcut"
if wine_run reg query "$key" /reg:32 >/dev/null 2>&1; then fail "the uninstaller left the uninstall key"; fi
echo "uninstalled: no files, shortcut or key left"

echo "== $(basename "$zip") ($(stat -c %s "$zip") bytes)"
(cd "$unpacked" && cmake -E tar xf "$zip")
[[ $(ls "$unpacked" | sort | tr '\n' ' ') == "LICENSE.txt README.txt radixel-cli.exe radixel.exe " ]] ||
  fail "the zip holds $(ls "$unpacked" | tr '\n' ' ')"
for text in README.txt LICENSE.txt; do
  [[ $(grep -c $'\r$' "$unpacked/$text") -eq $(wc -l <"$unpacked/$text") ]] || fail "$text has lines without CRLF"
done
result=$(wine_run "$unpacked/radixel-cli.exe" hex2dec ff | tr -d '\r')
echo "radixel-cli.exe hex2dec ff: $result"
[[ $result == "255." ]] || fail "radixel-cli.exe printed '$result'"
echo "check-win32-dist: all checks passed"
