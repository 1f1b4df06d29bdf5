#!/usr/bin/env bash
# Makes docs/candidate-window.png, the picture in the README: the editor in
# a display of its own (Xvfb), the opening of a letter typed in the "Sign"
# setting and the candidates of du on show. Needs a built editor (the one
# scripts/run.sh builds, or the one named), xdotool, Xvfb and ImageMagick.
# Usage: scripts/screenshot.sh [VELMORA]
set -u
cd "$(dirname "$0")/.."
out="$PWD/docs/candidate-window.png"
velmora="$(realpath "${1:-build-release/velmora}")"
command -v import >/dev/null || { echo "ImageMagick's import is needed (apt-get install imagemagick)" >&2; exit 1; }
source tests/e2e/session.sh

start_program "$work" "$velmora"
w=$(window "new file - Velmora") || { echo "the editor did not start" >&2; exit 1; }
focus "$w"
# Each reading is looked up with Space and its first candidate taken with
# Enter; a space between the words, Enter between the lines.
sign() { for reading in "$@"; do typed "$reading"; keys space; keys Return; done; }
keys ctrl+space
sign a na; keys space; sign be li2 ia; keys space; sign qi2 bi2 ma; keys Return
sign um ma; keys space
typed du
keys space Down Down
sleep 1
eval "$(xdotool getwindowgeometry --shell "$w")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "wrote $out"
