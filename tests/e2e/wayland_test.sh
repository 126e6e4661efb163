#!/usr/bin/env bash
# End to end on Wayland: the installed game on a headless weston, through Qt's
# wayland platform. It must connect, cover the output and end on SIGTERM.
#   wayland_test.sh BUILD-DIR        (exit 77: skipped, weston cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
command -v weston >/dev/null || skip "weston is not installed"
[ -f /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] \
    || ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 || fail "qt6-wayland is missing"

socket=tesseron-e2e-$$
weston --backend=headless-backend.so --use-pixman --socket="$socket" --width=1024 --height=768 \
    --idle-time=0 --debug >"$work/weston.log" 2>&1 &
E2E_PIDS+=($!)
wait_for 10 test -S "$XDG_RUNTIME_DIR/$socket" || skip "weston could not start: $(tail -n 3 "$work/weston.log" | tr '\n' ' ')"
export WAYLAND_DISPLAY=$socket
step "weston on $socket"

# screenshot NAME: the output into $work/NAME.png (weston-screenshooter needs --debug).
screenshot() {
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && timeout 10 weston-screenshooter) || return 1
    mv "$work"/wayland-screenshot-*.png "$work/$1.png"
}
# The desktop first, once its shell has drawn the panel and the background.
desktop_drawn() { screenshot desktop && [ "$(distinct_colours desktop 0 0 1024 768)" -gt 2 ]; }
wait_for 10 desktop_drawn || fail "weston-screenshooter failed or the desktop stayed blank"

# The game says "tesseron: ready" on standard error once its start-up is over.
ready_or_gone() { grep -qx 'tesseron: ready' "$work/game.log" || ! game_alive; }
QT_QPA_PLATFORM=wayland QT_LOGGING_RULES='tesseron.info=true' QT_FORCE_STDERR_LOGGING=1 \
    QT_MESSAGE_PATTERN='%{category}: %{message}' e2e_launch
wait_for 30 ready_or_gone || fail "the game did not finish starting on Wayland: $(cat "$work/game.log")"
game_alive || fail "the game ended on Wayland: $(cat "$work/game.log")"
grep -qiE "could not connect|failed to create wl_display|protocol error|could not load the qt platform" \
    "$work/game.log" && fail "the game could not use Wayland: $(cat "$work/game.log")"
step "the game runs on Wayland"

# Full screen once the splash has handed over: hardly a pixel of the desktop (panel
# and background) is left.
covered=0
full_screen() {
    screenshot game || return 1
    local changed
    changed=$(compare -metric AE "$work/desktop.png" "$work/game.png" null: 2>&1 | cut -d' ' -f1 || true)
    covered=$((changed * 100 / (1024 * 768)))
    [ "$covered" -ge 95 ]
}
wait_for 20 full_screen || fail "the game covers only $covered % of the output"
game_alive || fail "the game ended on Wayland: $(cat "$work/game.log")"
step "the game covers $covered % of the output"

kill -TERM "$game"
wait_for 15 bash -c "! kill -0 $game 2>/dev/null" || fail "the game did not end on SIGTERM"
status=0
wait "$game" || status=$?
# Ended by the signal itself (128 + 15) or by a handler that exits normally.
[ "$status" = 143 ] || [ "$status" = 0 ] || fail "the game ended with status $status on SIGTERM"
step "SIGTERM ended the game (status $status)"
echo PASS
