#!/bin/sh
# A termination signal ends the game the way the quit button does: settings and
# high scores are written and the program exits normally.
#   signal_quit_test.sh GAME DATA-FOLDER
set -u
game=$1 data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$data/." "$work/"
shipped_hig=$(stat -c %i "$work/Vexil.hig")
export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
(cd "$work" && exec "$game") >"$work/out.log" 2>&1 &
pid=$!
sleep 2
kill -TERM $pid
wait $pid; status=$?
[ $status -eq 0 ] || { echo "exit status $status"; cat "$work/out.log"; exit 1; }
[ "$(stat -c %s "$work/Vexil.hig")" -eq 3348 ] && [ "$(stat -c %i "$work/Vexil.hig")" != "$shipped_hig" ] \
    || { echo "the high-score file was not written"; exit 1; }
grep -q '^SkinFile=' "$work/config/tesseron/kelm.ini" || { echo "no settings"; exit 1; }
echo "saved and ended on SIGTERM"
