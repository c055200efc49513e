#!/usr/bin/env bash
# Checks the Debian package as Debian checks one, then installs and uses it:
#   systems/qt/packaging/check-deb.sh [PACKAGE.deb]     (default: the one in build/deb)
# lintian with no errors and no warnings; desktop-file-validate on the
# desktop entry and appstreamcli validate --pedantic on the metainfo, both as
# the package holds them; the user README and NEWS in the doc folder; both
# manual pages free of warnings (man --warnings) with their MESSAGES,
# LIMITS and EXAMPLES sections; apt-get install of the package; the
# installed radixel-cli converting ff, radixel finding all its libraries,
# and bash completing radixel-cli's modes and options.
# Leaves the machine as it found it: removes the package and every package
# its install brought in. Where radixel was installed before, it says so and
# keeps this package installed in its place.
# Runs as root (or through sudo). Needs: tools/install-deps.sh deb
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
run() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

# shellcheck source=systems/qt/packaging/built-deb.sh
source "$root/systems/qt/packaging/built-deb.sh"
deb="$(built_deb check-deb "${1:-}")"
echo "check-deb: $deb ($(stat -c %s "$deb") bytes)"

echo "== lintian"
lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)
echo "lintian: no errors, no warnings"

contents="$(mktemp -d)"
installed() { dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort; }
before="$(mktemp)"
added=()  # what the package's install brought in, radixel among it
# Removes what the check installed, on every way out.
restore() {
  if [[ ${#added[@]} -gt 0 ]]; then
    echo "== removing what the check installed: ${added[*]}"
    run env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "${added[@]}" >/dev/null
  fi
  if grep -qx radixel "$before"; then
    echo "check-deb: radixel was installed before the check; this package stays installed in its place"
  fi
  rm -rf "$contents" "$before"
}
trap restore EXIT
fail() { echo "check-deb: $*" >&2; exit 1; }
dpkg-deb -x "$deb" "$contents"
echo "== desktop-file-validate"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
echo "desktop entry valid"
echo "== appstreamcli validate"
appstreamcli validate --no-net --pedantic "$contents"/usr/share/metainfo/*.metainfo.xml

echo "== control-flow protection"
# On x86 the programs are built with -fcf-protection: every indirect-branch
# target starts with an ENDBR instruction. The linker adds the CET note
# (IBT, SHSTK) only when every object, the C library's start files too,
# carries it; where those lack it (Debian 12) the programs cannot either,
# and the landing pads show the flag was given.
case $(dpkg-deb -f "$deb" Architecture) in
  amd64 | i386)
    start_files=$(gcc -print-file-name=Scrt1.o)
    for program in radixel radixel-cli; do
      file="$contents/usr/bin/$program"
      if readelf -n "$start_files" | grep -q 'x86 feature: IBT, SHSTK'; then
        readelf -n "$file" | grep -q 'x86 feature: IBT, SHSTK' || fail "$program lacks the CET note (IBT, SHSTK)"
        echo "$program: CET note IBT, SHSTK"
      else
        pads=$(objdump -d --no-show-raw-insn "$file" | grep -c 'endbr' || true)
        ((pads >= 50)) || fail "$program has $pads ENDBR landing pads: built without -fcf-protection?"
        echo "$program: $pads ENDBR landing pads (no CET note: $start_files has none)"
      fi
    done ;;
  *) echo "no CET on this architecture" ;;
esac

echo "== documentation"
doc="$contents/usr/share/doc/radixel"
for f in README NEWS.gz copyright changelog.gz; do [[ -f $doc/$f ]] || fail "no $f in /usr/share/doc/radixel"; done
grep -q '^Keys' "$doc/README" || fail "the README lacks its Keys"
zgrep -q "Radixel $(dpkg-deb -f "$deb" Version)," "$doc/NEWS.gz" || fail "NEWS has no entry for this version"
echo "README, NEWS, copyright, changelog present"
for page in radixel radixel-cli; do
  man_file="$contents/usr/share/man/man1/$page.1.gz"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man_file" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "man $page warns: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$man_file" 2>/dev/null)
  sections=(MESSAGES LIMITS EXAMPLES)
  [[ $page == radixel-cli ]] && sections+=("ERRORS IN SCRIPTS")
  for section in "${sections[@]}"; do grep -qx "$section" <<<"$text" || fail "man $page has no $section section"; done
  for message in "Your entered an illegal char." "Number entered larger than 8 digits." \
                 "Enter number less than 255 Decimal."; do
    grep -qF "$message" <<<"$text" || fail "man $page does not explain \"$message\""
  done
  echo "man $page: no warnings; ${sections[*]} and the three messages"
done

echo "== apt-get install"
installed >"$before"
status=0
run env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$deb" >/dev/null || status=$?
mapfile -t added < <(installed | comm -13 "$before" -)
[[ $status -eq 0 ]] || fail "apt-get install failed (status $status)"
result="$(radixel-cli hex2dec ff)"
echo "radixel-cli hex2dec ff: $result"
[[ $result == "255." ]] || fail "the installed radixel-cli printed '$result'"
[[ $(command -v radixel) == /usr/bin/radixel ]] || fail "radixel not installed"
# The desktop program's libraries (Qt 6 and the rest) came with the package.
if ldd /usr/bin/radixel | grep 'not found'; then fail "radixel lacks libraries"; fi

echo "== bash completion"
# bash-completion loads a command's completion by its name on first use.
complete_words() {
  bash --norc -c 'source /usr/share/bash-completion/bash_completion
    _completion_loader radixel-cli
    read -r -a rule < <(complete -p radixel-cli) || exit
    COMP_WORDS=(radixel-cli "$1") COMP_CWORD=1
    "${rule[2]}" radixel-cli "$1" radixel-cli  # complete -F FUNCTION radixel-cli
    printf "%s\n" "${COMPREPLY[@]}"' - "$1" | sort | tr '\n' ' '
}
modes=$(radixel-cli --help | awk '/^MODE/ { on = 1; next } on && NF == 0 { exit } on { print $1 }' | sort | tr '\n' ' ')
[[ -n $modes && $(complete_words "") == "$modes" ]] || fail "completes '$(complete_words "")', not the modes '$modes'"
[[ $(complete_words --v) == "--version " ]] || fail "completes --v to '$(complete_words --v)'"
echo "radixel-cli completes its modes (${modes% }) and options"
echo "check-deb: all checks passed"
