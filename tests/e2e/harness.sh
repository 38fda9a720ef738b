# Shared helpers for the end-to-end tests. Source it, then call e2e_start.
# Usage in a test: e2e_start PROGRAM [ARGS...] (a private copy; e2e_launch runs
# a program where it lies); e2e_wait_window TITLE (sets E2E_WINDOW);
# e2e_focus WINDOW; e2e_keys KEY...;
# e2e_type TEXT; e2e_wait_exit; e2e_fail MESSAGE; e2e_file NAME BYTES;
# e2e_expect_bytes / e2e_wait_bytes FILE BYTES; e2e_wait_closed WINDOW;
# e2e_answer TITLE KEY... (a dialog: wait, focus, keys, wait until closed).
# A window that shows again under the same title (one message box after
# another) is told apart by its id: e2e_wait_closed the old one first.
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

# Starts a private X server on a display it picks itself; sets DISPLAY.
# With other tests starting and stopping servers at the same time, a display
# that was reported may still refuse connections: such a server is replaced.
e2e_start_xvfb() {
  local attempt
  for attempt in 1 2 3 4 5; do
    rm -f "$E2E_DIR/display"
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$E2E_DIR/display" >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    for _ in $(seq 1 100); do
      [ -s "$E2E_DIR/display" ] && break
      sleep 0.05
    done
    if [ -s "$E2E_DIR/display" ]; then
      export DISPLAY=:$(head -1 "$E2E_DIR/display")
      xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    fi
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
    E2E_XVFB_PID=""
  done
  e2e_fail "Xvfb did not start"
}

# Starts a private X server and the program on it; waits for its first window.
e2e_start() {
  e2e_start_xvfb
  # Settings, history and styles stay inside the test's own folder.
  export HOME="$E2E_DIR/home" XDG_CONFIG_HOME="$E2E_DIR/home/.config"
  mkdir -p "$HOME"
  # Beside its Styles in a writable folder the program runs portable and keeps
  # its settings and history there: run a private copy.
  local program=$1
  shift
  E2E_PROGRAM_DIR="$E2E_DIR/program"
  mkdir -p "$E2E_PROGRAM_DIR"
  cp "$program" "$E2E_PROGRAM_DIR/"
  local data
  for data in Styles KeyWords readme.txt changelog.txt; do
    [ -e "$(dirname "$program")/$data" ] && cp -r "$(dirname "$program")/$data" "$E2E_PROGRAM_DIR/"
  done
  e2e_launch "$E2E_PROGRAM_DIR/$(basename "$program")" "$@"
}

# Starts the program where it lies on the private X server (started when
# needed); waits for its first window.
e2e_launch() {
  [ -n "$E2E_XVFB_PID" ] || e2e_start_xvfb
  local attempt
  for attempt in 1 2 3; do
    "$@" >"$E2E_DIR/app.log" 2>&1 &
    E2E_APP_PID=$!
    e2e_wait_started && return 0
    # The display went away under the program: start both again.
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
    e2e_start_xvfb
  done
  e2e_fail "the program could not reach its display: $(cat "$E2E_DIR/app.log")"
}

# Waits until the program shows a window. Fails when it ends before, unless
# it could not connect to its display (then returns 1).
e2e_wait_started() {
  for _ in $(seq 1 300); do
    [ -n "$(xdotool search --all --onlyvisible --pid "$E2E_APP_PID" --name '' 2>/dev/null)" ] &&
      return 0
    if ! kill -0 "$E2E_APP_PID" 2>/dev/null; then
      wait "$E2E_APP_PID" 2>/dev/null
      E2E_APP_PID=""
      grep -q "could not connect to display" "$E2E_DIR/app.log" && return 1
      e2e_fail "the program ended: $(cat "$E2E_DIR/app.log")"
    fi
    sleep 0.1
  done
  e2e_fail "the program showed no window; log: $(cat "$E2E_DIR/app.log")"
}

# A file in the test's folder with the given bytes (printf escapes allowed); prints its path.
e2e_file() {
  printf "$2" >"$E2E_DIR/$1"
  echo "$E2E_DIR/$1"
}

# Fails unless the file holds exactly the given bytes (printf escapes allowed).
e2e_expect_bytes() {
  local expected
  expected=$(printf "$2" | od -An -c)
  local actual
  actual=$(od -An -c <"$1")
  [ "$expected" = "$actual" ] || e2e_fail "bytes of $1: expected [$expected] got [$actual]"
}

# Waits until the file holds exactly the given bytes (printf escapes allowed);
# fails with what it holds after 10 seconds.
e2e_wait_bytes() {
  printf "$2" >"$E2E_DIR/expected-bytes"
  for _ in $(seq 1 100); do
    cmp -s "$1" "$E2E_DIR/expected-bytes" && return 0
    sleep 0.1
  done
  e2e_expect_bytes "$1" "$2"
}

# The document FILE was edited: Ctrl+S saves it and it then holds BYTES.
e2e_save_and_expect() {
  e2e_wait_window "Scribant <$1>*"
  e2e_keys ctrl+s
  e2e_wait_window "Scribant <$1>"
  e2e_wait_bytes "$1" "$2"
}

# Waits until the window with this id is no longer shown.
e2e_wait_closed() {
  for _ in $(seq 1 300); do
    xdotool search --all --onlyvisible --pid "$E2E_APP_PID" --name '' 2>/dev/null | grep -qx "$1" ||
      return 0
    sleep 0.1
  done
  e2e_fail "the window '$(xdotool getwindowname "$1" 2>/dev/null)' stayed open"
}

# Waits for the window with this title, gives it the focus, presses the keys
# and waits until it has closed.
e2e_answer() {
  local title=$1
  shift
  e2e_wait_window "$title"
  local box=$E2E_WINDOW
  e2e_focus "$box"
  e2e_keys "$@"
  e2e_wait_closed "$box"
}

# Waits until a visible window of the program has exactly this title; sets E2E_WINDOW.
e2e_wait_window() {
  local title=$1
  E2E_WINDOW=""
  for _ in $(seq 1 300); do
    E2E_WINDOW=$(xdotool search --all --onlyvisible --pid "$E2E_APP_PID" --name "^$(e2e_regex "$title")\$" 2>/dev/null | head -1)
    [ -n "$E2E_WINDOW" ] && return 0
    kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "the program ended: $(cat "$E2E_DIR/app.log")"
    sleep 0.1
  done
  e2e_fail "no window titled '$title' (titles: $(e2e_titles)); log: $(cat "$E2E_DIR/app.log")"
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
  local focused
  for _ in $(seq 1 50); do
    xdotool windowfocus "$1" 2>/dev/null
    sleep 0.1
    focused=$(xdotool getwindowfocus 2>/dev/null)
    [ "$focused" = "$1" ] && { sleep 0.3; return 0; }
  done
  e2e_fail "the window never took the keyboard focus"
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
