#!/usr/bin/env bash
# Takes the README's picture of the English interface: the built editor under
# Xvfb with Language=en, a letter converted from ATF open, a transliteration
# being typed and the Setting menu's "Language" submenu open.
# Usage: scripts/screenshot-english.sh BUILD_DIR OUTPUT.png   (BUILD_DIR holds velmora)
set -u
build="$(realpath "$1")"
output="$(realpath -m "$2")"
command -v import >/dev/null || { echo "import (imagemagick) is needed" >&2; exit 1; }
source "$(dirname "$0")/../tests/e2e/session.sh"

dir="$work/letter"; mkdir -p "$dir"
cat >"$dir/letter.atf" <<'ATF'
&X000001 = Letter
1. a-na be-li₂-ia
2. qi₂-bi₂-ma
3. um-ma {m}ṣi-li₂-{d}UTU ARAD-ka-a-ma
4. i-nu an-um ṣi-ru-um lugal {d}a-nun-na-ki
ATF
"$build/velmora-signs" convert --no-labels "$dir/letter.atf" "$dir/letter.txt"
printf '[UI]\r\nLanguage=en\r\n[Worddata]\r\nFilename=%s\r\n[Window]\r\nX=0\r\nY=0\r\nWidth=960\r\nHeight=540\r\n' \
  "$build/signdata.cfd" >"$dir/config.ini"

start_program "$dir" "$build/velmora" letter.txt
w=$(window "letter.txt - Velmora") || { echo "the editor's window did not appear" >&2; exit 1; }
focus "$w"
keys ctrl+End ctrl+space
typed "lugal"
keys space
# Setting > Language, its submenu open.
keys alt+v Up Right
sleep 0.5
import -window root -crop 960x540+0+0 +repage "$output"
echo "wrote $output"
