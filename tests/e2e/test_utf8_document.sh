#!/usr/bin/env bash
# A UTF-8 file in a folder with a UTF-8 name: the caption shows the name as
# it is, an accent copied and pasted goes in as UTF-8, and Ctrl+S writes
# exactly the UTF-8 bytes. (xdotool types a character the keyboard map lacks
# by remapping a key for a moment, which a busy machine can miss; the widget
# tests cover typed accents.)
source "$(dirname "$0")/harness.sh"

mkdir -p "$E2E_DIR/dür"
file=$(e2e_file "dür/café.txt" 'caf\303\251 \344\270\255\346\226\207 \360\237\230\200\n')
e2e_start "$1" "$file"
e2e_wait_window "Scribant <$file>"
e2e_focus "$E2E_WINDOW"

# The é of café onto the clipboard; then, after the emoji, one Left steps
# over the whole character, one Backspace takes the space before it.
e2e_keys Home Right Right Right shift+Right ctrl+c
e2e_keys End Left BackSpace ctrl+v
e2e_wait_window "Scribant <$file>*"
e2e_keys ctrl+s
e2e_wait_window "Scribant <$file>"
e2e_expect_bytes "$file" 'caf\303\251 \344\270\255\346\226\207\303\251\360\237\230\200\n'
echo "PASS"
