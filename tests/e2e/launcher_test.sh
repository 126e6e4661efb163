#!/usr/bin/env bash
# The launcher seeds the player's data folder without replacing the player's files,
# also with two starts at once, and starts the program in that folder.
#   launcher_test.sh BUILD-DIR BUILD-DATA-DIR   (the launcher as the build configured it)
set -euo pipefail
launcher=$1/packaging/tesseron shipped=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export HOME=$work/home XDG_DATA_HOME=$work/data TESSERON_SHIPPED=$shipped TESSERON_EXE=pwd
data=$XDG_DATA_HOME/tesseron
mkdir -p "$data" "$HOME"
echo "the player's own skin" >"$data/Scoarching red.skn"
echo "a saved game" >"$data/kelm.sg3"

"$launcher" >"$work/first" & a=$!
"$launcher" >"$work/second" & b=$!
wait $a && wait $b || fail "a launcher failed"
[ "$(cat "$work/first")" = "$data" ] && [ "$(cat "$work/second")" = "$data" ] \
    || fail "the program did not start in $data"
[ "$(cat "$data/Scoarching red.skn")" = "the player's own skin" ] || fail "the player's skin was replaced"
[ "$(cat "$data/kelm.sg3")" = "a saved game" ] || fail "the saved game was touched"
for f in "Glacier blue.skn" skins/glacier-blue/bricks.bmp skins/scoarching-red/font3.bmp 1.snd 5.snd Music.mid \
    rules.txt readme.txt logo.bmp; do
    cmp -s "$shipped/$f" "$data/$f" || fail "$f was not seeded whole"
done
# Every translation of the texts and every language's skin picture the build shipped.
while IFS= read -r -d '' f; do
    cmp -s "$shipped/$f" "$data/$f" || fail "$f was not seeded whole"
    found=yes
done < <(cd "$shipped" && find . \( -name 'rules.*.txt' -o -name 'readme.*.txt' -o -path './skins/*.*.bmp' \) -print0)
[ "${found-}" = yes ] || fail "the build shipped no translations to seed"
[ -f "$data/rules.de.txt" ] && [ -f "$data/skins/glacier-blue/icons.de.bmp" ] || fail "no German text or picture was seeded"
[ -z "$(find "$data" -name '*.seed.*')" ] || fail "temporary copies were left behind"
# An existing folder without high scores keeps it that way: the game warns of the loss.
[ -z "$(find "$data" -name 'Vexil.hig' -o -name 'kelm.ini')" ] || fail "player files were seeded"

# Relative XDG paths are ignored: the default folder below the home is used.
XDG_DATA_HOME=relative "$launcher" >"$work/third"
[ "$(cat "$work/third")" = "$HOME/.local/share/tesseron" ] || fail "a relative XDG_DATA_HOME was used"
# So is the root folder however it is written, as in the game: nothing lands in "/".
for root in / // /. /tmp/..; do
    XDG_DATA_HOME=$root "$launcher" >"$work/root" || fail "no start with XDG_DATA_HOME=$root"
    [ "$(cat "$work/root")" = "$HOME/.local/share/tesseron" ] \
        || fail "XDG_DATA_HOME=$root was taken as a folder: started in $(cat "$work/root")"
done

# A first start, into a folder that does not exist yet, gets the shipped high scores;
# later starts neither replace the player's nor bring them back once gone.
new=$work/new/deeper
XDG_DATA_HOME=$new "$launcher" >/dev/null
cmp -s "$shipped/Vexil.hig" "$new/tesseron/Vexil.hig" || fail "a first start did not get the shipped Vexil.hig"
cmp -s "$shipped/rules.txt" "$new/tesseron/rules.txt" || fail "a first start did not get the other files"
echo "the player's scores" >"$new/tesseron/Vexil.hig"
XDG_DATA_HOME=$new "$launcher" >/dev/null
[ "$(cat "$new/tesseron/Vexil.hig")" = "the player's scores" ] || fail "the player's Vexil.hig was replaced"
rm "$new/tesseron/Vexil.hig"
XDG_DATA_HOME=$new "$launcher" >/dev/null
[ ! -e "$new/tesseron/Vexil.hig" ] || fail "Vexil.hig was seeded again into an existing folder"

# Without HOME the home comes from the password database, and the game is given it.
# A stand-in database keeps the real home untouched; with XDG_DATA_HOME the real one serves.
mkdir -p "$work/bin"
printf '#!/bin/sh\n[ "$1 $2" = "passwd %s" ] && cat "%s" 2>/dev/null\n' "$(id -u)" "$work/passwd" >"$work/bin/getent"
printf '#!/bin/sh\npwd\necho "${HOME-unset}"\n' >"$work/show"
chmod +x "$work/bin/getent" "$work/show"
echo "player:x:$(id -u):$(id -g):Player:$work/pwhome:/bin/sh" >"$work/passwd"
env -u HOME -u XDG_DATA_HOME PATH="$work/bin:$PATH" TESSERON_EXE="$work/show" "$launcher" >"$work/out" 2>"$work/err" \
    || fail "no start without HOME: $(cat "$work/err")"
[ "$(cat "$work/out")" = "$(printf '%s\n' "$work/pwhome/.local/share/tesseron" "$work/pwhome")" ] \
    || fail "without HOME: started as $(cat "$work/out"), not in the database's home"
[ ! -s "$work/err" ] || fail "without HOME: $(cat "$work/err")"
env -u HOME TESSERON_EXE="$work/show" "$launcher" >"$work/out" 2>"$work/err" \
    || fail "no start without HOME but with XDG_DATA_HOME: $(cat "$work/err")"
[ "$(cat "$work/out")" = "$(printf '%s\n' "$data" "$(getent passwd "$(id -u)" | cut -d: -f6)")" ] \
    || fail "without HOME but with XDG_DATA_HOME: started as $(cat "$work/out")"
[ ! -s "$work/err" ] || fail "without HOME but with XDG_DATA_HOME: $(cat "$work/err")"

# HOME=/ is nobody's home to fill: the database's home is taken instead.
HOME=/ XDG_DATA_HOME=relative PATH="$work/bin:$PATH" TESSERON_EXE="$work/show" "$launcher" >"$work/out" 2>&1
[ "$(head -n 1 "$work/out")" = "$work/pwhome/.local/share/tesseron" ] || fail "with HOME=/: started as $(cat "$work/out")"

# No home anywhere and no usable XDG_DATA_HOME: a message instead of a folder below "/".
rm "$work/passwd"
status=0
env -u HOME XDG_DATA_HOME=relative PATH="$work/bin:$PATH" TESSERON_EXE="$work/show" "$launcher" \
    >"$work/out" 2>"$work/err" || status=$?
[ "$status" != 0 ] && [ ! -s "$work/out" ] || fail "started without any home folder"
grep -q "no home folder" "$work/err" && ! grep -q "unbound" "$work/err" || fail "without a home: $(cat "$work/err")"
echo PASS
