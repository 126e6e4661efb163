#!/usr/bin/env bash
# The launcher seeds the player's data folder without replacing the player's files,
# also with two starts at once, and starts the program in that folder.
#   launcher_test.sh SOURCE-DIR BUILD-DATA-DIR
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
[ -z "$(find "$data" -name '*.seed.*')" ] || fail "temporary copies were left behind"
[ -z "$(find "$data" -name 'Vexil.hig' -o -name 'kelm.ini')" ] || fail "player files were seeded"

# Relative XDG paths are ignored: the default folder below the home is used.
XDG_DATA_HOME=relative "$launcher" >"$work/third"
[ "$(cat "$work/third")" = "$HOME/.local/share/tesseron" ] || fail "a relative XDG_DATA_HOME was used"
echo PASS
