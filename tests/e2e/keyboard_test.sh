#!/usr/bin/env bash
# Every screen from the keyboard alone: on a 1024 x 768 virtual screen with openbox and a
# fresh settings file, the options change the number of colours and switch the sounds
# off through the focus frame, F1 then Return shows the rules, Escape closes each
# window, and Ctrl+Q leaves the changes in kelm.ini.
#   keyboard_test.sh BUILD-DIR        (exit 77: skipped, Xvfb cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
e2e_start_x 1024x768

L=272 T=144           # field origin: (1024 - 480) / 2, (768 - 480) / 2
OL=192 OT=264         # the options' origin: (1024 - 640) / 2, (768 - 400) / 2 + 80
VIEWER=600x480+212+144  # the text viewer, centred
skin=$work/prefix/share/tesseron/skins/scoarching-red
convert "$skin/icons.bmp" -crop 90x90+0+180 +repage "$work/ref-newgame.png"
convert "$skin/icons.bmp" -crop 90x90+90+360 +repage "$work/ref-close.png"

icon_at() {  # icon_at NAME X Y REF: the 90 x 90 square at (X, Y) of a fresh shot is REF
    shot "$1"
    crop "$1" "$2" "$3" 90 90 "$1-icon"
    [ "$(differing "$work/$1-icon.png" "$work/$4.png")" = 0 ]
}
game_shown() { icon_at "$1" $L $T ref-newgame; }
window_shown() { icon_at "$1" 0 0 ref-close; }
white_at() { shot "$1" && [ "$(px "$1" "$2" "$3")" = 255,255,255 ]; }
# The frame round the zone of N colours: white three pixels left of and above it.
zone_left() { local x=(1 32 66 102 135 178); echo $((OL + 340 + ${x[$1 - 5]} - 3)); }
colours_framed() { white_at "$1" "$(zone_left "$2")" $((OT - 6)); }
same_as() { grab "$1" seen && [ "$(differing "$work/seen.png" "$work/$2.png")" = 0 ]; }
key() { xdotool key --clearmodifiers "$@"; }

# --- A key hands the splash over to the game window.
convert "$work/prefix/share/tesseron/title.bmp" -crop 500x60+0+0 +repage "$work/ref-title-top.png"
e2e_launch
splash_shown() {
    shot splash
    crop splash 262 196 500 60 splash-top
    [ "$(differing "$work/splash-top.png" "$work/ref-title-top.png")" = 0 ]
}
wait_for 20 splash_shown || fail "no splash with the title picture"
key space
wait_for 15 game_shown game || fail "Space did not bring the game window up after the splash"
xdotool mousemove 1000 20  # outside the field and every control
step "game window up from the keyboard"

# --- The options: 5 colours and the sounds off through the focus frame.
key ctrl+shift+comma
wait_for 10 window_shown options || fail "Ctrl+Shift+Comma did not open the options"
colours_framed options 5 && fail "the options show a frame before any key"
key Tab
wait_for 10 colours_framed framed 5 || fail "the first Tab did not frame 5 colours"
key Tab
wait_for 10 colours_framed framed 6 || fail "the second Tab did not move the frame to 6 colours"
key shift+Tab space
step "Tab and Shift+Tab moved the frame; Space chose 5 colours"
# Six more stops: the sounds switch, framed three pixels left of and above its picture.
key Tab Tab Tab Tab Tab Tab
wait_for 10 white_at sounds $((OL + 337)) $((OT + 54)) || fail "six Tabs did not frame the sounds switch"
grab 164x40+$((OL + 335))+$((OT + 52)) switch-on
key space
wait_screen_change 164x40+$((OL + 335))+$((OT + 52)) 10 switch-on || fail "Space did not switch the sounds off"
key Escape
wait_for 10 game_shown back || fail "Escape did not close the options"
step "sounds switched off; Escape closed the options"

# --- F1, Return: the rules in the viewer; Escape closes the viewer, then help.
key F1
wait_for 10 window_shown help || fail "F1 did not open the help window"
wait_screen_rest "$VIEWER" 10 || fail "the help window did not come to rest"
cp "$work/seen.png" "$work/help-middle.png"
key Return
wait_screen_change "$VIEWER" 10 help-middle || fail "Return did not show the rules viewer"
key Escape
wait_for 10 same_as "$VIEWER" help-middle || fail "Escape did not close the rules viewer"
window_shown help-again || fail "the help window went with the viewer"
key Escape
wait_for 10 game_shown back2 || fail "Escape did not close the help window"
step "F1, Return showed the rules; Escape closed the viewer and then help"

# --- Ctrl+Q: the settings hold what the keys chose.
key ctrl+q
wait_for 10 bash -c "! kill -0 $game 2>/dev/null" || fail "Ctrl+Q did not end the game"
wait "$game" || fail "the game exited with status $?"
ini=$config/kelm.ini
grep -qx 'NumberOfColors=5' "$ini" || fail "kelm.ini: $(grep -i colors "$ini")"
grep -qx 'Sounds=0' "$ini" || fail "kelm.ini: $(grep -i '^sounds' "$ini")"
step "kelm.ini: NumberOfColors=5, Sounds=0"
echo PASS
