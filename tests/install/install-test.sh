#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the tree and validates
# what the desktop reads (desktop entry, AppStream metadata, file type,
# manual pages), then starts the installed editor from an empty folder with
# an empty home under Xvfb: it must find its installed sign data, create its
# settings in the user's configuration folder, and keep its window's place
# and size there when it ends.
# Usage: install-test.sh BUILD_FOLDER APP_ID
set -u
build="$(realpath "$1")"
app_id="$2"

source "$(dirname "$0")/../e2e/session.sh"

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
  || { cat "$work/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }

# The tree.
for f in bin/velmora bin/velmora-signs; do
  [ -x "$prefix/$f" ] && pass "$f installed" || fail "$f missing or not executable"
done
for f in share/velmora/signdata.cfd \
         "share/applications/$app_id.desktop" \
         "share/icons/hicolor/scalable/apps/$app_id.svg" \
         "share/metainfo/$app_id.metainfo.xml" \
         "share/mime/packages/$app_id.xml" \
         share/man/man1/velmora.1.gz share/man/man1/velmora-signs.1.gz; do
  [ -s "$prefix/$f" ] && pass "$f installed" || fail "$f missing or empty"
done

# What the desktop reads.
desktop="$prefix/share/applications/$app_id.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] \
  && pass "desktop entry valid" || fail "desktop-file-validate: $out"
grep -qx 'Exec=velmora %f' "$desktop" && grep -qx "Icon=$app_id" "$desktop" \
  && pass "desktop entry opens the files it is given, names the icon" || fail "desktop entry Exec/Icon"
out=$(appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" 2>&1) \
  && pass "AppStream metadata valid" || fail "appstreamcli validate: $out"
xmllint --noout "$prefix/share/mime/packages/$app_id.xml" "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" \
  && pass "file type and icon are well-formed XML" || fail "xmllint"
for page in velmora velmora-signs; do
  text=$(MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1.gz" 2>&1)
  grep -q "^NAME" <<<"$text" && grep -q "$page  *- " <<<"$text" && grep -q "^DESCRIPTION" <<<"$text" \
    && pass "manual page of $page" || fail "manual page of $page: $text"
done
man -l "$prefix/share/man/man1/velmora-signs.1.gz" 2>/dev/null | grep -q "lookup DICT.cfd TRANSLITERATION" \
  && pass "velmora-signs' page describes its commands" || fail "velmora-signs' page lacks the commands"

# The programs answer on the command line without a display.
DISPLAY= "$prefix/bin/velmora" --help | grep -q "^Usage: velmora" && pass "velmora --help" || fail "velmora --help"
"$prefix/bin/velmora-signs" lookup "$prefix/share/velmora/signdata.cfd" lugal | grep -q "U+12217" \
  && pass "velmora-signs reads the installed sign data" || fail "velmora-signs lookup lugal"

# Started from an empty folder with an empty home.
empty="$work/empty"; mkdir -p "$empty"
start_program "$empty" "$prefix/bin/velmora"
if w=$(window "new file - Velmora"); then
  pass "the installed editor starts with its installed sign data"
  config="$XDG_CONFIG_HOME/velmora/config.ini"
  grep -q '^Filename=.\\signdata.cfd' "$config" 2>/dev/null \
    && pass "config.ini created in the user's configuration folder" || fail "no config.ini in $XDG_CONFIG_HOME/velmora"
  focus "$w"
  keys alt+f x
  if ended; then
    grep -q '^\[Window\]' "$config" && grep -q '^Width=' "$config" \
      && pass "the window's place and size kept in the user's config.ini" || fail "config.ini: $(cat "$config")"
  else
    fail "Exit did not end the installed editor"
  fi
  [ -z "$(ls -A "$empty")" ] && pass "nothing written into the start folder" || fail "start folder: $(ls -A "$empty")"
else
  fail "the installed editor did not show its window: $(cat "$work/editor.log")"
fi

finish
