#!/usr/bin/env bash
# End to end: the installed game follows the desktop's language. On a 1024 x 768
# virtual screen with openbox it starts once in English (no language set), once with
# LANGUAGE=de and once with LANGUAGE=ru. Each time the load/save menu and the message
# of Ctrl+O without a saved game are shown (longer in German and Russian than in
# English: their texts are translated), and the options' skin chooser opens a file
# dialog titled in that language. The help window, the options window, the menu, the
# message and the file dialog are kept as pictures in $work (E2E_KEEP=1 keeps them).
#   language_test.sh BUILD-DIR        (exit 77: skipped, Xvfb cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
e2e_start_x 1024x768
unset LANGUAGE LC_ALL LC_MESSAGES LANG

L=272 T=144  # field origin: (1024 - 480) / 2, (768 - 480) / 2
skin=$work/prefix/share/tesseron/skins/scoarching-red
# The icons carry words, so each language has its own sheet (icons.de.bmp); English the plain one.
for lang in en de ru; do
    sheet=$skin/icons.$lang.bmp
    [ -f "$sheet" ] || sheet=$skin/icons.bmp
    convert "$sheet" -crop 90x90+0+180 +repage "$work/ref-newgame-$lang.png"
    convert "$sheet" -crop 90x90+90+360 +repage "$work/ref-close-$lang.png"
done
icon_at() {  # icon_at NAME X Y REF: a fresh shot shows the icon REF at (X, Y)
    shot "$1"
    crop "$1" "$2" "$3" 90 90 "$1-icon"
    [ "$(differing "$work/$1-icon.png" "$work/$4.png")" = 0 ]
}
game_shown() { icon_at game $L $T "ref-newgame-$name"; }
window_shown() { icon_at window 0 0 "ref-close-$name"; }
handed_over() { game_shown || { click 512 384; false; }; }  # the central zone takes no command
key() { xdotool key --clearmodifiers "$@"; }
# other: the one window of the game shown besides the game window; its geometry in
# X, Y, WIDTH and HEIGHT.
other() {
    local w
    w=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | grep -vx "$main") && [ "$(wc -l <<<"$w")" = 1 ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$w")"
}
only_game() { [ "$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | wc -l)" = 1 ]; }
titled() { xdotool search --onlyvisible --pid "$game" --name "^$1\$" >/dev/null 2>&1; }
game_ended() { ! game_alive; }

# play NAME TITLE: one start in the environment given, up to its quit. Leaves the widths
# of the load/save menu and of the message box in menu_w and box_w.
play() {
    local name=$1 title=$2
    e2e_launch
    wait_for 30 handed_over || fail "$name: the game window did not come up"
    main=$(xdotool search --onlyvisible --pid "$game" | head -n 1)
    xdotool mousemove 1000 20

    click $((L + 515)) $((T + 280))
    wait_for 10 other || fail "$name: the load/save button showed no menu"
    menu_w=$WIDTH
    shot "menu-$name"
    key Escape
    wait_for 10 only_game || fail "$name: Escape did not close the menu"

    key ctrl+o
    wait_for 10 other || fail "$name: Ctrl+O without a saved game showed no message"
    box_w=$WIDTH
    shot "box-$name"
    key Return
    wait_for 10 only_game || fail "$name: Return did not close the message"
    step "$name: menu $menu_w wide, message $box_w wide"

    key F1
    wait_for 10 window_shown || fail "$name: F1 did not open the help window"
    shot "help-$name"
    key Escape
    wait_for 10 game_shown || fail "$name: Escape did not close the help window"

    key ctrl+less
    wait_for 10 window_shown || fail "$name: Ctrl+< did not open the options"
    shot "options-$name"
    click $((192 + 372)) $((264 + 176))  # the skin chooser
    wait_for 10 titled "$title" || fail "$name: no file dialog titled '$title'"
    shot "dialog-$name"
    step "$name: the skin chooser is titled '$title'"
    key Escape
    wait_for 10 window_shown || fail "$name: Escape did not close the file dialog"
    key Escape
    wait_for 10 game_shown || fail "$name: Escape did not close the options"
    key ctrl+q
    wait_for 15 game_ended || fail "$name: Ctrl+Q did not end the game"
}

play en "Open a SKIN"
en_menu=$menu_w en_box=$box_w
LANGUAGE=de play de "Skin öffnen"
(( menu_w > en_menu )) || fail "the German menu ($menu_w) is no wider than the English one ($en_menu)"
(( box_w > en_box )) || fail "the German message ($box_w) is no wider than the English one ($en_box)"
LANGUAGE=ru play ru "Открыть скин"
(( menu_w > en_menu )) || fail "the Russian menu ($menu_w) is no wider than the English one ($en_menu)"
(( box_w > en_box )) || fail "the Russian message ($box_w) is no wider than the English one ($en_box)"
echo PASS
