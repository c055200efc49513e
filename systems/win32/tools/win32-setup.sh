#!/usr/bin/env bash
# Makes this machine ready to build the Windows program and run its tests
# under Wine: installs the win32 package group and, where the kernel cannot
# start 32-bit x86 programs (some virtual machines switch that off), has
# them started through QEMU's user-mode emulator instead.
#   systems/win32/tools/win32-setup.sh
# Runs as root (or through sudo).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
run() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

"$here/../../../tools/install-deps.sh" core win32

# A 32-bit program the 32-bit Wine needs anyway: its dynamic loader.
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  exit 0
fi
echo "win32-setup: this kernel does not run 32-bit programs; starting them through qemu-i386" >&2
"$here/../../../tools/install-deps.sh" win32-emulation
binfmt=/proc/sys/fs/binfmt_misc
[[ -e $binfmt/register ]] || run mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null || true
if [[ -e $binfmt/register && ! -e $binfmt/radixel-i386 ]]; then
  # 32-bit little-endian x86 ELF executables and shared objects.
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf ':radixel-i386:M::%s:%s:/usr/bin/qemu-i386-static:F\n' "$magic" "$mask" |
    run tee "$binfmt/register" >/dev/null || true
fi
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  # The programs still build; their runs under Wine report themselves skipped.
  echo "win32-setup: 32-bit programs cannot run on this machine: Wine runs will be skipped" >&2
fi
