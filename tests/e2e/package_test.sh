#!/usr/bin/env bash
# The Debian package: built from a copy of the source tree, clean for lintian,
# installed with apt, started from /usr/games on a virtual screen, quit, and purged
# without leaving anything of it under /usr.
#   package_test.sh SOURCE-DIR SCRATCH-DIR
# Exit 77: skipped (not root, no apt, or Xvfb cannot start); the package is still
# built and checked with lintian first.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
src=$1 scratch=$2
e2e_t0=$(($(date +%s%N) / 1000000))
work=$(mktemp -d "${TMPDIR:-/tmp}/tesseron-package.XXXXXX")
installed_here=
cleanup() {
    # A failed run does not leave the package on the machine.
    if [ -n "$installed_here" ] && dpkg-query -W -f='${Status}' tesseron 2>/dev/null | grep -q installed; then
        apt-get purge -y -q tesseron >/dev/null 2>&1 || true
    fi
    e2e_cleanup
}
trap cleanup EXIT
for tool in dpkg-buildpackage dh fakeroot lintian xdotool import convert compare openbox; do
    command -v "$tool" >/dev/null || fail "$tool is missing (see packages.txt)"
done

# --- Build and lintian: no error and no warning.
DEB_BUILD_OPTIONS="nocheck noautodbgsym parallel=2" bash "$src/scripts/package" --no-deps "$scratch" \
    >"$work/package.out" 2>&1 || { cat "$work/package.out"; fail "scripts/package failed"; }
deb=$(tail -n 1 "$work/package.out")
[ -f "$deb" ] && [[ $deb == */tesseron_*.deb ]] || { cat "$work/package.out"; fail "no package named in the output"; }
! grep -E '^[EW]: ' "$work/package.out" || fail "lintian reports errors or warnings"
step "built $(basename "$deb"); lintian: $(grep -cE '^[IP]: ' "$work/package.out") informational tags"
# The sound libraries are needed to start; the General MIDI bank only for the music,
# which is off by default, so a package without it still plays.
depends=$(dpkg-deb -f "$deb" Depends) recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $depends == *libsdl2-2.0-0* && $depends == *libfluidsynth3* ]] || fail "SDL or FluidSynth missing from Depends: $depends"
[[ $depends != *soundfont* ]] || fail "the soundfont is a hard dependency: $depends"
[[ $recommends == *timgm6mb-soundfont*sf2-soundfont-gm* ]] || fail "the soundfont is not recommended: $recommends"
grep -E '^[IP]: ' "$work/package.out" || true

# --- Install with apt: root only.
[ "$(id -u)" -eq 0 ] || skip "not root: the package is built and lintian-clean, but installing it needs root"
command -v apt-get >/dev/null || skip "no apt-get to install the package with"
apt=(env DEBIAN_FRONTEND=noninteractive apt-get -q -y -o DPkg::Lock::Timeout=120)
if dpkg-query -W -f='${Status}' tesseron 2>/dev/null | grep -q installed; then
    "${apt[@]}" purge tesseron >"$work/apt.log" 2>&1 || fail "could not purge an earlier tesseron: $(tail -n 3 "$work/apt.log")"
fi
installed_here=1
if ! "${apt[@]}" install "$deb" >"$work/apt.log" 2>&1; then
    grep -q 'Could not get lock' "$work/apt.log" && skip "apt is busy: $(grep -m1 'Could not get lock' "$work/apt.log")"
    cat "$work/apt.log"; fail "apt-get install failed"
fi
dpkg -L tesseron >"$work/files"
for f in /usr/games/tesseron /usr/lib/games/tesseron/tesseron-bin /usr/share/games/tesseron/title.bmp \
    /usr/share/man/man6/tesseron.6.gz /usr/share/applications/org.example.Tesseron.desktop \
    /usr/share/metainfo/org.example.Tesseron.metainfo.xml /usr/share/icons/hicolor/48x48/apps/org.example.Tesseron.png \
    /usr/share/games/tesseron/rules.de.txt /usr/share/games/tesseron/skins/scoarching-red/icons.de.bmp; do
    grep -qxF "$f" "$work/files" && [ -f "$f" ] || fail "$f is not installed by the package"
done
step "installed: $(wc -l <"$work/files") paths"

# --- The installed game starts under a private home and shows its windows. The title
# picture is not copied to the player's folder: it comes from the program's own
# relative path to /usr/share/games/tesseron.
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR
e2e_start_x 1024x768
shipped=/usr/share/games/tesseron
convert "$shipped/title.bmp" -crop 500x60+0+0 +repage "$work/ref-title-top.png"
convert "$shipped/skins/scoarching-red/icons.bmp" -crop 90x90+0+180 +repage "$work/ref-newgame.png"
/usr/games/tesseron >"$work/game.log" 2>&1 &
game=$!
E2E_PIDS+=("$game")
splash_shown() {
    shot splash
    crop splash 262 196 500 60 splash-top
    [ "$(differing "$work/splash-top.png" "$work/ref-title-top.png")" = 0 ]
}
wait_for 20 splash_shown || fail "no splash with the installed title picture; $(cat "$work/game.log")"
click 300 400
game_shown() {
    shot game
    crop game 272 144 90 90 game-icon
    [ "$(differing "$work/game-icon.png" "$work/ref-newgame.png")" = 0 ]
}
wait_for 15 game_shown || fail "the game window did not come up after the splash"
[ -n "$(xdotool search --onlyvisible --pid "$game" --class tesseron 2>/dev/null)" ] \
    || fail "no visible window of class tesseron belongs to the game"
[ "$(distinct_colours game 0 0 1024 768)" -gt 16 ] || fail "the screen is nearly blank"
[ -f "$XDG_DATA_HOME/tesseron/Scoarching red.skn" ] || fail "the launcher did not seed the player's folder"
step "the installed game shows its window"
xdotool key --clearmodifiers ctrl+q
gone() { ! kill -0 "$game" 2>/dev/null; }
wait_for 10 gone || fail "Ctrl+Q did not end the game"
status=0; wait "$game" || status=$?
[ "$status" = 0 ] || fail "the game ended with status $status"

# --- Purge: every file is gone, and every folder except those other packages own.
"${apt[@]}" purge tesseron >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get purge failed"; }
left=()
while IFS= read -r path; do
    [ -e "$path" ] || [ -L "$path" ] || continue
    if [ -d "$path" ] && [ ! -L "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1; then continue; fi
    # A folder nobody owns is shared when it still holds things of others, unless it is ours.
    if [ -d "$path" ] && [[ $path != *tesseron* ]] && [ -n "$(ls -A "$path")" ]; then continue; fi
    left+=("$path")
done <"$work/files"
[ ${#left[@]} -eq 0 ] || fail "left after the purge: ${left[*]}"
step "purged: nothing of it left under /usr"
echo PASS
