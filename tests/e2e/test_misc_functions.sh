#!/usr/bin/env bash
# Misc Functions (F8) minimises the whole document when nothing is selected;
# Ctrl+S then writes the trimmed text.
source "$(dirname "$0")/harness.sh"

doc="$E2E_DIR/doc.txt"
printf 'one  \r\ntwo\t\r\n\r\n\r\n' >"$doc"
e2e_start "$1" "$doc"
e2e_wait_window "Scribant <$doc>"
main=$E2E_WINDOW
e2e_focus "$main"
e2e_keys F8
e2e_wait_window "Miscellaneous Functions"
e2e_focus "$E2E_WINDOW"
e2e_keys Return Escape
e2e_focus "$main"
e2e_keys ctrl+s
printf 'one\r\ntwo' >"$E2E_DIR/expected"
for _ in $(seq 1 50); do
  cmp -s "$doc" "$E2E_DIR/expected" && break
  sleep 0.1
done
cmp -s "$doc" "$E2E_DIR/expected" || e2e_fail "saved: $(od -c "$doc")"
e2e_keys alt+q
e2e_wait_exit || e2e_fail "the program exited with an error"
echo "PASS"
