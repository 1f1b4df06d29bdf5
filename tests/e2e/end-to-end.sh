#!/usr/bin/env bash
# End-to-end scenarios: the built editor in a real X server (Xvfb), in a
# temporary folder, driven with real key presses (xdotool).
# Usage: end-to-end.sh VELMORA SIGNDATA
set -u
velmora="$1"
signdata="$2"

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  echo "Xvfb and xdotool are needed (scripts/setup-debian.sh installs them)" >&2
  exit 1
fi

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and writes it to a pipe.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&3 || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORM
# The user's data folder (recovery copies) of these runs only.
export XDG_DATA_HOME="$work/data"
recovery="$XDG_DATA_HOME/Velmora/recovery"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

passed=0
failed=0
fail() { echo "FAIL: $*" >&2; failed=$((failed + 1)); }
pass() { echo "ok: $*"; passed=$((passed + 1)); }

# Starts the editor in folder $1 with the remaining arguments.
start() {
  local folder="$1"; shift
  (cd "$folder" && exec "$velmora" "$@" >"$folder/editor.log" 2>&1) &
  app_pid=$!
}

# Waits for a visible window whose title matches $1; prints its id.
window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$app_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits for the editor to end; succeeds when it ended by itself.
ended() {
  for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || { wait "$app_pid"; local rc=$?; app_pid=""; return $rc; }
    sleep 0.1
  done
  return 1
}

focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"; sleep 0.3; }
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
typed() { xdotool type --delay 60 "$1"; sleep 0.3; }
hex() { od -An -tx1 "$1" | tr -d ' \n'; }

# 1. A transliteration typed in the "Sign" setting becomes a sign in the
#    opened file, saved with Ctrl+S without a dialog.
scenario_convert_and_save() {
  local dir="$work/convert"; mkdir -p "$dir"; cp "$signdata" "$dir/signdata.cfd"
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

# 2. Without sign data the editor says so and ends without its window,
#    leaving a config.ini with the two defaults.
scenario_missing_sign_data() {
  local dir="$work/missing"; mkdir -p "$dir"
  start "$dir"
  local m; m=$(window "エラー") || { fail "no error message without sign data"; return; }
  xdotool search --onlyvisible --name "Velmora" >/dev/null 2>&1 && fail "the main window is shown"
  focus "$m"
  keys Return
  ended || { fail "the editor did not end after the message"; return; }
  grep -q '^Name=Akkadian' "$dir/config.ini" && grep -q '^Filename=.\\signdata.cfd' "$dir/config.ini" \
    && pass "missing sign data reported, config.ini created" || fail "config.ini: $(cat "$dir/config.ini")"
}

# 3. Leaving with unsaved text asks first; cancelling keeps the editor open,
#    discarding ends it and writes nothing.
scenario_unsaved_question() {
  local dir="$work/unsaved"; mkdir -p "$dir"; cp "$signdata" "$dir/signdata.cfd"
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

# 4. Unsaved text survives the editor being killed: the next start offers
#    it, restoring makes it the unsaved document of its file, and saving
#    writes that file and leaves no copy behind.
scenario_crash_recovery() {
  local dir="$work/crash"; mkdir -p "$dir"; cp "$signdata" "$dir/signdata.cfd"
  printf 'x' >"$dir/tablet.txt"
  start "$dir" tablet.txt
  local w; w=$(window "tablet.txt - Velmora") || { fail "the opened file's window did not appear"; return; }
  focus "$w"
  typed "abc"
  local copied=""
  for _ in $(seq 50); do
    ls "$recovery"/recovery-*.vrc >/dev/null 2>&1 && { copied=1; break; }
    sleep 0.1
  done
  [ -n "$copied" ] || { fail "no recovery copy of the unsaved text"; return; }
  kill -KILL "$app_pid"; wait "$app_pid" 2>/dev/null; app_pid=""
  [ "$(cat "$dir/tablet.txt")" = "x" ] || fail "the user's file changed before it was saved"

  start "$dir"
  local q; q=$(window "確認") || { fail "the next start did not offer the unsaved text"; return; }
  focus "$q"
  keys Return
  w=$(window "tablet.txt - Velmora") || { fail "the restored text is not named after its file"; return; }
  focus "$w"
  keys ctrl+s
  keys alt+f x
  ended || { fail "the editor did not end after saving the restored text"; return; }
  [ "$(cat "$dir/tablet.txt")" = "abcx" ] && pass "unsaved text restored after a kill and saved" \
    || fail "tablet.txt holds '$(cat "$dir/tablet.txt")', expected 'abcx'"
  [ -z "$(ls "$recovery" 2>/dev/null)" ] || fail "recovery copies left: $(ls "$recovery")"
}

scenario_convert_and_save
scenario_missing_sign_data
scenario_unsaved_question
scenario_crash_recovery

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
