#!/usr/bin/env bash
# Typing, auto-indent, smart Backspace and undo in the real program; Ctrl+S
# keeps the file's LF line breaks; closing with changes asks to save; the
# settings file keeps the window placement.
source "$(dirname "$0")/harness.sh"

file=$(e2e_file notes.txt 'one\n    two\n')
e2e_start "$1" "$file"
e2e_wait_window "Scribant <$file>"
e2e_focus "$E2E_WINDOW"

# End of "    two", Enter keeps the indent, Backspace in the blanks unindents.
e2e_keys ctrl+End Up End Return BackSpace
e2e_type "x"
e2e_wait_window "Scribant <$file>*"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_expect_bytes "$file" 'one\n    two\nx\n'

# Undo the last typing step, then close and answer Yes to the save prompt.
e2e_keys ctrl+z
e2e_wait_window "Scribant <$file>*"
e2e_keys alt+q
e2e_wait_window "Save the file?"
e2e_focus "$E2E_WINDOW"
e2e_keys Return
e2e_wait_exit || e2e_fail "the program exited with an error"
e2e_expect_bytes "$file" 'one\n    two\n\n'
[ -s "$E2E_PROGRAM_DIR/scribant.ini" ] || e2e_fail "no settings file after closing"
grep -q '^Width=' "$E2E_PROGRAM_DIR/scribant.ini" || e2e_fail "no window placement saved"
grep -q "^0=$file" "$E2E_PROGRAM_DIR/scribant.ini" || e2e_fail "the file is not in the recent list"
echo "PASS"
