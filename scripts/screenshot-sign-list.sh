#!/usr/bin/env bash
# Takes the README's pictures docs/sign-list.png (the Sign List docked beside
# a letter, filtered by du) and docs/print-preview.png (File > "Print
# Preview…" of that letter), offscreen, with the fonts installed here.
# Usage: scripts/screenshot-sign-list.sh [BUILD_DIR]   (a build with the GUI)
set -eu
cd "$(dirname "$0")/.."
build="${1:-build-test}"
cmake --build "$build" --target velmora_screenshots
QT_QPA_PLATFORM=offscreen "$build/tests/velmora_screenshots" docs
