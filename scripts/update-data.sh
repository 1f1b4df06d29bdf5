#!/usr/bin/env bash
# Makes the data in data/ again from a copy of the Oracc Sign List (osl.asl):
# the bundled sign data signdata.cfd, the sign names SignNames.inc and the
# ATF table AtfSigns.inc. Builds velmora-signs first if needed.
# Usage: scripts/update-data.sh PATH/TO/osl.asl [YYYY-MM-DD]
# The date is that of the copy (default: the file's modification date).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "Usage: $0 PATH/TO/osl.asl [YYYY-MM-DD]" >&2
  exit 2
fi
list="$1"
[ -r "$list" ] || { echo "$list: cannot be read" >&2; exit 2; }
date_args=()
[ $# -eq 2 ] && date_args=(--date "$2")

build="$root/build-data"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_GUI=OFF \
  -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target velmora-signs
"$build/velmora-signs" make-data "${date_args[@]}" "$list" "$root/data"
