#!/usr/bin/env bash
# Find (Ctrl+F) and Find Next (F3) walk the occurrences without wrapping:
# past the last one F3 reports "No more occurrences found." ("Search Result"),
# and the next F3, its counter reset, "not found" ("Phrase Not Found"), the
# last occurrence staying selected. Replace asks for each occurrence:
# Yes replaces it, No skips it, Yes to All replaces the rest at once;
# answering up to the last occurrence ends with "not found" and then the
# replaced count; No to All stops with the caret before the occurrence.
# Count shows its own box; closing saves the find and replace histories.
source "$(dirname "$0")/harness.sh"

file=$(e2e_file pets.txt 'cat a cat\nb cat\ncat c cat\n')
e2e_start "$1" "$file"
e2e_wait_window "Scribant <$file>"
main=$E2E_WINDOW
e2e_focus "$main"

e2e_keys ctrl+f
e2e_wait_window "Find or Replace Text"
finder=$E2E_WINDOW
e2e_focus "$finder"
e2e_type "cat"
e2e_keys alt+o
e2e_answer "String Count Result" Return
e2e_focus "$finder"
e2e_keys Return
e2e_wait_closed "$finder"
e2e_focus "$main"
# Find took the first; four more F3 reach the fifth and last.
e2e_keys F3 F3 F3 F3
e2e_keys F3
e2e_answer "Search Result" Return
e2e_focus "$main"
e2e_keys F3
e2e_answer "Phrase Not Found" Return
e2e_focus "$main"
# The fifth occurrence is still selected: typing replaces it.
e2e_type "X"
e2e_wait_window "Scribant <$file>*"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_wait_bytes "$file" 'cat a cat\nb cat\ncat c X\n'

# Replace from the start: Yes, No, then Yes to All for the two left.
e2e_keys ctrl+Home ctrl+f
e2e_wait_window "Find or Replace Text"
finder=$E2E_WINDOW
e2e_focus "$finder"
e2e_type "cat"
e2e_keys Tab
e2e_type "dog"
e2e_keys alt+r
e2e_answer "Confirm" alt+y
e2e_answer "Confirm" alt+n
e2e_answer "Confirm" alt+a
e2e_answer "Search Result" Return
e2e_focus "$main"
e2e_wait_window "Scribant <$file>*"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_wait_bytes "$file" 'dog a cat\nb dog\ndog c X\n'

replace_from_start() {
  e2e_keys ctrl+Home ctrl+f
  e2e_wait_window "Find or Replace Text"
  finder=$E2E_WINDOW
  e2e_focus "$finder"
  e2e_type "$1"
  e2e_keys Tab ctrl+a
  e2e_type "$2"
  e2e_keys alt+r
}

# Yes, No, No: the three "dog" are all asked for.
replace_from_start dog cow
e2e_answer "Confirm" alt+y
e2e_answer "Confirm" alt+n
e2e_answer "Confirm" alt+n
e2e_answer "Phrase Not Found" Return
e2e_answer "Search Result" Return
e2e_focus "$main"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_wait_bytes "$file" 'cow a cat\nb dog\ndog c X\n'

# No to All leaves the caret at the start of the first "dog".
replace_from_start dog pig
e2e_answer "Confirm" alt+o
e2e_focus "$main"
e2e_type "Z"
e2e_wait_window "Scribant <$file>*"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_wait_bytes "$file" 'cow a cat\nb Zdog\ndog c X\n'

e2e_keys alt+q
e2e_wait_exit || e2e_fail "the program exited with an error"

# Closing saved both histories beside the program, the latest text first.
history_of() {
  tr -d '\r' <"$E2E_PROGRAM_DIR/config.ini" |
    sed -n "/^\[$1\]\$/,/^\[/{/^[0-9]*=/p}" | tr '\n' ' '
}
[ "$(history_of FindStrings)" = "0=dog 1=cat " ] ||
  e2e_fail "find history: $(cat "$E2E_PROGRAM_DIR/config.ini")"
[ "$(history_of ReplaceStrings)" = "0=pig 1=cow 2=dog " ] ||
  e2e_fail "replace history: $(cat "$E2E_PROGRAM_DIR/config.ini")"
echo "PASS"
