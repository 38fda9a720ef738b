#!/usr/bin/env bash
# Toggle Comments (F5) on a .c file uses the C style's "//": it comments the
# selected whole lines, one Ctrl+Z takes all of them back, and a selection
# whose last line is commented uncomments. Modify Case (Ctrl+F5) turns the
# selection to UPPER CASE through the list dialog, keeps the selection, and
# changes the whole text when nothing is selected.
source "$(dirname "$0")/harness.sh"

file=$(e2e_file prog.c 'int a;\nint b;\nint c;\n')
e2e_start "$1" "$file"
e2e_wait_window "Scribant <$file>"
main=$E2E_WINDOW
e2e_focus "$main"

# Two lines selected up to the start of the third: only those two change.
e2e_keys ctrl+Home shift+Down shift+Down F5
e2e_save_and_expect "$file" '//int a;\n//int b;\nint c;\n'

# Both lines come back in one undo step.
e2e_keys ctrl+z
e2e_save_and_expect "$file" 'int a;\nint b;\nint c;\n'

# The third line's text, without its line break, to upper case.
e2e_keys ctrl+End Up shift+End ctrl+F5
e2e_answer "Please Select an Item" Down Down Home Return
e2e_focus "$main"
e2e_save_and_expect "$file" 'int a;\nint b;\nINT C;\n'

# The selection is back after the change: the fourth method, tOGGLE cASE,
# on the same text. Nothing selected: the whole text changes.
e2e_keys ctrl+F5
e2e_answer "Please Select an Item" Down Down Down Return
e2e_focus "$main"
e2e_save_and_expect "$file" 'int a;\nint b;\nint c;\n'
e2e_keys ctrl+Home ctrl+F5
e2e_answer "Please Select an Item" Down Down Down Return
e2e_focus "$main"
e2e_save_and_expect "$file" 'INT A;\nINT B;\nINT C;\n'
e2e_keys ctrl+F5
e2e_answer "Please Select an Item" Down Return
e2e_focus "$main"
e2e_save_and_expect "$file" 'int a;\nint b;\nint c;\n'

# Whole text: the last line is not commented, so every line gets "//"; then
# the first two lines end on a commented line, so their "//" go.
e2e_keys ctrl+a F5
e2e_save_and_expect "$file" '//int a;\n//int b;\n//int c;\n'
e2e_keys ctrl+Home shift+Down shift+Down F5
e2e_save_and_expect "$file" 'int a;\nint b;\n//int c;\n'

e2e_keys alt+q
e2e_wait_exit || e2e_fail "the program exited with an error"
echo "PASS"
