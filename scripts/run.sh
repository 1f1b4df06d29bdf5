#!/usr/bin/env bash
# Installs what is missing, builds the editor and its bundled sign data, and
# starts it. The editor runs in the build folder, where the bundled
# signdata.cfd lies and where it keeps its config.ini. A file named on the
# command line is opened at start.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
args=()
for a in "$@"; do
  if [ -e "$a" ]; then args+=("$(cd "$(dirname "$a")" && pwd)/$(basename "$a")"); else args+=("$a"); fi
done
"$root/scripts/setup-debian.sh"
build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_GUI=ON \
  -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCHMARKS=OFF
cmake --build "$build" --target velmora velmora_signdata
cd "$build"
exec ./velmora "${args[@]}"
