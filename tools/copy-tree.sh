#!/usr/bin/env bash
# Copies the project's working tree, as a clone would hold it, to DEST:
#   tools/copy-tree.sh DEST
# The tracked and new files (not build/ or anything git ignores); in a tree
# without git (an unpacked archive), everything but build/ and .git.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dest="$1"
mkdir -p "$dest"
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # (A file deleted but not yet committed is still listed: skip it.)
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
     while IFS= read -r -d '' f; do [[ -e $f ]] && printf '%s\0' "$f"; done |
     xargs -0 cp --parents --no-dereference -t "$dest")
else
  tar -C "$root" --exclude=./build --exclude=./.git -cf - . | tar -C "$dest" -xf -
fi
