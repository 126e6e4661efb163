#!/usr/bin/env bash
# End to end at a large screen: the game picks the largest whole factor k that fits
# 640 x 480 into the screen and draws every skin pixel as a k x k block; presses on
# the zoomed field and on the zoomed close icons land where they do at 1x.
# With a desktop scale the factor still counts device pixels: the scale is undone, not
# added on top, and a fractional one splits no skin pixel.
#   zoom_test.sh BUILD-DIR WIDTH HEIGHT [DESKTOP-SCALE]   (exit 77: skipped, Xvfb cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
W=$2 H=$3
e2e_start_x "${W}x${H}"
[ -z "${4:-}" ] || export QT_SCALE_FACTOR=$4

k=$(( W / 640 < H / 480 ? W / 640 : H / 480 ))
L=$(( (W / k - 480) / 2 * k )) T=$(( (H / k - 480) / 2 * k ))  # the field's corner in device pixels
at() { echo $(( $1 + k * $2 )); }  # at ORIGIN SKIN-OFFSET
skin=$work/prefix/share/tesseron/skins/scoarching-red
convert "$skin/icons.bmp" -crop 90x90+0+180 +repage -scale "$((100 * k))%" "$work/ref-newgame.png"
convert "$skin/icons.bmp" -crop 90x90+90+360 +repage -scale "$((100 * k))%" "$work/ref-close.png"
matches() {  # matches NAME X Y W H REF: a region of the screen equals a picture
    grab "$4x$5+$2+$3" "$1-part"
    [ "$(differing "$work/$1-part.png" "$work/$6.png")" = 0 ]
}
# sharp NAME X Y W H: every k x k block of the region is one colour.
sharp() {
    crop "$1" "$2" "$3" "$4" "$5" "$1-sharp"
    convert "$work/$1-sharp.png" -sample "$4x$5" -sample "$(( $4 / k ))x$(( $5 / k ))!" -scale "$4x$5!" "$work/$1-blocks.png"
    [ "$(differing "$work/$1-sharp.png" "$work/$1-blocks.png")" = 0 ]
}
# Unscaled, presses go at a region's last device pixel; scaled, X11 hands Qt positions
# rounded to desktop units, so they go a little further in.
inset=1
[ -z "${4:-}" ] || inset=3
back_in_game() { matches "$1" "$L" "$T" $((90 * k)) $((90 * k)) ref-newgame; }

e2e_launch
wait_for 40 back_in_game game || fail "the new game icon is not drawn $k times its size at ($L, $T), pixel for pixel"
step "factor $k${4:+ at desktop scale $4}: the new game icon is its skin picture as $k x $k blocks at ($L, $T)"
shot game
sharp game "$(at "$L" 390)" "$(at "$T" 90)" $((90 * k)) $((300 * k)) || fail "the right side's bricks are not sharp blocks"
[ "$(distinct_colours game "$(at "$L" 390)" "$(at "$T" 90)" $((90 * k)) $((300 * k)))" -gt 20 ] || fail "no bricks on the right"
step "the bricks are sharp $k x $k blocks"
cp "$work/game.png" "${E2E_SHOTS:-$work}/zoom-${W}x${H}${4:+-scale$4}.png" 2>/dev/null || true

# Top lane 4 runs down column 4 until the first game's brick at (4, 5) stops it at (4, 4).
cell_filled() { grab $((30 * k))x$((30 * k))+$(at "$L" 180)+$(at "$T" 180) cell; [ "$(distinct_colours cell 0 0 $((30 * k)) $((30 * k)))" -gt 20 ]; }
cell_filled && fail "cell (4, 4) is not empty before the launch"
click "$(at "$L" 195)" "$(at "$T" 45)"
wait_for 15 cell_filled || fail "a press on the zoomed top lane 4 did not send a brick down to (4, 4)"
step "a launch at the zoomed lane travelled"

# Hall of fame, help and options open at their zoomed icons and close at the zoomed close icon.
for icon in "435 45 hall-of-fame" "45 435 help" "435 435 options"; do
    set -- $icon
    click "$(at "$L" "$1")" "$(at "$T" "$2")"
    wait_for 15 matches "$3" 0 0 $((90 * k)) $((90 * k)) ref-close || fail "the zoomed $3 icon did not open its window"
    click $((90 * k - inset)) $((90 * k - inset))
    wait_for 15 back_in_game "$3-closed" || fail "the zoomed close icon did not close the $3 window"
    step "$3 opened and closed through its zoomed regions"
done

click "$(at "$L" 520)" "$(at "$T" 365)"  # quit
wait_for 10 bash -c "! kill -0 $game 2>/dev/null" || fail "the zoomed quit button did not end the game"
wait "$game" || fail "the game exited with status $?"
step "quit at the zoomed button"
echo PASS
