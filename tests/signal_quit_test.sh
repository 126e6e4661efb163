#!/bin/bash
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
# The game says "tesseron: ready" on standard error once its start-up is over.
export QT_LOGGING_RULES='tesseron.info=true' QT_FORCE_STDERR_LOGGING=1 QT_MESSAGE_PATTERN='%{category}: %{message}'
mkfifo "$work/err"
(cd "$work" && exec "$game") >"$work/out.log" 2>"$work/err" &
pid=$!
exec 3<"$work/err"
# Read its lines as they come, for a generous minute at most.
ready=no end=$((SECONDS + 60))
while [ $SECONDS -lt $end ] && IFS= read -r -t $((end - SECONDS)) line <&3; do
    printf '%s\n' "$line" >>"$work/err.log"
    [ "$line" = "tesseron: ready" ] && { ready=yes; break; }
done
if [ $ready = no ]; then
    kill -KILL $pid 2>/dev/null
    echo "the game never said it was ready"; cat "$work/out.log" "$work/err.log" 2>/dev/null; exit 1
fi
kill -TERM $pid
cat <&3 >>"$work/err.log"  # until the game closes its end
wait $pid; status=$?
[ $status -eq 0 ] || { echo "exit status $status"; cat "$work/out.log" "$work/err.log"; exit 1; }
[ "$(stat -c %s "$work/Vexil.hig")" -eq 3348 ] && [ "$(stat -c %i "$work/Vexil.hig")" != "$shipped_hig" ] \
    || { echo "the high-score file was not written"; exit 1; }
grep -q '^SkinFile=' "$work/config/tesseron/kelm.ini" || { echo "no settings"; exit 1; }
echo "saved and ended on SIGTERM"
