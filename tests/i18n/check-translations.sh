#!/usr/bin/env bash
# Fails when a text of the sources has no finished translation in one of the
# .ts files, or a .ts file translates a text no source has any more.
# Usage: check-translations.sh LUPDATE SOURCES.lst FILE.ts...
set -euo pipefail
lupdate=$1
sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

copies=()
for ts in "$@"; do
  cp "$ts" "$work/"
  copies+=("$work/$(basename "$ts")")
done
# The same options as the update_translations target, on copies, keeping
# what a source no longer has (marked vanished) so that it can be reported.
"$lupdate" -silent -tr-function-alias QT_TR_NOOP+=VELMORA_TEXT -locations none \
  "@$sources" -ts "${copies[@]}"

status=0
for ts in "${copies[@]}"; do
  name=$(basename "$ts")
  # A finished translation has no type; an empty one is unfinished too.
  pattern='<translation type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>'
  count=$(grep -c -E "$pattern" "$ts" || true)
  if [ "$count" -gt 0 ]; then
    echo "$name: $count texts without a finished translation, or translated but gone from the sources:"
    grep -B2 -E "$pattern" "$ts" | grep -v -E '^--$|<message>|<translation' || true
    status=1
  fi
done
[ $status -eq 0 ] && echo "Every text has a finished translation in: $(for ts in "$@"; do basename "$ts"; done | tr '\n' ' ')"
exit $status
