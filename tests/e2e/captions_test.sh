#!/usr/bin/env bash
# End to end: the game in English, German and Russian on a 1024 x 768 virtual screen.
# German takes the German icon sheet and draws the options' captions and the hall of
# fame's title in German with the skin's letters; Russian, which the skin has no letters
# for, draws the English captions beside its own icons.
#   captions_test.sh BUILD-DIR SOURCE-DIR [SKIN.skn]   (exit 77: skipped, Xvfb cannot start here)
# With CAPTIONS_SHOTS=FOLDER the screens are kept there as caps-<skin>-<window>-<lang>.png.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
src=$2 skin_file=${3:-Scoarching red.skn}
e2e_setup "$1"
e2e_start_x 1024x768

L=272 T=144                           # the field's corner
OL=192 OT=264                         # the options window's origin: (1024 - 640) / 2, (768 - 400) / 2 + 80
captions=340x190+$OL+$OT              # the four captions, up to their controls
options_title=515x45+$((OL + 125))+5  # to the column's right edge
fame_title=500x45+$((192 + 140))+5
shipped=$work/prefix/share/tesseron
skin_dir=$shipped/$(sed -n '9p' "$shipped/$skin_file" | tr -d '\r' | xargs dirname)
mkdir -p "$config"
printf '[Skin]\nSkinFile=%s\n' "$skin_file" >"$config/kelm.ini"

icons() { if [ -n "$1" ] && [ -f "$skin_dir/icons.$1.bmp" ]; then echo "$skin_dir/icons.$1.bmp"; else echo "$skin_dir/icons.bmp"; fi; }
icon_shown() {  # icon_shown NAME X Y REF: the 90 x 90 icon at (X, Y) equals the reference
    shot "$1"
    crop "$1" "$2" "$3" 90 90 "$1-icon"
    [ "$(differing "$work/$1-icon.png" "$work/$4.png")" = 0 ]
}
handed_over() { icon_shown "game-$1" $L $T "newgame-$1" || { click 512 600; false; }; }
keep() { [ -z "${CAPTIONS_SHOTS:-}" ] || cp "$work/$1.png" "$CAPTIONS_SHOTS/caps-$(basename "$skin_dir")-$2.png"; }

# run LANG: one game in that language; leaves options-LANG, fame-LANG and their areas.
run() {
    local lang=$1 tag=${1:-en}
    convert "$(icons "$lang")" -crop 90x90+0+180 +repage "$work/newgame-$tag.png"
    convert "$(icons "$lang")" -crop 90x90+90+360 +repage "$work/close-$tag.png"
    export LANGUAGE=${lang:-en}
    e2e_launch
    wait_for 30 handed_over "$tag" || fail "$tag: the game did not come up with its new game icon"
    keep "game-$tag" "game-$tag"

    click $((L + 435)) $((T + 435))
    wait_for 15 icon_shown "options-$tag" 0 0 "close-$tag" || fail "$tag: the options did not open with their close icon"
    wait_screen_rest "$captions" 10 || fail "$tag: the options did not come to rest"
    shot "options-$tag"
    keep "options-$tag" "options-$tag"
    grab "$captions" "captions-$tag"
    grab "$options_title" "options-title-$tag"
    click 45 45
    wait_for 15 icon_shown "back-$tag" $L $T "newgame-$tag" || fail "$tag: closing the options did not uncover the game"

    click $((L + 435)) $((T + 45))
    wait_for 15 icon_shown "fame-$tag" 0 0 "close-$tag" || fail "$tag: the hall of fame did not open with its close icon"
    shot "fame-$tag"
    keep "fame-$tag" "fame-$tag"
    grab "$fame_title" "fame-title-$tag"
    click 45 45
    wait_for 15 icon_shown "back-$tag" $L $T "newgame-$tag" || fail "$tag: closing the hall of fame did not uncover the game"
    xdotool key ctrl+q
    ended() { ! game_alive; }
    wait_for 20 ended || fail "$tag: Ctrl+Q did not end the game"
    wait "$game" 2>/dev/null || true
    step "$tag: game, options and hall of fame seen"
}
same() { [ "$(differing "$work/$1.png" "$work/$2.png")" = 0 ]; }

run ""
# Captions are drawn: the area holds the glyphs' many colours, not a plain background.
[ "$(distinct_colours captions-en 0 0 340 190)" -gt 20 ] || fail "no captions drawn in English"
run ru
same newgame-ru newgame-en && fail "Russian uses the English icon sheet"
same captions-ru captions-en || fail "Russian captions are not the English ones"
same options-title-ru options-title-en || fail "the Russian options title is not the English one"
same fame-title-ru fame-title-en || fail "the Russian hall of fame title is not the English one"
step "ru: own icons, English captions"
run de
same newgame-de newgame-en && fail "German uses the English icon sheet"
[ "$(distinct_colours captions-de 0 0 340 190)" -gt 20 ] || fail "no captions drawn in German"
if [ -f "$src/translations/tesseron_de.ts" ]; then
    same captions-de captions-en && fail "the German options show the English captions"
    same options-title-de options-title-en && fail "the German options title is the English one"
    same fame-title-de fame-title-en && fail "the German hall of fame title is the English one"
    step "de: own icons, German captions"
else
    echo "SKIP step: no translations/tesseron_de.ts yet, so the German captions cannot differ from the English"
    step "de: own icons"
fi
