#!/usr/bin/env bash
# Start-up arguments that are not plain UTF-8 file names: a pipe must not
# block the start (a message, then an untitled document), and a name that is
# not valid UTF-8 opens its file (paths are bytes).
source "$(dirname "$0")/harness.sh"

fifo="$E2E_DIR/pipe.txt"
mkfifo "$fifo"
e2e_start "$1" "$fifo"
e2e_answer "Scribant" Return
e2e_wait_window "Scribant <Untitled>"
e2e_focus "$E2E_WINDOW"
e2e_keys alt+q
e2e_wait_exit || e2e_fail "the program exited with an error"
kill "$E2E_XVFB_PID" 2>/dev/null
wait "$E2E_XVFB_PID" 2>/dev/null

latin1=$(e2e_file "$(printf 'caf\351.txt')" 'abc')
e2e_start "$1" "$latin1"
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --pid "$E2E_APP_PID" --name 'caf.*\.txt>$' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || e2e_fail "the file was not opened (titles: $(e2e_titles))"
e2e_focus "$window"
e2e_type "x"
e2e_keys ctrl+s
e2e_wait_bytes "$latin1" 'xabc'
echo "PASS"
