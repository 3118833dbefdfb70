#!/bin/bash
# A shipped program needs no DLL beyond those every Windows has, and is small once stripped.
#   check-program.sh PROGRAM.exe MAX_KIB
set -euo pipefail
source "$(dirname "$0")/../tool/check.sh"
program=$1 limit=$2
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|winmm|advapi32|msvcrt)\.dll$'
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
x86_64-w64-mingw32-strip -o "$stripped" "$program"
while read -r dll; do
    [[ ${dll,,} =~ $allowed ]] || fail "$(basename "$program") imports $dll"
done < <(x86_64-w64-mingw32-objdump -p "$stripped" | sed -n 's/^\s*DLL Name: //p')
size=$(stat -c %s "$stripped")
((size < limit * 1024)) || fail "$(basename "$program") is $size bytes stripped, over $limit KiB"
echo "$(basename "$program"): $size bytes stripped, imports $(x86_64-w64-mingw32-objdump -p "$stripped" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
