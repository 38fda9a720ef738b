# Shared helpers for the end-to-end tests. Source it, then call e2e_start.
# Usage in a test: e2e_start PROGRAM [ARGS...]; e2e_wait_window TITLE; e2e_keys KEY...;
# e2e_type TEXT; e2e_wait_exit; e2e_fail MESSAGE.
set -uo pipefail

E2E_DIR=$(mktemp -d)
E2E_XVFB_PID=""
E2E_APP_PID=""

e2e_cleanup() {
  [ -n "$E2E_APP_PID" ] && kill "$E2E_APP_PID" 2>/dev/null
  [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts a private X server and the program on it.
e2e_start() {
  local display
  for _ in 1 2 3 4 5; do
    display=:$((200 + RANDOM % 700))
    [ -e "/tmp/.X11-unix/X${display#:}" ] && continue
    Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    sleep 0.5
    kill -0 "$E2E_XVFB_PID" 2>/dev/null && break
  done
  export DISPLAY=$display
  # Settings, history and styles stay inside the test's own folder.
  export HOME="$E2E_DIR/home" XDG_CONFIG_HOME="$E2E_DIR/home/.config"
  mkdir -p "$HOME"
  "$@" >"$E2E_DIR/app.log" 2>&1 &
  E2E_APP_PID=$!
}

# Waits until a visible window of the program has exactly this title; prints its id.
e2e_wait_window() {
  local title=$1 window
  for _ in $(seq 1 300); do
    window=$(xdotool search --onlyvisible --pid "$E2E_APP_PID" --name "^$(e2e_regex "$title")\$" 2>/dev/null | head -1)
    if [ -n "$window" ]; then
      echo "$window"
      return 0
    fi
    sleep 0.1
  done
  e2e_fail "no window titled '$title' (titles: $(e2e_titles))"
}

e2e_titles() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$E2E_APP_PID" --name '.+' 2>/dev/null); do
    printf "'%s' " "$(xdotool getwindowname "$id")"
  done
}

e2e_regex() { printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g'; }

e2e_keys() {
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.15
  done
}

e2e_type() { xdotool type --delay 20 -- "$1"; sleep 0.2; }

# Gives the window the keyboard focus (there is no window manager under Xvfb).
e2e_focus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.2
}

# Waits for the program to end; fails when it does not within 30 seconds.
e2e_wait_exit() {
  for _ in $(seq 1 300); do
    if ! kill -0 "$E2E_APP_PID" 2>/dev/null; then
      wait "$E2E_APP_PID"
      local status=$?
      E2E_APP_PID=""
      return $status
    fi
    sleep 0.1
  done
  e2e_fail "the program did not exit"
}
