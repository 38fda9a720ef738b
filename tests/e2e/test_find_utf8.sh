#!/usr/bin/env bash
# Find with Match case off in a UTF-8 file: "ÉTÉ", taken into the find box
# from a selection, finds itself, then "été" and "ÉTÉ", each selected whole,
# and typing over them writes UTF-8 bytes.
source "$(dirname "$0")/harness.sh"

file=$(e2e_file "saisons.txt" '\303\211T\303\211\nx \303\251t\303\251 \303\211T\303\211 \345\244\217\n')
e2e_start "$1" "$file"
e2e_wait_window "Scribant <$file>"
main=$E2E_WINDOW
e2e_focus "$main"

e2e_keys ctrl+Home shift+End ctrl+f
e2e_wait_window "Find or Replace Text"
finder=$E2E_WINDOW
e2e_focus "$finder"
e2e_keys Return
e2e_wait_closed "$finder"
e2e_focus "$main"
e2e_keys F3
e2e_type "1"
e2e_keys F3
e2e_type "2"
e2e_wait_window "Scribant <$file>*"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_wait_bytes "$file" '\303\211T\303\211\nx 1 2 \345\244\217\n'
echo "PASS"
