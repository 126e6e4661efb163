#!/bin/bash
# Every text of the program is translated in every language: lupdate over the sources
# into a copy of each .ts finds no new, vanished or unfinished text, and lrelease
# turns each into a .qm without an unfinished one.
# Usage: translations_complete.sh SOURCE_DIR LUPDATE LRELEASE
set -uo pipefail
src=$1 lupdate=$2 lrelease=$3
cd "$src" || exit 1
source scripts/translation-sources
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
shopt -s nullglob
files=(translations/tesseron_*.ts)
[ ${#files[@]} -ge 8 ] || { echo "only ${#files[@]} translation files"; exit 1; }
for ts in "${files[@]}"; do
    copy=$tmp/$(basename "$ts")
    cp "$ts" "$copy"
    if ! "$lupdate" -silent -locations none -no-obsolete -I . "${TRANSLATION_SOURCES[@]}" -ts "$copy" >"$tmp/lupdate.log" 2>&1; then
        echo "$ts: lupdate failed"; cat "$tmp/lupdate.log"; fail=1; continue
    fi
    # lupdate warns about a tr() it cannot read (a variable where a literal belongs).
    if [ -s "$tmp/lupdate.log" ]; then echo "$ts: lupdate says:"; cat "$tmp/lupdate.log"; fail=1; fi
    if ! cmp -s "$ts" "$copy"; then
        echo "$ts: texts were added or removed in the sources; run scripts/update-translations and translate:"
        diff "$ts" "$copy" | grep '^[<>].*<source>' | head -20
        fail=1
    fi
    if grep -q 'type="unfinished"' "$copy"; then
        echo "$ts: unfinished:"
        grep -B1 'type="unfinished"' "$copy" | grep '<source>' | head -20
        fail=1
    fi
    report=$("$lrelease" "$copy" -qm "$tmp/out.qm" 2>&1)
    counts=$(printf '%s\n' "$report" | grep -o '([0-9]* finished and [0-9]* unfinished)')
    echo "$ts: $counts"
    case $counts in
        *" 0 unfinished)") ;;
        *) echo "$ts: lrelease: $report"; fail=1 ;;
    esac
done
exit $fail
