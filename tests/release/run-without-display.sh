#!/bin/bash
# scripts/run on a machine without a display: it ends by itself within a minute, having saved a
# screenshot of the reader's window and printed today's verse, and leaves no Wine or Xvfb process
# of its own behind.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/tool/check.sh"

# In US English, and in Spanish, whose heading the shell shows only when it is printed in UTF-8.
for language in C.UTF-8=Verse es_ES.UTF-8=Versículo; do
    status=0
    output=$(env -u DISPLAY QUILLMERE_WINE_LANG="${language%%=*}" timeout 60 "$root/scripts/run" --built 2>&1) ||
        status=$?
    [[ $status == 0 ]] || fail "scripts/run ended with $status: $output"
    shot=$(sed -n "s/^run: the reader's window: //p" <<<"$output")
    [[ -s $shot ]] || fail "no screenshot named: $output"
    (($(identify -format %w "$shot") > 600)) || fail "the screenshot is not the reader's window"
    grep -q "^${language#*=} [0-9]*:$" <<<"$output" || fail "no verse printed in ${language%%=*}: $output"
done

# Every process that scripts/run starts, Xvfb included, carries its prefix in its environment.
prefix=$root/build/run/virtual/prefix
for environ in /proc/[0-9]*/environ; do
    if grep -qxzF "WINEPREFIX=$prefix" "$environ" 2>/dev/null; then
        fail "left running: $(tr '\0' ' ' <"${environ%/environ}/cmdline")"
    fi
done
echo "scripts/run without a display: $shot"
