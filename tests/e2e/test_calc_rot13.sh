#!/usr/bin/env bash
# Calculate Selection (Ctrl+Shift+C) appends " = " and the result to the
# selected expression, leaves a text that is no expression alone; ROTate 13 on
# the Encryption page of Misc Functions (F8) encodes the selected word.
source "$(dirname "$0")/harness.sh"

file=$(e2e_file sums.txt 'hello world\n\n\n\n')
e2e_start "$1" "$file"
e2e_wait_window "Scribant <$file>"
main=$E2E_WINDOW
e2e_focus "$main"

# One expression per empty line; the last has a number after a bracket.
e2e_keys ctrl+Home Down
e2e_type "2+3*4"
e2e_keys shift+Home ctrl+shift+c Down Home
e2e_type "1/3"
e2e_keys shift+Home ctrl+shift+c Down Home
e2e_type "(2)3"
e2e_keys shift+Home ctrl+shift+c
e2e_wait_window "Scribant <$file>*"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_wait_bytes "$file" 'hello world\n2+3*4 = 14\n1/3 = 0.333333333333333333\n(2)3\n'

# "hello" through ROT13: to the Encryption page, whose first method is chosen.
e2e_keys ctrl+Home shift+Right shift+Right shift+Right shift+Right shift+Right F8
e2e_wait_window "Miscellaneous Functions"
misc=$E2E_WINDOW
e2e_focus "$misc"
e2e_keys ctrl+Tab alt+d Escape
e2e_wait_closed "$misc"
e2e_focus "$main"
e2e_wait_window "Scribant <$file>*"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_wait_bytes "$file" 'uryyb world\n2+3*4 = 14\n1/3 = 0.333333333333333333\n(2)3\n'

e2e_keys alt+q
e2e_wait_exit || e2e_fail "the program exited with an error"
echo "PASS"
