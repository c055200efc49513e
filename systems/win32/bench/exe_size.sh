#!/usr/bin/env bash
# Prints the size of the Windows program against its budget (160 KiB), when
# it has been built (make win32); says how to build it otherwise.
#   systems/win32/bench/exe_size.sh [path/to/radixel.exe]
set -euo pipefail
here=$(cd "$(dirname "$0")/../../.." && pwd)
exe=${1:-$here/build/win32/bin/radixel.exe}
if [[ ! -f $exe ]]; then
  echo "radixel.exe: not built here (make win32 builds it)"
  exit 0
fi
bytes=$(stat -c %s "$exe")
awk -v b="$bytes" 'BEGIN {
  printf "radixel.exe: %d bytes (%.1f KiB); budget: at most 160 KiB: %s\n", b, b / 1024, (b <= 160 * 1024) ? "met" : "NOT met"
}'
