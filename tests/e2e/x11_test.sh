#!/usr/bin/env bash
# End to end on X11: installs the program, starts it through its launcher on a
# 1024 x 768 virtual screen with openbox, plays it with xdotool and checks the
# screen, the sound output and the files it leaves behind.
#   x11_test.sh BUILD-DIR        (exit 77: skipped, Xvfb cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
icons=$work/prefix/share/icons/hicolor
for size in 16 22 24 32 48 64 128 256 512; do
    [ "$(identify -format %wx%h "$icons/${size}x$size/apps/org.example.Tesseron.png" 2>/dev/null)" = "${size}x$size" ] \
        || fail "no $size-pixel icon installed"
done
grep -q '<svg' "$icons/scalable/apps/org.example.Tesseron.svg" || fail "no scalable icon installed"
[ -f "$work/prefix/share/applications/org.example.Tesseron.desktop" ] \
    && [ -f "$work/prefix/share/metainfo/org.example.Tesseron.metainfo.xml" ] || fail "desktop entry or metainfo missing"
[ -f "$work/prefix/share/man/man6/tesseron.6" ] || fail "no manual page installed"
e2e_start_x 1024x768

L=272 T=144  # field origin: (1024 - 480) / 2, (768 - 480) / 2
zone=300x300+$((L + 90))+$((T + 90)) score=100x40+$((L + 490))+$((T + 30))
board=590x480+$L+$T  # the field and the score beside it
skin=$work/prefix/share/tesseron/skins/scoarching-red
convert "$skin/icons.bmp" -crop 90x90+0+180 +repage "$work/ref-newgame.png"
convert "$skin/icons.bmp" -crop 90x90+90+360 +repage "$work/ref-close.png"
convert "$work/prefix/share/tesseron/title.bmp" -crop 500x60+0+0 +repage "$work/ref-title-top.png"

# A slow step so that a brick can be watched on its way; the rest keeps its defaults.
mkdir -p "$config"
printf '[Graphics]\nGameSpeed=300\n' >"$config/kelm.ini"

# empty_cell NAME X Y: whether central cell (x, y) of a shot is black near its centre.
# All cells are read in one pass and kept beside the shot.
empty_cell() {
    [ -f "$work/$1.cells" ] || convert "$work/$1.png" -crop 300x300+$((L + 90))+$((T + 90)) +repage \
        -sample 10x10 -depth 8 txt:- | awk -F'[,: ]+' 'NR > 1 {
            print $1 + 1, $2 + 1, ($0 ~ /#000000/ ? "empty" : "brick") }' >"$work/$1.cells"
    grep -qx "$2 $3 empty" "$work/$1.cells"
}
field_is() {  # field_is NAME REF: the 480 x 480 field equals that of another shot
    crop "$1" $L $T 480 480 "$1-field"
    [ "$(differing "$work/$1-field.png" "$work/$2-field.png")" = 0 ]
}
newgame_icon_shown() {
    shot "$1"
    crop "$1" $L $T 90 90 "$1-icon"
    [ "$(differing "$work/$1-icon.png" "$work/ref-newgame.png")" = 0 ]
}

# --- Start: the splash, with no notice over it: a first start finds default high scores.
e2e_launch
splash_shown() {
    shot splash
    crop splash 262 196 500 60 splash-top
    [ "$(differing "$work/splash-top.png" "$work/ref-title-top.png")" = 0 ]
}
wait_for 20 splash_shown || fail "no splash with the title picture at the centre"
step "splash shows the title picture"
[ -f "$data/Scoarching red.skn" ] && [ -f "$data/skins/scoarching-red/bricks.bmp" ] && [ -f "$data/Music.mid" ] \
    && [ -f "$data/rules.txt" ] || fail "the launcher did not seed $data"
cmp -s "$data/Vexil.hig" "$work/prefix/share/tesseron/Vexil.hig" || fail "the first start got no shipped Vexil.hig"
seeded_hig=$(stat -c %i "$data/Vexil.hig")
# A press on the splash hands over. A message box would refuse it (it is modal) and hold
# the start-up before the skin is loaded, so no key is pressed that could dismiss one.
click 300 400

# --- The game window fills the screen with the field at (272, 144), alone.
windows() { xdotool search --onlyvisible --pid "$game" 2>/dev/null | wc -l; }
wait_for 10 newgame_icon_shown game \
    || fail "the new game icon is not at ($L, $T); $(windows) windows of the game are open (a message box?)"
[ "$(windows)" = 1 ] || fail "$(windows) windows of the game are open at the first start, not just the game's"
# The task bar and Alt+Tab find the window's own icon and the desktop entry by its class.
wid=$(xdotool search --onlyvisible --pid "$game")
[[ $(xprop -id "$wid" _NET_WM_ICON) == *'Icon (48 x 48)'* ]] || fail "the game window carries no 48-pixel icon"
class=$(xprop -id "$wid" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
grep -qx "StartupWMClass=$class" "$work/prefix/share/applications/org.example.Tesseron.desktop" \
    || fail "the desktop entry does not name the window class \"$class\""
tile=$(convert "$skin/tile.bmp" -format '%[fx:int(255*p{23,67}.r)],%[fx:int(255*p{23,67}.g)],%[fx:int(255*p{23,67}.b)]' info:)
[ "$(px game 1023 767)" = "$tile" ] || fail "the bottom-right corner does not show the background tile"
step "game window: field at ($L, $T), background to the corner"

# --- A launch from the left into a row that holds a brick far enough away.
# A new game deals again when no row has one.
for attempt in 1 2 3 4; do
    shot board$attempt
    lane=0 best=0
    for y in $(seq 1 10); do
        empty_cell board$attempt 1 "$y" || continue
        for x in $(seq 2 10); do
            if ! empty_cell board$attempt "$x" "$y"; then
                [ "$x" -gt "$best" ] && best=$x lane=$y
                break
            fi
        done
    done
    [ "$best" -ge 4 ] && break
    grab "$zone" dealt
    click $((L + 45)) $((T + 45)) && xdotool mousemove 512 384
    wait_screen_change "$zone" 10 dealt || fail "the new game icon did not deal again"
    wait_screen_rest "$zone" 10 || fail "the new deal did not come to rest"
done
[ "$best" -ge 4 ] || fail "no row with a free entry and a brick at least three cells in"
shot before
crop before $L $T 480 480 before-field
row=300x30+$((L + 90))+$((T + 60 + 30 * lane))
grab "$row" before-row
click $((L + 45)) $((T + 90 + 30 * (lane - 1) + 15))
wait_screen_change "$row" 10 before-row || fail "the launch did not enter row $lane"
cp "$work/seen.png" "$work/moving-row.png"
# A step takes 0.3 s here: a row that stays the same for longer holds a brick at rest.
wait_screen_rest "$row" 20 || fail "the brick in row $lane did not come to rest"
cp "$work/seen.png" "$work/rested-row.png"
shot rested
[ "$(differing "$work/moving-row.png" "$work/rested-row.png")" != 0 ] || fail "the brick in row $lane did not move on"
empty_cell rested $((best - 1)) "$lane" && fail "no brick came to rest before column $best of row $lane"
step "launch into row $lane: the brick travelled and stopped before column $best"

# --- Undo takes the launch back.
click $((L + 520)) $((T + 110))
undone() { shot undone && field_is undone before; }
wait_for 10 undone || fail "undo did not restore the field"
step "undo restored the field"

# --- The hall of fame, help and options open full screen and close at their icon.
for icon in "hall of fame:435:45" "help:45:435" "options:435:435"; do
    IFS=: read -r name ix iy <<<"$icon"
    click $((L + ix)) $((T + iy))
    closed_icon() {
        shot window
        crop window 0 0 90 90 window-icon
        [ "$(differing "$work/window-icon.png" "$work/ref-close.png")" = 0 ]
    }
    wait_for 15 closed_icon || fail "the $name window did not open with its close icon"
    click 45 45
    wait_for 15 newgame_icon_shown back || fail "closing the $name window did not uncover the game"
    step "$name window opened and closed"
done

# --- Save through the load/save menu, then load a prepared game and score with it.
# The menu is a window of its own while it is open.
menu_open() { [ "$(windows)" = 2 ]; }
menu_closed() { [ "$(windows)" = 1 ]; }
loadsave() {  # loadsave N: the Nth item of the menu ("Load game", "Save game")
    click $((L + 520)) $((T + 280))
    wait_for 10 menu_open || fail "the load/save menu did not open"
    for _ in $(seq "$1"); do xdotool key Down; done
    xdotool key Return
    wait_for 10 menu_closed || fail "the load/save menu did not close"
}
loadsave 2
saved() { [ "$(file_size "$data/kelm.sg3")" = 600 ]; }
wait_for 10 saved || fail "Save game did not write a 600-byte kelm.sg3"
cmp -s "$data/kelm.sg3" /dev/null && fail "kelm.sg3 is empty"
step "Save game wrote kelm.sg3"

# Two bricks of colour 1 at (5,5) and (6,5); the left queue of row 5 holds colour 1,
# so a launch there stops at (4,5) and completes a group of three.
record=()
for ((i = 0; i < 600; ++i)); do record[i]=0; done
for x in 5 6; do record[36 * x + 15]=1; record[36 * x + 17]=1; done
for ((i = 0; i < 160; ++i)); do record[432 + i]=$((2 + i % 6)); done
for k in 0 1 2 3; do record[432 + 80 + 16 + k]=1; done
record[596]=1
bytes=""
for b in "${record[@]}"; do printf -v hex '\\x%02x' "$b"; bytes+=$hex; done
printf "$bytes" >"$data/kelm.sg3"
grab "$zone" before-load
loadsave 1
wait_screen_change "$zone" 10 before-load || fail "Load game did not change the field"
wait_screen_rest "$board" 10 || fail "the loaded game did not come to rest"
shot loaded
empty_cell loaded 5 5 && fail "the prepared game did not load"
crop loaded $((L + 490)) $((T + 30)) 100 40 score-before
row=300x30+$((L + 90))+$((T + 90 + 30 * 4))
grab "$row" before-row
click $((L + 45)) $((T + 90 + 30 * 4 + 15))
wait_screen_change "$row" 10 before-row || fail "the launch into row 5 did not start"
wait_screen_change "$score" 15 score-before || fail "the group of three did not score"
exploded() { rm -f "$work/scored.cells"; shot scored && empty_cell scored 5 5 && empty_cell scored 6 5; }
wait_for 15 exploded || fail "the group did not explode: $(grep ' 5 ' "$work/scored.cells" | tr '\n' ' ')"
step "loaded the prepared game; the group of three exploded and scored"

# --- Sound: a new game plays the click; the disk driver records the mix at 44.1 kHz,
# 4 bytes a frame. First the explosion's sound ends: the last quarter second written,
# all of it after the group was seen gone, is quiet.
second=$((44100 * 4)) quarter=$((44100 * 4 / 4))
loud_samples() { od -An -v -td2 -w2 | awk '$1 > 300 || $1 < -300 { n++ } END { print n + 0 }'; }
wait_file_grows "$SDL_DISKAUDIOFILE" 10 "$quarter" || fail "the audio output stopped after the explosion"
tail_quiet() { [ "$(tail -c "$quarter" "$SDL_DISKAUDIOFILE" | loud_samples)" = 0 ]; }
wait_for 15 tail_quiet || fail "the audio output did not fall quiet after the explosion"
# The output may close in a silence and start a new file: then its bytes count from the start.
audio_track() {  # a file shorter than it was is a new one: count from its start
    local size
    size=$(file_size "$SDL_DISKAUDIOFILE")
    [ "$size" -ge "$audio_last" ] || audio_base=0
    audio_last=$size
}
audio_since() { tail -c +$((audio_base + 1)) "$SDL_DISKAUDIOFILE"; }  # the output from byte audio_base
audio_base=$(file_size "$SDL_DISKAUDIOFILE") audio_last=$audio_base
click $((L + 45)) $((T + 45))
loud=0
clicked() { audio_track; loud=$(audio_since | head -c "$second" | loud_samples); [ "$loud" -gt 100 ]; }
wait_for 10 clicked || fail "no sound after the new game icon ($loud loud samples)"
step "new game: $loud loud samples in the audio output"

# --- Quit: the game ends and leaves its files.
click $((L + 520)) $((T + 365))
wait_for 10 bash -c "! kill -0 $game 2>/dev/null" || fail "the quit button did not end the game"
wait "$game" || fail "the game exited with status $?"
[ "$(stat -c %s "$data/Vexil.hig" 2>/dev/null)" = 3348 ] && [ "$(stat -c %i "$data/Vexil.hig")" != "$seeded_hig" ] \
    || fail "quit did not write a 3348-byte Vexil.hig in $data"
for key in Music MisicFile Sounds SndShootFile SndExplodeFile SndClickFile SndApplauseFile SndOverFile \
    GameSpeed DisappearSpeed Skin NumberOfColors SkinFile; do
    grep -qi "^$key=" "$config/kelm.ini" || fail "kelm.ini lacks $key"
done
grep -qi '^GameSpeed=300' "$config/kelm.ini" || fail "kelm.ini lost the step interval it was given"
grep -qi "could not\|error" "$work/game.log" && fail "the game reported: $(cat "$work/game.log")"
step "quit: Vexil.hig and kelm.ini with all thirteen keys written"
echo PASS
