#!/usr/bin/env bash
# End to end: the game as a screen reader sees it. On a 1024 x 768 virtual screen with
# openbox, a private session bus and the accessibility bus, the installed game is
# walked through AT-SPI by atspi_game.py: the eight icons and buttons by name, a new
# game pressed through AT-SPI, a refused launch announced, the options window's
# controls. The game window's tree is left in $work/atspi-main.txt, and copied to
# ATSPI_TREE when that is set.
#   atspi_test.sh BUILD-DIR        (exit 77: skipped, no X server or accessibility bus)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "at-spi2-core is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
command -v dbus-daemon >/dev/null || skip "dbus is not installed"
e2e_setup "$1"
e2e_start_x 1024x768

# A session bus of our own, and the accessibility bus on it.
bus=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1) || skip "no session bus: $bus"
export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
E2E_PIDS+=("$(sed -n 2p <<<"$bus")")
"$launcher" --launch-immediately >"$work/atspi.log" 2>&1 &
E2E_PIDS+=("$!")
a11y_bus() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
wait_for 10 a11y_bus || skip "the accessibility bus did not start: $(tail -n 3 "$work/atspi.log" | tr '\n' ' ')"
step "accessibility bus up"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_launch
L=272 T=144  # field origin: (1024 - 480) / 2, (768 - 480) / 2
# The launcher execs the program: the bus sees the same process.
E2E_T0=$e2e_t0 /usr/bin/python3 "$here/atspi_game.py" "$game" $L $T "$work/atspi-main.txt" || fail "see above"
[ -z "${ATSPI_TREE:-}" ] || cp "$work/atspi-main.txt" "$ATSPI_TREE"
for w in options fame help; do [ -z "${ATSPI_TREE:-}" ] || cp "$work/atspi-$w.txt" "${ATSPI_TREE/main/$w}"; done
game_alive || fail "the game ended during the walk"
echo PASS
