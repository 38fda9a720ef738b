#!/usr/bin/env bash
# Another program changes the open file: saving over it asks first (No keeps
# their bytes and the document modified, and counts as being told); the next
# change is offered for reload when the main window gets the focus back, and
# after the reload a save writes without asking.
source "$(dirname "$0")/harness.sh"

file=$(e2e_file shared.txt 'one\n')
e2e_start "$1" "$file"
e2e_wait_window "Scribant <$file>"
main=$E2E_WINDOW
e2e_focus "$main"
e2e_type "x"
e2e_wait_window "Scribant <$file>*"

printf 'theirs\n' >"$file"
touch -d '+5 seconds' "$file"
e2e_keys ctrl+s
e2e_answer "Overwrite the File?" alt+n
e2e_expect_bytes "$file" 'theirs\n'
e2e_wait_window "Scribant <$file>*"

# Away to another window, a change, and back: the reload is offered.
e2e_focus "$main"
e2e_keys ctrl+f
e2e_wait_window "Find or Replace Text"
e2e_focus "$E2E_WINDOW"
printf 'third\n' >"$file"
touch -d '+10 seconds' "$file"
xdotool windowfocus "$main"
e2e_answer "Reload Current File?" Return
e2e_wait_window "Scribant <$file>"
e2e_focus "$main"
e2e_keys End
e2e_type "y"
e2e_keys ctrl+s
e2e_wait_bytes "$file" 'thirdy\n'
e2e_wait_window "Scribant <$file>"
echo "PASS"
