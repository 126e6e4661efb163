#!/usr/bin/env bash
# End to end: the minimise button of the frameless full-screen game, on a 1920 x 1080
# virtual screen with openbox. Pressed ten times, each time restored by the window
# manager: it minimises every time, and the game comes back whole and with the keys.
#   minimise_test.sh BUILD-DIR        (exit 77: skipped, Xvfb cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
e2e_start_x 1920x1080

k=2 L=480 T=60                          # factor 2: the field's corner in device pixels
button_x=$((L + k * 532)) button_y=$((T + k * 214))  # inside the minimise button
skin=$work/prefix/share/tesseron/skins/scoarching-red
convert "$skin/icons.bmp" -crop 90x90+0+180 +repage -scale 200% "$work/ref-newgame.png"
newgame_shown() {
    shot game
    crop game $L $T 180 180 game-icon
    [ "$(differing "$work/game-icon.png" "$work/ref-newgame.png")" = 0 ]
}
# A press on the splash hands over; one on the game's central zone does nothing.
handed_over() { newgame_shown || { xdotool mousemove 960 540 click 1; false; }; }

e2e_launch
wait_for 30 handed_over || fail "the game window did not come up"
wid=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null)
[ "$(wc -w <<<"$wid")" = 1 ] || fail "expected the game's one window, found: $wid"
xdotool mousemove "$button_x" "$button_y"
shot before
crop before $L $T $((480 * k)) $((480 * k)) before-field
step "game window $wid up; pointer on the minimise button"

wm_state() { xprop -id "$wid" WM_STATE 2>/dev/null | grep -q "window state: $1"; }
field_whole() { shot back && crop back $L $T $((480 * k)) $((480 * k)) back-field \
    && [ "$(differing "$work/back-field.png" "$work/before-field.png")" = 0 ]; }
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$wid" ]; }
for press in $(seq 1 10); do
    xdotool click 1
    wait_for 15 wm_state Iconic || fail "press $press: the window was not minimised"
    # The window must not bring itself back once the window manager has hidden it:
    # watched for a second, and the watch must run out.
    ! wait_for 1 wm_state Normal || fail "press $press: the window came back by itself"
    xdotool windowactivate "$wid"
    wait_for 15 wm_state Normal || fail "press $press: the window manager could not restore it"
    wait_for 15 field_whole || fail "press $press: the restored game is not drawn whole"
    wait_for 15 focused || fail "press $press: the restored game has not the focus"
done
step "ten presses: minimised every time, restored whole and focused"

# The keys reach the restored game: an arrow frames the left side's first lane, and
# Ctrl+Q ends it.
xdotool key --clearmodifiers Down
framed() { shot framed && [ "$(px framed $L $((T + 90 * k)))" = 255,255,255 ]; }
wait_for 15 framed || fail "an arrow key did not reach the restored game"
xdotool key --clearmodifiers ctrl+q
wait_for 10 bash -c "! kill -0 $game 2>/dev/null" || fail "Ctrl+Q did not end the game"
wait "$game" || fail "the game exited with status $?"
step "the keys reach the restored game"
echo PASS
