#!/usr/bin/env bash
# A .txt file gets the plain-text style, whose comment string is empty:
# Toggle Comments (F5) changes no text but marks the document modified.
source "$(dirname "$0")/harness.sh"

file=$(e2e_file notes.txt 'one\n// two\n')
e2e_start "$1" "$file"
e2e_wait_window "Scribant <$file>"
e2e_focus "$E2E_WINDOW"
e2e_keys ctrl+a F5
e2e_wait_window "Scribant <$file>*"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_wait_bytes "$file" 'one\n// two\n'
e2e_keys alt+q
e2e_wait_exit || e2e_fail "the program exited with an error"
echo "PASS"
