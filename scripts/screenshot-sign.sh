#!/usr/bin/env bash
# Makes docs/sign-information.png, the picture in the README's section on
# readings: the editor in a display of its own (Xvfb), the opening of a
# letter typed in the "Sign" setting, du₃ taken as the third candidate of
# du, the status bar telling about the sign before the cursor and the
# tooltip of a sign under the pointer. Needs a built editor (the one
# scripts/run.sh builds, or the one named), xdotool, Xvfb and ImageMagick.
# Usage: scripts/screenshot-sign.sh [VELMORA]
set -u
cd "$(dirname "$0")/.."
out="$PWD/docs/sign-information.png"
velmora="$(realpath "${1:-build-release/velmora}")"
command -v import >/dev/null || { echo "ImageMagick's import is needed (apt-get install imagemagick)" >&2; exit 1; }
source tests/e2e/session.sh

start_program "$work" "$velmora"
w=$(window "new file - Velmora") || { echo "the editor did not start" >&2; exit 1; }
xdotool windowsize --sync "$w" 900 360
focus "$w"
# Each reading is looked up with Space and its first candidate taken with
# Enter; a space between the words, Enter between the lines.
sign() { for reading in "$@"; do typed "$reading"; keys space; keys Return; done; }
keys ctrl+space
sign a na; keys space; sign be li2 ia; keys space; sign qi2 bi2 ma; keys Return
sign um ma; keys space
# du, then the third of its candidates: du₃.
typed du
keys space space space Return
# The pointer over the first sign of qi₂-bi₂-ma, until its tooltip shows
# (right of the signs of the second line, so that it covers none of them).
eval "$(xdotool getwindowgeometry --shell "$w")"
xdotool mousemove --window "$w" 245 45
sleep 0.5
xdotool mousemove --window "$w" 247 46
sleep 2.5
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "wrote $out"
