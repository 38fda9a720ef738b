#!/usr/bin/env bash
# Text Analyse (F7) opens over the document; its own Alt+Q and F7 close it
# without reaching the main window, whose Alt+Q then ends the program.
source "$(dirname "$0")/harness.sh"

wait_window_gone() {
  for _ in $(seq 1 100); do
    xdotool search --all --onlyvisible --pid "$E2E_APP_PID" --name "^$(e2e_regex "$1")\$" >/dev/null 2>&1 ||
      return 0
    sleep 0.1
  done
  e2e_fail "the window '$1' stayed open"
}

e2e_start "$1"
e2e_wait_window "Scribant <Untitled>"
main=$E2E_WINDOW
e2e_focus "$main"
for close_key in alt+q F7; do
  e2e_keys F7
  e2e_wait_window "Text Analyse <All Text>"
  e2e_focus "$E2E_WINDOW"
  e2e_keys "$close_key"
  wait_window_gone "Text Analyse <All Text>"
  kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "$close_key reached the main window"
  e2e_focus "$main"
done
e2e_keys alt+q
e2e_wait_exit || e2e_fail "the program exited with an error"
echo "PASS"
