# Shared by the end-to-end tests: a private installation, a virtual X screen with a
# window manager, a private home, and screenshot helpers. Source it, then call
# e2e_setup BUILD-DIR and e2e_start_x WIDTHxHEIGHT [EXTRA...].
# Every wait is on something the test can see, with a limit; none is on the clock.
set -euo pipefail

# The screens are compared with the English pictures; a test of another language sets
# LANGUAGE itself.
export LANGUAGE=en

# How often the waits below look again, in seconds.
E2E_POLL=${E2E_POLL:-0.2}
# How long a screen region must look the same to be at rest: longer than a game step.
E2E_QUIET=${E2E_QUIET:-1}

E2E_PIDS=()
e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    if [ -n "${E2E_KEEP:-}" ]; then echo "kept $work"; else rm -rf "$work"; fi
}

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }
step() { printf '[%5.1fs] %s\n' "$(($(date +%s%N) / 1000000 - e2e_t0))e-3" "$*"; }

# Installs the built program into a temporary prefix and points every per-user
# folder at temporary places.
e2e_setup() {
    local build=$1
    e2e_t0=$(($(date +%s%N) / 1000000))
    work=$(mktemp -d "${TMPDIR:-/tmp}/tesseron-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    for tool in xdotool import convert compare openbox; do
        command -v "$tool" >/dev/null || fail "$tool is missing (see packages.txt)"
    done
    cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install failed"
    export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/audio.raw
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR
    data=$XDG_DATA_HOME/tesseron config=$XDG_CONFIG_HOME/tesseron
    step "installed into $work/prefix"
}

# Starts Xvfb on a free display (skips the test when it cannot) and openbox on it.
# Other developers' X servers come and go on the same machine: now and then openbox
# cannot reach a display just reported free, and then both start again.
e2e_start_x() {
    local size=$1 try
    command -v Xvfb >/dev/null || skip "Xvfb is not installed"
    for try in 1 2 3; do
        e2e_try_x "$size" && { step "Xvfb $DISPLAY at $size with openbox"; return 0; }
        echo "openbox could not take over $DISPLAY: $(tail -n 3 "$work/openbox.log" | tr '\n' ' ')" >&2
    done
    fail "openbox could not take over the screen in $try tries"
}
# Openbox names its check window on the root once it manages the screen.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
e2e_try_x() {
    local size=$1 fifo=$work/displayfd n="" kept=${#E2E_PIDS[@]} xvfb wm
    rm -f "$fifo" && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -br 3>"$fifo" >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    E2E_PIDS+=("$xvfb")
    read -r -t 10 n <"$fifo" || true
    [ -n "$n" ] || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
    export DISPLAY=:$n
    openbox >"$work/openbox.log" 2>&1 &
    wm=$!
    E2E_PIDS+=("$wm")
    wm_gone() { ! kill -0 "$1" 2>/dev/null; }
    wait_for 10 wm_running_or_gone "$wm" && ! wm_gone "$wm" && wm_running && return 0
    kill "$wm" "$xvfb" 2>/dev/null || true
    wait "$wm" "$xvfb" 2>/dev/null || true
    E2E_PIDS=("${E2E_PIDS[@]:0:kept}")
    return 1
}
wm_running_or_gone() { wm_running || wm_gone "$1"; }

# Starts the installed launcher in the background; its output goes to $work/game.log.
e2e_launch() {
    "$work/prefix/bin/tesseron" >"$work/game.log" 2>&1 &
    game=$!
    E2E_PIDS+=("$game")
}
game_alive() { kill -0 "$game" 2>/dev/null; }

# shot NAME: the whole screen into $work/NAME.png.
shot() { import -window root "$work/$1.png"; }
# px NAME X Y: the colour of a pixel of a screenshot as "r,g,b".
px() { convert "$work/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
# crop NAME X Y W H OUT: a region of a screenshot as its own picture.
crop() { convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage "$work/$6.png"; }
# differing PICTURE1 PICTURE2: the number of pixels that differ.
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true; }
# distinct_colours NAME X Y W H: how many different colours a region holds.
distinct_colours() { convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage -unique-colors -format '%w' info:; }

now_ms() { echo $(($(date +%s%N) / 1000000)); }
ms() { awk -v s="$1" 'BEGIN { printf "%d", s * 1000 }'; }  # ms SECONDS: fractions allowed

# wait_for SECONDS COMMAND...: polls COMMAND every $E2E_POLL s until it succeeds, for at
# most SECONDS. To show that something does not happen, watch it the same way for a
# stated time and expect the watch to run out: `! wait_for 1 COMMAND...`.
wait_for() {
    local end=$(($(now_ms) + $(ms "$1"))); shift
    until "$@"; do
        [ "$(now_ms)" -lt "$end" ] || return 1
        sleep "$E2E_POLL"
    done
}

# A screen REGION is an ImageMagick geometry, WIDTHxHEIGHT+X+Y.
# grab REGION NAME: a fresh picture of that region into $work/NAME.png.
grab() { import -window root -crop "$1" +repage "$work/$2.png"; }
region_differs() { grab "$1" seen && [ "$(differing "$work/seen.png" "$work/$2.png")" != 0 ]; }
# wait_screen_change REGION SECONDS FROM: waits until the region differs from picture
# FROM, grabbed before the action; the changed region is left in $work/seen.png.
wait_screen_change() { wait_for "$2" region_differs "$1" "$3"; }
region_still() {  # region_still REGION MS: the region has looked the same for MS so far
    local t
    t=$(now_ms)
    grab "$1" seen
    if [ -n "$still_since" ] && [ "$(differing "$work/seen.png" "$work/still.png")" = 0 ]; then
        [ $((t - still_since)) -ge "$2" ]
    else
        cp "$work/seen.png" "$work/still.png"
        still_since=$(now_ms)
        false
    fi
}
# wait_screen_rest REGION SECONDS [QUIET]: waits until the region has looked the same
# for QUIET seconds ($E2E_QUIET by default); the region at rest is left in $work/seen.png.
wait_screen_rest() { still_since=""; wait_for "$2" region_still "$1" "$(ms "${3:-$E2E_QUIET}")"; }

file_size() { stat -c %s "$1" 2>/dev/null || echo 0; }
file_reached() { [ "$(file_size "$1")" -ge "$2" ]; }
# wait_file_grows FILE SECONDS BYTES: waits until FILE holds BYTES more than it does now.
wait_file_grows() { wait_for "$2" file_reached "$1" $(($(file_size "$1") + $3)); }

# click X Y: one left press at a screen position.
click() { xdotool mousemove "$1" "$2" click 1; }
