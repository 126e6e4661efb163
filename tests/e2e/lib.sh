# Shared by the end-to-end tests: a private installation, a virtual X screen with a
# window manager, a private home, and screenshot helpers. Source it, then call
# e2e_setup BUILD-DIR and e2e_start_x WIDTHxHEIGHT [EXTRA...].
set -euo pipefail

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
e2e_start_x() {
    local size=$1 fifo=$work/displayfd
    command -v Xvfb >/dev/null || skip "Xvfb is not installed"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -br 3>"$fifo" >"$work/xvfb.log" 2>&1 &
    E2E_PIDS+=($!)
    local n=""
    read -r -t 10 n <"$fifo" || true
    [ -n "$n" ] || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
    export DISPLAY=:$n
    openbox >"$work/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    sleep 0.5  # openbox takes over the screen
    step "Xvfb $DISPLAY at $size with openbox"
}

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

# Waits until COMMAND succeeds, for at most SECONDS; polls every 0.2 s.
wait_for() {
    local seconds=$1; shift
    local end=$(($(date +%s) + seconds))
    until "$@"; do
        [ "$(date +%s)" -lt "$end" ] || return 1
        sleep 0.2
    done
}

# click X Y: one left press at a screen position.
click() { xdotool mousemove "$1" "$2" click 1; }
