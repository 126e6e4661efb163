#!/usr/bin/env bash
# End to end at scale factor 2: on a 2048 x 1536 virtual screen the game sees a
# 1024 x 768 screen and is drawn at twice the size, every skin pixel a sharp 2 x 2
# block, and presses land on the doubled positions.
#   hidpi_test.sh BUILD-DIR        (exit 77: skipped, Xvfb cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
e2e_start_x 2048x1536
export QT_SCALE_FACTOR=2

L=544 T=288  # the field origin (272, 144) in device pixels
skin=$work/prefix/share/tesseron/skins/scoarching-red
convert "$skin/icons.bmp" -crop 90x90+0+180 +repage -scale 200% "$work/ref-newgame.png"
convert "$skin/icons.bmp" -crop 90x90+90+360 +repage -scale 200% "$work/ref-close.png"
matches() {  # matches NAME X Y W H REF: a region of a fresh shot equals a picture
    shot "$1"
    crop "$1" "$2" "$3" "$4" "$5" "$1-part"
    [ "$(differing "$work/$1-part.png" "$work/$6.png")" = 0 ]
}
# sharp NAME X Y W H: every 2 x 2 block of the region (at even coordinates) is one colour.
sharp() {
    crop "$1" "$2" "$3" "$4" "$5" "$1-sharp"
    convert "$work/$1-sharp.png" -sample 50% -scale 200% "$work/$1-blocks.png"
    [ "$(differing "$work/$1-sharp.png" "$work/$1-blocks.png")" = 0 ]
}

e2e_launch
wait_for 20 bash -c "[ -f '$data/Music.mid' ]" || fail "the launcher did not seed $data"
# The splash hands over by itself after four seconds.
wait_for 20 matches game $L $T 180 180 ref-newgame \
    || fail "the new game icon is not drawn at twice its size at ($L, $T), pixel for pixel"
step "game drawn at scale 2: the new game icon is its skin picture doubled"
# The queues of the right side: bricks of several colours and their arrows.
sharp game $((L + 780)) $((T + 180)) 180 600 || fail "the bricks on the right are not sharp 2 x 2 blocks"
[ "$(distinct_colours game $((L + 780)) $((T + 180)) 180 600)" -gt 20 ] || fail "no bricks on the right"
step "bricks are sharp: every skin pixel is one 2 x 2 block"

# The hall of fame icon at its doubled place opens the window; its doubled close icon closes it.
click $((L + 870)) $((T + 90))
wait_for 5 matches fame 0 0 180 180 ref-close || fail "a press on the doubled hall of fame icon did not open it"
click 90 90
wait_for 5 matches back $L $T 180 180 ref-newgame || fail "a press on the doubled close icon did not close the window"
step "doubled presses: the hall of fame opened and closed"

click $((L + 1040)) $((T + 730))  # quit, at field (520, 365)
wait_for 10 bash -c "! kill -0 $game 2>/dev/null" || fail "the doubled quit button did not end the game"
wait "$game" || fail "the game exited with status $?"
step "quit at the doubled button"
echo PASS
