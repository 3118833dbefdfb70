#!/bin/bash
# The Windows book tool prints the same bytes as the native one.
#   same-output.sh NATIVE_QUILLBOOK BOOK WINDOWS_RUNNER...
set -euo pipefail
source "$(dirname "$0")/check.sh"
native=$1 book=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

compare() {
    "$native" "$@" >"$work/native" 2>/dev/null || true
    "${windows[@]}" "$@" >"$work/windows" 2>/dev/null || true
    expect_same "$work/native" "$work/windows" "quillbook $*"
}

windows=("$@")
compare info "$book"
for date in 2026-01-01 2024-02-29 2026-04-10 2026-12-31; do compare show "$book" "$date"; done
for index in -1 0 1 183 365 366; do compare record "$book" "$index"; done
echo "quillbook.exe prints what quillbook prints"
