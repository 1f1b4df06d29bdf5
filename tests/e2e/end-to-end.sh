#!/usr/bin/env bash
# End-to-end scenarios: the built editor in a real X server (Xvfb), in a
# temporary folder with an empty home, driven with real key presses
# (xdotool).
# Usage: end-to-end.sh VELMORA SIGNDATA
set -u
velmora="$(realpath "$1")"
signdata="$(realpath "$2")"

source "$(dirname "$0")/session.sh"
# Where the editor keeps recovery copies (the user's data folder).
recovery="$XDG_DATA_HOME/velmora/recovery"

# Starts the editor in folder $1 with the remaining arguments.
start() {
  local folder="$1"; shift
  start_program "$folder" "$velmora" "$@"
}

# 1. A transliteration typed in the "Sign" setting becomes a sign in the
#    opened file, saved with Ctrl+S without a dialog. The settings are the
#    user's, the sign data the build's, beside the program.
scenario_convert_and_save() {
  local dir="$work/convert"; mkdir -p "$dir"
  printf 'x' >"$dir/tablet.txt"
  start "$dir" tablet.txt
  local w; w=$(window "tablet.txt - Velmora") || { fail "the opened file's window did not appear"; return; }
  focus "$w"
  keys ctrl+space
  typed "lugal"
  keys space Return
  keys ctrl+space
  typed " a"
  keys ctrl+s
  keys alt+f x
  ended || { fail "Exit did not end the editor after saving"; return; }
  # U+12217 LUGAL, then " a", then the x that was there.
  local want="f0928897206178"
  [ "$(hex "$dir/tablet.txt")" = "$want" ] && pass "lugal converted and saved" \
    || fail "saved bytes $(hex "$dir/tablet.txt"), expected $want"
}

# 2. When the sign data file config.ini names is nowhere, the editor says so
#    and ends without its window, leaving config.ini as it was.
scenario_missing_sign_data() {
  local dir="$work/missing"; mkdir -p "$dir"
  printf '[Worddata]\r\nFilename=nowhere.cfd\r\n' >"$dir/config.ini"
  start "$dir"
  local m; m=$(window "エラー") || { fail "no error message without sign data"; return; }
  xdotool search --onlyvisible --name "Velmora" >/dev/null 2>&1 && fail "the main window is shown"
  focus "$m"
  keys Return
  ended || { fail "the editor did not end after the message"; return; }
  [ "$(cat "$dir/config.ini")" = "$(printf '[Worddata]\r\nFilename=nowhere.cfd\r')" ] \
    && pass "missing sign data reported, config.ini unchanged" || fail "config.ini: $(cat "$dir/config.ini")"
}

# 3. Leaving with unsaved text asks first; cancelling keeps the editor open,
#    discarding ends it and writes nothing.
scenario_unsaved_question() {
  # A portable set-up: config.ini and the sign data in the start folder.
  local dir="$work/unsaved"; mkdir -p "$dir"; cp "$signdata" "$dir/signdata.cfd"
  printf '[Worddata]\r\nFilename=.\\signdata.cfd\r\n' >"$dir/config.ini"
  start "$dir"
  local w; w=$(window "new file - Velmora") || { fail "the main window did not appear"; return; }
  focus "$w"
  typed "abc"
  keys alt+f x
  local q; q=$(window "確認") || { fail "no question before discarding changed text"; return; }
  focus "$q"
  keys Escape
  sleep 0.5
  kill -0 "$app_pid" 2>/dev/null && pass "cancelling the question keeps the editor" \
    || { fail "the editor ended although the question was cancelled"; return; }
  focus "$w"
  keys alt+f x
  q=$(window "確認") || { fail "no question the second time"; return; }
  focus "$q"
  # The buttons are Save, Don't save, Cancel; the second discards.
  keys Tab space
  ended && pass "discarding ends the editor" || fail "the editor did not end after discarding"
  [ -z "$(ls "$dir"/*.txt 2>/dev/null)" ] || fail "a file was written: $(ls "$dir")"
}

# 4. Unsaved text survives the editor being killed 1.5 s after the last key:
#    the next start, at once, offers every typed character; restoring makes
#    it the unsaved document of its file, and saving writes that file and
#    leaves no copy behind.
scenario_crash_recovery() {
  local dir="$work/crash"; mkdir -p "$dir"
  printf 'x' >"$dir/tablet.txt"
  start "$dir" tablet.txt
  local w; w=$(window "tablet.txt - Velmora") || { fail "the opened file's window did not appear"; return; }
  focus "$w"
  xdotool type --delay 20 "a-na be-li-ia qi-bi-ma um-ma "
  sleep 1.5
  kill -KILL "$app_pid"; wait "$app_pid" 2>/dev/null; app_pid=""
  [ "$(cat "$dir/tablet.txt")" = "x" ] || fail "the user's file changed before it was saved"

  start "$dir"
  local q; q=$(window "確認") || { fail "the next start did not offer the unsaved text"; return; }
  focus "$q"
  keys Return
  w=$(window "tablet.txt\\* - Velmora") || { fail "the restored text is not named after its file, marked unsaved"; return; }
  focus "$w"
  keys ctrl+s
  keys alt+f x
  ended || { fail "the editor did not end after saving the restored text"; return; }
  [ "$(cat "$dir/tablet.txt")" = "a-na be-li-ia qi-bi-ma um-ma x" ] \
    && pass "every character typed 1.5 s before a kill restored and saved" \
    || fail "tablet.txt holds '$(cat "$dir/tablet.txt")', expected 'a-na be-li-ia qi-bi-ma um-ma x'"
  [ -z "$(ls "$recovery" 2>/dev/null)" ] || fail "recovery copies left: $(ls "$recovery")"
}

# 5. Two editors killed: the next start offers both; the first restored
#    goes into its window, the second into a window of its own. A damaged
#    copy beside them is reported with its path and kept.
scenario_two_killed_and_a_damaged_copy() {
  local dir="$work/two"; mkdir -p "$dir"
  printf '' >"$dir/a.txt"; printf '' >"$dir/b.txt"
  start "$dir" a.txt; local first=$app_pid
  local w; w=$(window "a.txt - Velmora") || { fail "the first editor did not appear"; return; }
  focus "$w"; typed "lugal"
  start "$dir" b.txt; local second=$app_pid
  w=$(window "b.txt - Velmora") || { fail "the second editor did not appear"; return; }
  focus "$w"; typed "kur"
  sleep 1.5
  kill -KILL "$first" "$second"; wait "$first" "$second" 2>/dev/null; app_pid=""
  local damaged="$recovery/recovery-00000000000bad00.vrc"
  printf 'VELMORA RECOVERY 2\n\x81\x05\x00\x00\x00\x00\x00\x00\x00hello' >"$damaged"
  touch -d '1 hour ago' "$damaged"

  start "$dir"
  local answered=0 reported=0
  for _ in 1 2 3; do
    local q; q=$(window "^(確認|エラー)$") || break
    case "$(xdotool getwindowname "$q")" in
      確認) answered=$((answered + 1)) ;;
      エラー) reported=$((reported + 1)) ;;
    esac
    focus "$q"; keys Return
  done
  [ "$answered" -eq 2 ] && pass "both killed editors' texts offered" || fail "$answered of 2 copies offered"
  [ "$reported" -eq 1 ] && pass "the damaged copy reported" || fail "the damaged copy was reported $reported times"
  [ -f "$damaged" ] && pass "the damaged copy kept" || fail "the damaged copy is gone"
  local a b
  a=$(window "a.txt\\* - Velmora") && b=$(window "b.txt\\* - Velmora") \
    && pass "both texts restored, each in a window" || fail "not both texts restored in windows"
  for id in $a $b; do extra_pids="$extra_pids $(xdotool getwindowpid "$id" 2>/dev/null)"; done
  for p in $extra_pids; do kill -KILL "$p" 2>/dev/null; done
  app_pid=""; extra_pids=""
  rm -f "$recovery"/recovery-*.vrc
}

# 6. A recovery folder that cannot be written: the editor goes on, and says
#    that unsaved changes are not protected.
scenario_unwritable_recovery() {
  local dir="$work/unwritable"; mkdir -p "$dir" "$(dirname "$recovery")"
  rm -rf "$recovery"; printf 'in the way' >"$recovery"
  start "$dir"
  local w; w=$(window "new file - Velmora") || { fail "the main window did not appear"; return; }
  focus "$w"
  typed "ana"
  local said=""
  for _ in $(seq 50); do
    grep -q "unsaved changes are not protected" "$work/editor.log" && { said=1; break; }
    sleep 0.1
  done
  [ -n "$said" ] && pass "an unwritable recovery folder is said" || fail "nothing said of the unwritable recovery folder"
  kill -KILL "$app_pid"; wait "$app_pid" 2>/dev/null; app_pid=""
  rm -f "$recovery"
}

# 7. Without a display the editor says so in one line and ends with an
#    error status instead of aborting.
scenario_no_display() {
  local dir="$work/nodisplay"; mkdir -p "$dir"
  local out rc
  out=$(cd "$dir" && env -u DISPLAY -u WAYLAND_DISPLAY "$velmora" 2>&1); rc=$?
  { [ "$rc" -eq 1 ] && [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] && [[ "$out" == *"no display"* ]]; } \
    && pass "no display: one line, status 1" || fail "without DISPLAY: status $rc, output '$out'"
  out=$(cd "$dir" && DISPLAY=:99999 "$velmora" 2>&1); rc=$?
  { [ "$rc" -eq 1 ] && [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] && [[ "$out" == *"no display"* ]]; } \
    && pass "an unreachable display: one line, status 1" || fail "with DISPLAY=:99999: status $rc, output '$out'"
}

# 8. With Language=en in config.ini the same start-up failure speaks English,
#    from its caption to the path it names.
scenario_english_message() {
  local dir="$work/english"; mkdir -p "$dir"
  printf '[UI]\r\nLanguage=en\r\n[Worddata]\r\nFilename=nowhere.cfd\r\n' >"$dir/config.ini"
  start "$dir"
  local m; m=$(window "^Error$") || { fail "no English error caption with Language=en"; return; }
  focus "$m"
  keys Return
  ended && pass "English start-up message with Language=en" || fail "the editor did not end after the message"
}

scenario_convert_and_save
scenario_missing_sign_data
scenario_english_message
scenario_unsaved_question
scenario_crash_recovery
scenario_two_killed_and_a_damaged_copy
scenario_unwritable_recovery
scenario_no_display

finish
