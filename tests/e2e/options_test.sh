#!/usr/bin/env bash
# The command line of the program and of its launcher: --help and --version print and
# end at once with status 0, without a display and without touching the data folder;
# anything else prints the usage on standard error and ends with status 2.
#   options_test.sh BUILD-DIR VERSION
build=$1 version=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/tesseron-options.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# A game that starts anyway plays on the offscreen screen until the limit ends it.
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy HOME=$work/home XDG_DATA_HOME=$work/data
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run TESSERON_EXE=$build/tesseron TESSERON_SHIPPED=$build/data
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

for command in "$build/tesseron" "$build/packaging/tesseron"; do
    for args in "--help" "-h" "--version" "--help --version" "--bogus" "extra" "--version -x"; do
        status=0
        timeout 20 "$command" $args >"$work/out" 2>"$work/err" || status=$?
        what="$(basename "$(dirname "$command")")/$(basename "$command") $args"
        case $args in
        --help* | -h)
            [ "$status" = 0 ] || fail "$what: status $status"
            grep -q '^Usage: tesseron' "$work/out" && grep -q 'man tesseron' "$work/out" || fail "$what: no usage"
            [ ! -s "$work/err" ] || fail "$what: wrote to standard error: $(cat "$work/err")" ;;
        --version)
            [ "$status" = 0 ] || fail "$what: status $status"
            [ "$(cat "$work/out")" = "tesseron $version" ] || fail "$what: printed '$(cat "$work/out")'" ;;
        *)
            [ "$status" = 2 ] || fail "$what: status $status, not 2"
            [ ! -s "$work/out" ] || fail "$what: wrote to standard output"
            grep -q '^Usage: tesseron' "$work/err" || fail "$what: no usage on standard error" ;;
        esac
        [ ! -e "$XDG_DATA_HOME" ] && [ ! -e "$XDG_CONFIG_HOME" ] || fail "$what: made the data or settings folder"
    done
done
echo "PASS"
