#!/usr/bin/env bash
# One game per player on X11: a second start through the launcher, with the desktop's
# runtime folder, without one or with another, brings the running game to the front
# and ends without touching the player's files; a game killed with
# SIGKILL does not block the next start. Prints how long the second start took.
#   one_game_test.sh BUILD-DIR        (exit 77: skipped, Xvfb cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
e2e_start_x 1024x768

# The game's windows that are on screen.
visible() { xdotool search --onlyvisible --pid "$game" 2>/dev/null; }
one_visible() { [ "$(visible | wc -l)" = 1 ]; }
# Processes of the game started in the player's data folder.
games_in_data() {
    local p n=0
    for p in $(pgrep -x tesseron-bin); do [ "$(readlink "/proc/$p/cwd")" = "$data" ] && n=$((n + 1)); done
    echo $n
}
# Every file of the player with its size, time and content.
snapshot() { (cd "$work" && { find data config -type f -printf '%p %s %T@ ' -exec md5sum {} \; 2>/dev/null || true; } | sort); }

e2e_launch
wait_for 20 one_visible || fail "the splash did not show"
splash=$(visible)
click 512 384  # hands over to the game window
main_window() { one_visible && [ "$(visible)" != "$splash" ]; }
wait_for 10 main_window || fail "the game window did not show"
wid=$(visible)
first=$game
step "first game $first shows window $wid"
before=$(snapshot)
in_front() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$wid" ] && raised=$(now_ms); }

for run in 1 2 3; do
    xdotool windowminimize "$wid"
    wait_for 15 bash -c "! xdotool search --onlyvisible --pid $first | grep -qx $wid" || fail "the window did not minimise"
    # The same player from a shell without the desktop's runtime folder, or with another one.
    case $run in
        1) runtime=(env) ;;
        2) runtime=(env -u XDG_RUNTIME_DIR) ;;
        *) mkdir -p -m 700 "$work/other-run" && runtime=(env XDG_RUNTIME_DIR="$work/other-run") ;;
    esac
    t0=$(now_ms)
    "${runtime[@]}" "$work/prefix/bin/tesseron" >"$work/second.log" 2>&1 & second=$!
    raised=""
    # Looked at often, so that the time it took is known to a few milliseconds.
    E2E_POLL=0.01 wait_for 10 in_front || true  # judged once the second start has ended
    wait_for 10 bash -c "! kill -0 $second 2>/dev/null" || { kill "$second"; fail "the second start is still running"; }
    ended=$(now_ms)
    wait $second || fail "the second start ended with status $? ($(cat "$work/second.log"))"
    [ -n "$raised" ] || fail "the first game's window did not come to the front"
    visible | grep -qx "$wid" || fail "the first game's window is still minimised"
    step "run $run: the second start ended after $((ended - t0)) ms; the first window was in front after $((raised - t0)) ms"
done
game_alive || fail "the first game ended"
[ "$(games_in_data)" = 1 ] || fail "$(games_in_data) games run in $data"
[ "$(snapshot)" = "$before" ] || fail "the second start changed the player's files: $(diff <(echo "$before") <(snapshot))"

# A killed game leaves its lock behind; the next start takes it over and plays.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
e2e_launch
wait_for 20 one_visible || fail "after a SIGKILL the next start showed no window ($(cat "$work/game.log"))"
[ "$(games_in_data)" = 1 ] || fail "$(games_in_data) games run in $data after the restart"
step "after SIGKILL the next start ($game) shows its window"
kill -TERM "$game"
wait "$game" || fail "the restarted game ended with status $?"
echo PASS
