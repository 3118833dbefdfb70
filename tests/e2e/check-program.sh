#!/bin/bash
# A shipped program needs no DLL beyond those every Windows has, and is small once stripped.
#   check-program.sh PROGRAM.exe MAX_KIB
set -euo pipefail
source "$(dirname "$0")/../tool/check.sh"
program=$1 limit=$2
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleacc|oleaut32|winmm|advapi32|msvcrt)\.dll$'
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
x86_64-w64-mingw32-strip -o "$stripped" "$program"
# The DLLs it imports at start and those it loads on first use through its delay-load entries: every
# DLL name the program holds.
dlls=$(strings -a "$stripped" | grep -i '\.dll$' | sort -fu)
for dll in $dlls; do
    [[ ${dll,,} =~ $allowed ]] || fail "$(basename "$program") needs $dll"
done
size=$(stat -c %s "$stripped")
((size < limit * 1024)) || fail "$(basename "$program") is $size bytes stripped, over $limit KiB"
echo "$(basename "$program"): $size bytes stripped, needs" $dlls
