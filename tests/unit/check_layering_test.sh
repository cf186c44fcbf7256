#!/usr/bin/env bash
# The layering check fails on an include its table does not allow and names the planted line.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
while IFS='|' read -r file edge directive; do
  rm -rf "$copy/src" && cp -r "$root/src" "$copy/src"
  echo "$directive" >>"$copy/src/$file"
  line="$copy/src/$file:$(wc -l <"$copy/src/$file"): $edge"
  if out=$("$root/scripts/check-layering" "$copy/src" 2>&1); then
    echo "not caught: $directive in $file"; exit 1
  fi
  grep -qxF "$line" <<<"$out" || { echo "expected \"$line\" in:"; echo "$out"; exit 1; }
done <<'ROWS'
common/placement.h|common -> app|#include "app/main_form.h"
memo/filter.cpp|memo -> hotkeys|  #  include "hotkeys/hotkey_list.h"
ROWS
