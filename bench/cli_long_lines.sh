#!/usr/bin/env bash
# Peak memory of radixel-cli --batch on two long lines, against the bound
# of 3 x the line plus 16 MB: a 100 MB line of digits and a 50 MB line of
# control bytes, each converted "Bin to Dec" (the mode that also shows an
# illegal input, reversed, in the output box, so the record holds the line
# twice, and control bytes escape to four bytes each), and two lines of
# 50 MB of digits one after the other. Prints the peak, the
# output's size and its SHA-256, so that two builds can be compared byte
# for byte.
#   bench/cli_long_lines.sh [path/to/radixel-cli ...]
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
(( $# > 0 )) || set -- "$here/build/release/bin/radixel-cli"
[[ -x /usr/bin/time ]] || { echo "cli_long_lines: GNU time is needed (tools/install-deps.sh bench)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

digits=100000000
controls=50000000
# `yes` ends on a closed pipe, which is no failure here.
set +o pipefail
{ printf 'bin2dec\t'; yes 0123456789 | tr -d '\n' | head -c "$digits"; printf '\n'; } > "$work/digits"
{ printf 'bin2dec\t'; head -c "$controls" /dev/zero | tr '\0' '\033'; printf '\n'; } > "$work/controls"
# Two lines of half the digits, one after the other: while the second is
# converted, the window still shows the first one's output.
{ printf 'bin2dec\t'; head -c $(( digits / 2 )) "$work/digits" | tail -c +9; printf '\n'; } > "$work/half"
cat "$work/half" "$work/half" > "$work/two-lines"
rm "$work/half"
set -o pipefail

for cli in "$@"; do
  [[ -x $cli ]] || { echo "cli_long_lines: no program at $cli" >&2; exit 2; }
  echo "$cli"
  for input in digits controls two-lines; do
    length=$(( $(stat -c %s "$work/$input") ))
    [[ $input == two-lines ]] && length=$(( length / 2 ))
    bound_kib=$(( (3 * length + 16 * 1024 * 1024) / 1024 ))
    /usr/bin/time -f '%M %e' -o "$work/time" "$cli" --batch < "$work/$input" \
      | tee >(sha256sum | cut -c1-16 > "$work/sum") | wc -c > "$work/size"
    read -r peak_kib seconds < "$work/time"
    verdict=$([[ $peak_kib -le $bound_kib ]] && echo within || echo OVER)
    printf '  %-9s line %4d MB: peak %4d MB (bound %4d MB, %s), %4d MB out in %5.2f s, sha256 %s\n' \
      "$input" $(( length / 1000000 )) $(( peak_kib / 1024 )) $(( bound_kib / 1024 )) "$verdict" \
      $(( $(cat "$work/size") / 1000000 )) "$seconds" "$(cat "$work/sum")"
  done
done
