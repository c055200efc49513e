#!/usr/bin/env bash
# Copies the project's working tree, as a clone would hold it, to DEST:
#   tools/copy-tree.sh DEST
# The tracked and new files (not build/ or anything git ignores); in a tree
# that is not a clone's top (an unpacked archive), everything but build/
# and .git.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd -P)"
dest="$1"
mkdir -p "$dest"
# (A copy made inside another clone's build/ is no clone of its own: git
# would list nothing there.)
if [[ $(git -C "$root" rev-parse --show-toplevel 2>/dev/null) == "$root" ]]; then
  # (A file deleted but not yet committed is still listed: skip it.)
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
     while IFS= read -r -d '' f; do [[ -e $f ]] && printf '%s\0' "$f"; done |
     xargs -0 cp --parents --no-dereference -t "$dest")
else
  tar -C "$root" --exclude=./build --exclude=./.git -cf - . | tar -C "$dest" -xf -
fi
