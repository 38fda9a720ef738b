#!/usr/bin/env bash
# Find with Match case off in a UTF-8 file: "ÉTÉ" finds "été" and then "ÉTÉ",
# each selected whole, and typing over them writes UTF-8 bytes.
source "$(dirname "$0")/harness.sh"

file=$(e2e_file "saisons.txt" 'x \303\251t\303\251 \303\211T\303\211 \345\244\217\n')
e2e_start "$1" "$file"
e2e_wait_window "Scribant <$file>"
main=$E2E_WINDOW
e2e_focus "$main"

e2e_keys ctrl+f
e2e_wait_window "Find or Replace Text"
finder=$E2E_WINDOW
e2e_focus "$finder"
# One call per character: xdotool may drop a remapped key at the end of a run.
for letter in É T É; do e2e_type "$letter"; done
e2e_keys Return
e2e_wait_closed "$finder"
e2e_focus "$main"
e2e_type "1"
e2e_keys F3
e2e_type "2"
e2e_wait_window "Scribant <$file>*"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_wait_bytes "$file" 'x 1 2 \345\244\217\n'
echo "PASS"
