#!/usr/bin/env bash
# The window appears untitled and Alt+Q closes the program.
source "$(dirname "$0")/harness.sh"

e2e_start "$1"
e2e_wait_window "Scribant <Untitled>"
e2e_focus "$E2E_WINDOW"
e2e_keys alt+q
e2e_wait_exit || e2e_fail "the program exited with an error"
echo "PASS"
