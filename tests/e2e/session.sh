# Shared by the scenario scripts: a display of their own (Xvfb), an empty
# home folder, and helpers that start the editor and drive it with real key
# presses (xdotool). Source it after setting nothing; it sets $work (a
# temporary folder removed at exit), DISPLAY, HOME and XDG_*_HOME.

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  echo "Xvfb and xdotool are needed (scripts/setup-debian.sh installs them)" >&2
  exit 1
fi

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
extra_pids=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  for p in $extra_pids; do kill "$p" 2>/dev/null; done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and writes it to a pipe.
# -noreset: a killed editor is often the display's last client, and a server
# that resets then could be in the middle of it when the next one starts.
exec 3<> <(:)
Xvfb -displayfd 3 -noreset -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&3 || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
# Answers once it takes clients.
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

# The user's own settings are never touched: the editor sees an empty home.
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$HOME"

passed=0
failed=0
# A failure shows what the editor printed last, to tell a crash from a slow start.
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/editor.log" ] && tail -n 40 "$work/editor.log" | sed 's/^/  editor: /' >&2
  failed=$((failed + 1))
}
pass() { echo "ok: $*"; passed=$((passed + 1)); }

# Starts the program $2 in folder $1 with the remaining arguments.
start_program() {
  local folder="$1" program="$2"; shift 2
  echo "--- started in $folder: $program $*" >>"$work/editor.log"
  (cd "$folder" && exec "$program" "$@" >>"$work/editor.log" 2>&1) &
  app_pid=$!
}

# Waits (up to 30 s: a sanitized build on a busy machine starts slowly) for a
# visible window whose title matches $1; prints its id.
window() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$app_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits for the editor to end; succeeds when it ended by itself.
ended() {
  for _ in $(seq 300); do
    kill -0 "$app_pid" 2>/dev/null || { wait "$app_pid"; local rc=$?; app_pid=""; return $rc; }
    sleep 0.1
  done
  return 1
}

focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"; sleep 0.3; }
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
typed() { xdotool type --delay 60 "$1"; sleep 0.3; }
hex() { od -An -tx1 "$1" | tr -d ' \n'; }

# The summary line and the exit status of the script.
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
