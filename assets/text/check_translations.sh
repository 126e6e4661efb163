#!/usr/bin/env bash
# Checks the translated rules and readme against the English ones: every language has
# both, the build copied them unchanged into the data folder, they are clean UTF-8 text,
# and no paragraph, number, file name, address or shortcut got lost in translation.
#   check_translations.sh SOURCE-TEXT-DIR BUILD-DATA-DIR
set -uo pipefail
src=$1 data=$2
languages="de fr es it pt_BR pl nl ru"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

paragraphs() { awk 'BEGIN { RS = "" } END { print NR }' "$1"; }
numbers() { grep -o '[0-9]\+' "$1" | sort; }
# Names that stay as they are in every language: files, folders, variables, addresses.
fixed_names() {
    grep -oE '(https://|~/|\$XDG_)[^ ),;]*|[A-Za-z0-9_.-]+@[a-z.]+|[A-Za-z0-9*]+\.(txt|bmp|snd|mid|hig|ini|skn|sg[0-9])\b|GameSpeed|DisappearSpeed|skins/' "$1" | sort -u
}
# Shortcuts of Ctrl and one key; German keyboards call Ctrl Strg.
shortcuts() { grep -oE '(Ctrl|Strg)\+[A-Z0-9<]([^A-Za-z]|$)|\bF11?\b' "$1" | cut -c1-6 | sed 's/^Strg/Ctrl/' | sort -u; }

for kind in rules readme; do
    english=$src/$kind.txt
    for lang in $languages; do
        file=$src/$kind.$lang.txt name=$kind.$lang.txt
        [ -f "$file" ] || { fail "$name is missing"; continue; }
        cmp -s "$file" "$data/$name" || fail "$name is not in the data folder as it is in the source"
        iconv -f UTF-8 -t UTF-8 "$file" >/dev/null 2>&1 || fail "$name is not UTF-8"
        [ "$(head -c3 "$file" | od -An -tx1 | tr -d ' ')" != efbbbf ] || fail "$name starts with a byte-order mark"
        ! grep -q $'[\r\t]' "$file" || fail "$name has a carriage return or a tab"
        ! grep -nq '[[:space:]]$' "$file" || fail "$name has trailing blanks: $(grep -n '[[:space:]]$' "$file" | head -3)"
        [ -z "$(tail -c1 "$file")" ] || fail "$name does not end with a line end"
        width=$(LC_ALL=C.UTF-8 wc -L <"$file")
        [ "$width" -le 76 ] || fail "$name has a line $width characters wide, too wide for the layout"
        [ "$(paragraphs "$file")" = "$(paragraphs "$english")" ] \
            || fail "$name has $(paragraphs "$file") paragraphs, $kind.txt $(paragraphs "$english")"
        lost=$(diff <(numbers "$english") <(numbers "$file") | grep '^[<>]' | tr '\n' ' ')
        [ -z "$lost" ] || fail "$name changes the numbers of $kind.txt: $lost"
        lost=$(comm -23 <(fixed_names "$english") <(fixed_names "$file") | tr '\n' ' ')
        [ -z "$lost" ] || fail "$name lacks $lost"
        lost=$(comm -23 <(shortcuts "$english") <(shortcuts "$file") | tr '\n' ' ')
        [ -z "$lost" ] || fail "$name lacks the shortcuts $lost"
    done
done
# The glossary the translations follow is kept beside them.
[ -f "$src/GLOSSARY.md" ] || fail "GLOSSARY.md is missing"
[ $failures -eq 0 ] || exit 1
echo "rules and readme in $languages: complete"
