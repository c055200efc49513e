#!/usr/bin/env bash
# Checks the Windows download under Wine as a Windows user would use it:
#   systems/win32/tools/check-win32-dist.sh [BUILD_DIR]      (default: build/win32, after make win32-dist)
# Installer, each time into a fresh state of one Wine prefix, then removed
# again with uninstall.exe /S, which must leave no file, shortcut or key:
# - setup.exe /S (as an administrator: for everyone) into Program Files,
#   with the Start-menu shortcut and the uninstall key under the machine;
#   the installed radixel.exe starts and converts ff through its window
#   (drive_program.exe, built from systems/win32/tests);
# - setup.exe /S /CurrentUser, the install that needs no administrator
#   rights: into the user's programs folder, with the shortcut and the
#   uninstall key under the current user and nothing where only an
#   administrator may write (Program Files, the machine's Start menu and
#   registry); its radixel-cli.exe converts ff;
# - setup.exe /S /D=FOLDER: into that folder;
# - while radixel.exe runs from the install, uninstall.exe /S (plain, and
#   in place with _?=, which returns its status) and setup.exe /S change
#   nothing and the latter two end with status 2;
# - a second install reuses the first one's folder, or, given another one
#   with /D=, removes the first copy: no copy is left without its entry.
# The finish page's "Run Radixel" is not shown in silent mode.
# Zip: the four files with CRLF texts; the unpacked radixel-cli.exe converts ff.
# Exits 77 where this machine cannot run 32-bit Windows programs. Ends the
# Wine processes and the X server it started.
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
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
# A copy of the tests' prefix where they have made one: far quicker than a
# new prefix where 32-bit programs run under emulation.
export RADIXEL_WINE_TEMPLATE="$build/wine-prefix"
wine_run() { "$root/systems/win32/tools/win32-wine.sh" --prefix "$prefix" "$@"; }
unpacked="$(mktemp -d)"
trap 'wine_run --stop; rm -rf "$unpacked" "$prefix"' EXIT

files=(radixel.exe radixel-cli.exe README.txt LICENSE.txt uninstall.exe)
machine_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Radixel'
user_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Radixel'
# The installer is a 32-bit program: its keys are in the registry's 32-bit view.
reg_query() { wine_run --tool reg query "$1" /reg:32; }
has_key() { reg_query "$1" >/dev/null 2>&1; }
windows_path() { local path='C:\'"${1#"$prefix/drive_c/"}"; echo "${path//\//\\}"; }

# install WHAT FOLDER_PATTERN SETUP_ARGS...: runs the installer and checks
# the files in the one folder matching FOLDER_PATTERN (a find -path under
# drive_c); sets instdir to it.
install() {
  local what=$1 pattern=$2 status=0
  shift 2
  echo "== $(basename "$setup") $* ($what; $(stat -c %s "$setup") bytes)"
  wine_run "$setup" "$@" || status=$?
  [[ $status -eq 77 ]] && exit 77
  [[ $status -eq 0 ]] || fail "$what: the installer exited with status $status"
  instdir=$(find "$prefix/drive_c" -maxdepth 7 -type d -path "$prefix/drive_c/$pattern" | head -n1)
  [[ -n $instdir ]] || fail "$what: no folder $pattern"
  for f in "${files[@]}"; do [[ -f $instdir/$f ]] || fail "$what: $f was not installed"; done
}

# check_entry WHAT KEY SHORTCUT: the uninstall key with its values, naming
# the install's folder, and the Start-menu shortcut.
check_entry() {
  local what=$1 key=$2 shortcut=$3 values location
  values=$(reg_query "$key" | tr -d '\r') || fail "$what: no uninstall key $key"
  for name in DisplayName DisplayVersion Publisher DisplayIcon UninstallString URLInfoAbout; do
    grep -q "^ *$name " <<<"$values" || fail "$what: the uninstall key has no $name"
  done
  location=$(awk '$1 == "InstallLocation" { sub(/^ *InstallLocation +REG_SZ +/, ""); print }' <<<"$values")
  [[ ${location,,} == "$(windows_path "$instdir" | tr '[:upper:]' '[:lower:]')" ]] ||
    fail "$what: the uninstall key names '$location', not $(windows_path "$instdir")"
  [[ -f $shortcut ]] || fail "$what: no Start-menu shortcut ${shortcut#"$prefix/"}"
  echo "$what: installed into ${instdir#"$prefix/"}, shortcut and uninstall key $key present"
}

# uninstall WHAT KEY SHORTCUT: uninstall.exe /S leaves none of them.
uninstall() {
  local what=$1 key=$2 shortcut=$3
  wine_run "$instdir/uninstall.exe" /S
  # The uninstaller runs on from a copy of itself so that it can delete
  # itself; the shortcut goes after the files.
  for _ in $(seq 120); do [[ -e $instdir || -e $shortcut ]] || break; sleep 0.5; done
  [[ ! -e $instdir ]] || fail "$what: the uninstaller left $(ls "$instdir" | tr '\n' ' ')"
  [[ ! -e $shortcut ]] || fail "$what: the uninstaller left the shortcut"
  if has_key "$key"; then fail "$what: the uninstaller left the uninstall key"; fi
  echo "$what: uninstalled, no files, shortcut or key left"
}

# For everyone. (A 32-bit program goes to the 32-bit Program Files on 64-bit Windows.)
machine_menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Radixel.lnk"
install "for everyone" 'Program Files*/Radixel' /S
check_entry "for everyone" "$machine_key" "$machine_menu"
wine_run "$build/bin/drive_program.exe" "$(windows_path "$instdir")\\radixel.exe" | tr -d '\r' ||
  fail "the installed radixel.exe did not convert ff"
uninstall "for everyone" "$machine_key" "$machine_menu"

# start_radixel: radixel.exe of the install runs in the background, its
# window shown, until stop_radixel presses its Exit button.
start_radixel() {
  wine_run "$instdir/radixel.exe" &
  runner=$!
  wine_run "$build/bin/drive_program.exe" --wait-window || fail "radixel.exe did not start"
}
stop_radixel() {
  wine_run "$build/bin/drive_program.exe" --exit || fail "radixel.exe did not end"
  wait "$runner" || true
}
# unchanged WHAT KEY SHORTCUT: the files, the shortcut and the key are all still there.
unchanged() {
  for f in "${files[@]}"; do [[ -f $instdir/$f ]] || fail "$1: $f was removed"; done
  [[ -f $3 ]] || fail "$1: the shortcut was removed"
  has_key "$2" || fail "$1: the uninstall key was removed"
}

# While Radixel runs, neither the uninstaller nor the installer changes
# anything. (In a folder without spaces: Wine quotes an argument with
# spaces, and a quoted _?= makes the uninstaller hand over to a copy.)
install "while Radixel runs" 'Tools/Radixel' /S '/D=C:\Tools\Radixel'
start_radixel
wine_run "$instdir/uninstall.exe" /S
sleep 10  # the uninstaller runs on from a copy of itself
unchanged "uninstall.exe /S while Radixel runs" "$machine_key" "$machine_menu"
status=0
wine_run "$instdir/uninstall.exe" /S "_?=$(windows_path "$instdir")" || status=$?
[[ $status -eq 2 ]] || fail "uninstall.exe /S _?= while Radixel runs: status $status, not 2"
unchanged "uninstall.exe /S _?= while Radixel runs" "$machine_key" "$machine_menu"
status=0
wine_run "$setup" /S || status=$?
[[ $status -eq 2 ]] || fail "setup.exe /S while Radixel runs: status $status, not 2"
unchanged "setup.exe /S while Radixel runs" "$machine_key" "$machine_menu"
stop_radixel
echo "while Radixel runs: uninstaller and installer changed nothing, status 2"

# A second install: without /D= into the first one's folder; into another
# folder only with the first copy removed.
install "a second install without /D=" 'Tools/Radixel' /S
[[ -z $(find "$prefix/drive_c" -maxdepth 2 -path '*/Program Files*/Radixel') ]] ||
  fail "a second install without /D= did not reuse C:\Tools\Radixel"
check_entry "a second install without /D=" "$machine_key" "$machine_menu"
first="$instdir"
install "a second install into another folder" 'Apps/Radixel' /S '/D=C:\Apps\Radixel'
[[ ! -e $first ]] || fail "a second install into another folder left the first copy in ${first#"$prefix/"}"
check_entry "a second install into another folder" "$machine_key" "$machine_menu"
uninstall "a second install into another folder" "$machine_key" "$machine_menu"
echo "a second install: reused the folder, or removed the first copy"

# For the current user, without administrator rights.
install "for the current user" 'users/*/AppData/Local/Programs/Radixel' /S /CurrentUser
user_menu="${instdir%/Local/Programs/Radixel}/Roaming/Microsoft/Windows/Start Menu/Programs/Radixel.lnk"
check_entry "for the current user" "$user_key" "$user_menu"
if has_key "$machine_key"; then fail "for the current user: an uninstall key under the machine"; fi
[[ -z $(find "$prefix/drive_c" -maxdepth 2 -path '*/Program Files*/Radixel') ]] ||
  fail "for the current user: a Radixel folder in Program Files"
[[ ! -e $machine_menu ]] || fail "for the current user: a shortcut in the machine's Start menu"
result=$(wine_run "$instdir/radixel-cli.exe" hex2dec ff | tr -d '\r')
[[ $result == "255." ]] || fail "for the current user: radixel-cli.exe printed '$result'"
echo "for the current user: nothing where only an administrator may write; radixel-cli.exe hex2dec ff: $result"
uninstall "for the current user" "$user_key" "$user_menu"

# Into a folder of one's choice. (/D= is never quoted, so that Windows takes
# a folder with spaces as typed; from here an argument with spaces would come
# quoted.)
install "with /D=" 'Tools/Radixel' /S '/D=C:\Tools\Radixel'
check_entry "with /D=" "$machine_key" "$machine_menu"
uninstall "with /D=" "$machine_key" "$machine_menu"

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
