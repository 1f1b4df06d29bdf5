#!/usr/bin/env bash
# Installs what is missing, builds the editor and its bundled sign data, and
# starts it in the current folder with the arguments given (a file to open).
# It finds the sign data beside itself in the build folder, and keeps its
# config.ini in the user's configuration folder (~/.config/velmora), or in
# the current folder when one is there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-debian.sh"
build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_GUI=ON \
  -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCHMARKS=OFF
cmake --build "$build" --target velmora velmora_signdata
exec "$build/velmora" "$@"
