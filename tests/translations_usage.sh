#!/bin/bash
# The usage follows the desktop's language before any display is opened, and with no
# language, or English first, reads exactly as it always has.
# Usage: translations_usage.sh PROGRAM
set -uo pipefail
program=$1
fail=0
english=$(env -i "$program" --help)
# CASE: environment | arguments | expected status | first line of the output (stdout, or stderr on a refusal)
while IFS='|' read -r envs args status first; do
    out=$(env -i $envs "$program" $args 2>&1)
    got=$?
    line=$(printf '%s\n' "$out" | head -n 1)
    if [ "$got" != "$status" ] || [ "$line" != "$first" ]; then
        echo "FAIL: env $envs, $args: status $got, first line '$line' (wanted $status, '$first')"
        fail=1
    fi
done <<'CASES'
LANGUAGE=de|--help|0|Aufruf: tesseron [--help | --version]
LANG=de_DE.UTF-8|-h|0|Aufruf: tesseron [--help | --version]
LANGUAGE=fr:de|--help|0|Usage : tesseron [--help | --version]
LANGUAGE=pt_BR|--help|0|Uso: tesseron [--help | --version]
LANGUAGE=pt|--help|0|Uso: tesseron [--help | --version]
LC_ALL=ru_RU.UTF-8|--bogus|2|tesseron: неизвестный аргумент «--bogus»
LANGUAGE=pl|--bogus|2|tesseron: nieznany argument „--bogus”
LANGUAGE=en LANG=de_DE.UTF-8|--help|0|Usage: tesseron [--help | --version]
LANGUAGE=ja|--help|0|Usage: tesseron [--help | --version]
LANG=C|--bogus|2|tesseron: unknown argument '--bogus'
CASES
# Unset, English is the program's text to the letter.
[ "$(printf '%s\n' "$english" | head -n 1)" = "Usage: tesseron [--help | --version]" ] || { echo "FAIL: English usage"; fail=1; }
[ "$(printf '%s\n' "$english" | tail -n 1)" = "More in the manual: man tesseron" ] || { echo "FAIL: English usage end"; fail=1; }
exit $fail
