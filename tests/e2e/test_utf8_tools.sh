#!/usr/bin/env bash
# The text tools on a UTF-8 file: Modify Case maps accented, Cyrillic and
# Greek letters and the dotless i (two bytes that become one) and saves
# UTF-8; Text Analyse opens over the document and leaves it as it was.
source "$(dirname "$0")/harness.sh"

file=$(e2e_file "words.txt" '\303\251t\303\251: \320\266 \317\203 \304\261 \344\270\255\n')
e2e_start "$1" "$file"
e2e_wait_window "Scribant <$file>"
main=$E2E_WINDOW
e2e_focus "$main"

# Nothing selected: UPPER CASE over the whole text.
e2e_keys ctrl+F5
e2e_answer "Please Select an Item" Return
e2e_focus "$main"
e2e_save_and_expect "$file" '\303\211T\303\211: \320\226 \316\243 I \344\270\255\n'

# Title Case lower-cases the rest of each word.
e2e_keys ctrl+F5
e2e_answer "Please Select an Item" Down Down Return
e2e_focus "$main"
e2e_save_and_expect "$file" '\303\211t\303\251: \320\226 \316\243 I \344\270\255\n'

e2e_keys F7
e2e_answer "Text Analyse <All Text>" alt+q
e2e_focus "$main"
e2e_expect_bytes "$file" '\303\211t\303\251: \320\226 \316\243 I \344\270\255\n'
e2e_keys alt+q
e2e_wait_exit || e2e_fail "the program exited with an error"
echo "PASS"
