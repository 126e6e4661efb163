#!/usr/bin/env bash
# End to end: the game in an ordinary window on a 1920 x 1080 virtual screen with
# openbox. F11 leaves full screen; the window resized to 1300 x 1000 plays at factor 2
# with the field centred in its inside; a launch lands; the options cover only the
# window; the next start opens the window at its size and place, and F11 goes back to
# full screen.
#   window_test.sh BUILD-DIR        (exit 77: skipped, Xvfb cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
e2e_start_x 1920x1080

k=2 W=1300 H=1000
skin=$work/prefix/share/tesseron/skins/scoarching-red
convert "$skin/icons.bmp" -crop 90x90+0+180 +repage -scale 200% "$work/ref-newgame.png"
convert "$skin/icons.bmp" -crop 90x90+90+360 +repage -scale 200% "$work/ref-close.png"
matches() {  # matches NAME X Y REF: the 180 x 180 region at (X, Y) equals a picture
    grab "180x180+$2+$3" "$1-part"
    [ "$(differing "$work/$1-part.png" "$work/$4.png")" = 0 ]
}
newgame_at() { matches newgame "$1" "$2" ref-newgame; }
# A press on the splash hands over; one on the game's central zone does nothing.
handed_over() { newgame_at "$1" "$2" || { xdotool mousemove 960 540 click 1; false; }; }
game_window() { xdotool search --onlyvisible --pid "$game" 2>/dev/null | head -n 1; }
# inside WID: the window's inside as "X Y WIDTH HEIGHT" on the screen.
inside() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}'
}
inside_is() { [ "$(inside "$1")" = "$2" ]; }
quit_game() {
    xdotool key --clearmodifiers ctrl+q
    wait_for 10 bash -c "! kill -0 $game 2>/dev/null" || fail "Ctrl+Q did not end the game"
    wait "$game" || fail "the game exited with status $?"
}

e2e_launch
wait_for 30 handed_over 480 60 || fail "the game did not come up full screen"
wid=$(game_window)
step "full screen: the new game icon at (480, 60)"

xdotool key --clearmodifiers F11
windowed() { wid=$(game_window) && [ -n "$wid" ] && ! xprop -id "$wid" _NET_WM_STATE | grep -q FULLSCREEN \
    && [ "$(inside "$wid" | cut -d' ' -f3)" != 1920 ]; }
wait_for 15 windowed || fail "F11 did not leave full screen"
step "F11: a window at $(inside "$wid")"

# Moved off its centred place and resized, through the window manager.
xdotool windowmove "$wid" 200 30
wait_for 15 bash -c "[ \"\$(xwininfo -id $wid | awk '/Absolute upper-left X/ {print \$4}')\" -lt 300 ]" \
    || fail "the window did not move: $(inside "$wid")"
xdotool windowsize "$wid" $W $H
wait_for 15 bash -c "$(declare -f inside inside_is); inside_is $wid \"\$(inside $wid | cut -d' ' -f1,2) $W $H\"" \
    || fail "the window did not take the size $W x $H: $(inside "$wid")"
read -r X Y _ _ <<<"$(inside "$wid")"
# The zoomed inside is 650 x 500 skin pixels: the field's corner at (85, 10), doubled.
L=$((X + k * 85)) T=$((Y + k * 10))
wait_for 15 newgame_at $L $T || fail "the field is not at factor 2 centred in the window's inside at ($L, $T)"
shot window
cp "$work/window.png" "${E2E_SHOTS:-$work}/window-${W}x${H}.png" 2>/dev/null || true
step "moved and resized to $W x $H at ($X, $Y): factor 2, the field's corner at ($L, $T)"

# Top lane 4 runs down column 4 until the first game's brick at (4, 5) stops it at (4, 4).
at() { echo $(($1 + k * $2)); }
cell_filled() { grab 60x60+$(at $L 180)+$(at $T 180) cell; [ "$(distinct_colours cell 0 0 60 60)" -gt 20 ]; }
cell_filled && fail "cell (4, 4) is not empty before the launch"
click "$(at $L 195)" "$(at $T 45)"
wait_for 15 cell_filled || fail "a press on top lane 4 in the window did not send a brick down to (4, 4)"
step "a launch in the window landed"

# The options cover the window's inside and nothing beyond it: the screen left and right
# of the window (its frame aside) stays as it was.
xdotool mousemove $((X + 5)) $((Y + H - 5))
wait_screen_rest "1920x1080+0+0" 15 || fail "the screen does not come to rest"
cp "$work/seen.png" "$work/before.png"
xdotool key --clearmodifiers ctrl+shift+comma
wait_for 15 matches options $X $Y ref-close || fail "the options did not open over the window's inside"
shot options
for band in "0 0 $((X - 8)) 1080" "$((X + W + 8)) 0 $((1920 - X - W - 8)) 1080"; do
    set -- $band
    crop before "$@" before-band
    crop options "$@" options-band
    [ "$(differing "$work/before-band.png" "$work/options-band.png")" = 0 ] || fail "the options changed the screen beyond the window ($band)"
done
[ "$(differing "$work/options.png" "$work/before.png")" != 0 ] || fail "the options window drew nothing"
xdotool key --clearmodifiers Escape
wait_for 15 newgame_at $L $T || fail "the game is not back once the options closed"
step "the options covered the window's inside only"

quit_game
grep -q '^FullScreen=0' "$config/kelm.ini" || fail "kelm.ini does not keep the window: $(cat "$config/kelm.ini")"
step "quit; kelm.ini keeps $(grep -E '^Window' "$config/kelm.ini" | tr '\n' ' ')"

e2e_launch
wait_for 30 handed_over $L $T || fail "the next start did not open the window with the field at ($L, $T)"
wid=$(game_window)
inside_is "$wid" "$X $Y $W $H" || fail "the window came back at $(inside "$wid"), not $X $Y $W $H"
step "started again: the window is back at $X $Y $W $H"

xdotool key --clearmodifiers F11
wait_for 15 newgame_at 480 60 || fail "F11 did not go back to full screen"
shot full
inside_is "$(game_window)" "0 0 1920 1080" || fail "full screen covers $(inside "$(game_window)")"
step "F11: full screen again"
quit_game
grep -q '^FullScreen=1' "$config/kelm.ini" || fail "kelm.ini does not keep full screen"
echo PASS
