#!/usr/bin/env bash
# The Debian package as a user gets it: built with cpack from this build
# folder, unpacked into a private root, started from there with a private
# HOME. Settings, recent files and search history are kept in
# ~/.config/scribant across a restart; an unwritable ~/.config is reported
# once and the program works on.
# Usage: package_install.sh BUILD_FOLDER
source "$(dirname "$0")/harness.sh"

build=$1
root="$E2E_DIR/root"
export HOME="$E2E_DIR/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME"

(cd "$E2E_DIR" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$E2E_DIR/pack" \
  >"$E2E_DIR/cpack.log" 2>&1) || e2e_fail "cpack failed: $(cat "$E2E_DIR/cpack.log")"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$E2E_DIR/pack/scribant_${version}_amd64.deb"
[ -f "$deb" ] || e2e_fail "no $deb; made: $(ls "$E2E_DIR/pack")"
dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" ||
  e2e_fail "the package does not depend on Qt: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -x "$deb" "$root"

share="$root/usr/share"
for file in bin/scribant share/scribant/Styles/default.ini share/scribant/KeyWords/cpp.kwf \
  share/scribant/readme.txt share/scribant/changelog.txt share/applications/scribant.desktop \
  share/icons/hicolor/scalable/apps/scribant.svg \
  share/metainfo/io.github.scribant.Scribant.metainfo.xml share/man/man1/scribant.1; do
  [ -s "$root/usr/$file" ] || e2e_fail "the package lacks /usr/$file"
done
for size in 16 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/scribant.png"
  # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
  dimensions=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$dimensions" = "${size}x${size}" ] || e2e_fail "$png is not a ${size}x${size} PNG"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/scribant.desktop" || e2e_fail "invalid desktop entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$share/metainfo/io.github.scribant.Scribant.metainfo.xml" \
    >"$E2E_DIR/appstream.log" 2>&1 || e2e_fail "invalid metadata: $(cat "$E2E_DIR/appstream.log")"
fi

# First run: edit and save a file, search, move the window, close.
doc=$(e2e_file doc.txt "one needle two\n")
e2e_launch "$root/usr/bin/scribant" "$doc"
e2e_wait_window "Scribant <$doc>"
main=$E2E_WINDOW
xprop -id "$main" WM_CLASS | grep -q '"scribant"' ||
  e2e_fail "WM_CLASS does not match StartupWMClass: $(xprop -id "$main" WM_CLASS)"
xdotool windowsize "$main" 700 420 windowmove "$main" 90 70
sleep 0.5
e2e_focus "$main"
e2e_keys ctrl+End
e2e_type "end"
e2e_keys ctrl+s
e2e_wait_bytes "$doc" "one needle two\nend"
e2e_keys ctrl+Home ctrl+f
e2e_wait_window "Find or Replace Text"
finder=$E2E_WINDOW
e2e_focus "$finder"
e2e_type "needle"
e2e_keys Return
e2e_wait_closed "$finder"
e2e_focus "$main"
e2e_keys alt+q
e2e_wait_exit || e2e_fail "the first run exited with an error"
config="$HOME/.config/scribant"
grep -q "^0=$doc" "$config/scribant.ini" || e2e_fail "no recent file in $config/scribant.ini"
grep -q "^0=needle" "$config/config.ini" || e2e_fail "no search history in $config/config.ini"
[ ! -e "$root/usr/bin/scribant.ini" ] || e2e_fail "settings were written beside the program"

# Second run: the same placement; the recent list and the history come back.
e2e_launch "$root/usr/bin/scribant"
e2e_wait_window "Scribant <Untitled>"
main=$E2E_WINDOW
geometry=$(xdotool getwindowgeometry "$main")
echo "$geometry" | grep -q "Position: 90,70" && echo "$geometry" | grep -q "Geometry: 700x420" ||
  e2e_fail "placement not restored: $geometry"
e2e_focus "$main"
e2e_keys alt+f t 0
e2e_wait_window "Scribant <$doc>"
main=$E2E_WINDOW
e2e_keys ctrl+f
e2e_wait_window "Find or Replace Text"
finder=$E2E_WINDOW
e2e_focus "$finder"
e2e_keys Down Return
e2e_wait_closed "$finder"
e2e_focus "$main"
e2e_type "pin"
e2e_keys ctrl+s
e2e_wait_bytes "$doc" "one pin two\nend"
e2e_keys alt+q
e2e_wait_exit || e2e_fail "the second run exited with an error"

# A file where ~/.config belongs: said once, then the program works on.
rm -rf "$HOME/.config"
echo "not a folder" >"$HOME/.config"
e2e_launch "$root/usr/bin/scribant" "$doc"
e2e_answer "Scribant" Return
e2e_wait_window "Scribant <$doc>"
e2e_focus "$E2E_WINDOW"
e2e_keys ctrl+End
e2e_type "!"
e2e_keys ctrl+s
e2e_wait_bytes "$doc" "one pin two\nend!"
e2e_keys alt+q
e2e_wait_exit || e2e_fail "the run without settings exited with an error"
[ "$(cat "$HOME/.config")" = "not a folder" ] || e2e_fail "~/.config was changed"
echo "PASS"
