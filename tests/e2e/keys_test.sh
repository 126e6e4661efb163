#!/usr/bin/env bash
# End to end from the keyboard alone: on a 1024 x 768 virtual screen with openbox,
# opens and closes the secondary windows by their keys, launches with the lane cursor,
# takes the launch back and quits, all through xdotool key presses.
#   keys_test.sh BUILD-DIR        (exit 77: skipped, Xvfb cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
e2e_start_x 1024x768

L=272 T=144  # field origin: (1024 - 480) / 2, (768 - 480) / 2
skin=$work/prefix/share/tesseron/skins/scoarching-red
convert "$skin/icons.bmp" -crop 90x90+0+180 +repage "$work/ref-newgame.png"
convert "$skin/icons.bmp" -crop 90x90+90+360 +repage "$work/ref-close.png"
convert "$work/prefix/share/tesseron/title.bmp" -crop 500x60+0+0 +repage "$work/ref-title-top.png"

icon_at() {  # icon_at NAME X Y REF: the 90 x 90 square at (X, Y) of a fresh shot is REF
    shot "$1"
    crop "$1" "$2" "$3" 90 90 "$1-icon"
    [ "$(differing "$work/$1-icon.png" "$work/$4.png")" = 0 ]
}
game_shown() { icon_at "$1" $L $T ref-newgame; }
window_shown() { icon_at "$1" 0 0 ref-close; }
# empty NAME X Y: central cell (x, y) of a shot is black all over its middle.
empty() {
    local cx=$((L + 90 + 30 * ($2 - 1) + 5)) cy=$((T + 90 + 30 * ($3 - 1) + 5))
    [ "$(distinct_colours "$1" $cx $cy 20 20)" = 1 ] && [ "$(px "$1" $cx $cy)" = 0,0,0 ]
}
# framed NAME LANE: the white outline of the left side's lane LANE shows.
framed() { [ "$(px "$1" $L $((T + 90 + 30 * ($2 - 1))))" = 255,255,255 ]; }
key() { xdotool key --clearmodifiers "$@"; }

# --- The splash hands over to the game window on a press.
e2e_launch
splash_shown() {
    shot splash
    crop splash 262 196 500 60 splash-top
    [ "$(differing "$work/splash-top.png" "$work/ref-title-top.png")" = 0 ]
}
wait_for 20 splash_shown || fail "no splash with the title picture"
click 300 400
wait_for 15 game_shown game || fail "the game window did not come up after the splash"
xdotool mousemove 1000 20  # outside the field, so that no lane is hovered
step "game window up"

# --- F1 and Ctrl+H open their windows over the game; Escape closes each.
for entry in "help:F1" "hall of fame:ctrl+h"; do
    IFS=: read -r name combo <<<"$entry"
    key "$combo"
    wait_for 10 window_shown window || fail "$combo did not open the $name window"
    key Escape
    wait_for 10 game_shown back || fail "Escape did not close the $name window"
    step "$combo opened the $name window, Escape closed it"
done

# --- The first set: colour 1 at (4,5), so a brick launched into row 5 from the left
# comes to rest at (3,5).
shot start
for c in "4 5" "4 6" "5 7" "6 7" "7 6" "7 5" "5 4"; do
    empty start $c && fail "the first game lacks its brick at ($c)"
done
empty start 3 5 || fail "cell (3,5) is not empty in the first game"
framed start 1 && fail "a lane is framed before any arrow key"
key Down
cursor_on_1() { shot lane1; framed lane1 1; }
wait_for 15 cursor_on_1 || fail "the first Down did not frame the left side's lane 1"
key Down Down Down Down
cursor_on_5() { shot lane5; framed lane5 5 && ! framed lane5 1; }
wait_for 15 cursor_on_5 || fail "four more Downs did not move the frame to lane 5"
crop lane5 $((L + 90)) $((T + 90)) 300 300 before-zone
step "lane cursor on the left side's lane 5"

key Return
rested() { shot launched; ! empty launched 3 5 && empty launched 1 5 && empty launched 2 5; }
wait_for 10 rested || fail "no brick came to rest at (3,5) with (1,5) and (2,5) empty again"
step "Return launched into row 5; the brick rests at (3,5)"

# --- Ctrl+Z takes the launch back: the central zone is as it was.
key ctrl+z
undone() {
    shot undone
    empty undone 3 5 || return 1
    crop undone $((L + 90)) $((T + 90)) 300 300 undone-zone
    [ "$(differing "$work/undone-zone.png" "$work/before-zone.png")" = 0 ]
}
wait_for 10 undone || fail "Ctrl+Z did not restore the central zone"
step "Ctrl+Z took the launch back"

# --- Ctrl+Q ends the game cleanly.
key ctrl+q
wait_for 10 bash -c "! kill -0 $game 2>/dev/null" || fail "Ctrl+Q did not end the game"
wait "$game" || fail "the game exited with status $?"
step "Ctrl+Q: the game ended with status 0"
echo PASS
