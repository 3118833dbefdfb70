#!/bin/bash
# A shipped program carries DependentLoadFlags with LOAD_LIBRARY_SEARCH_SYSTEM32 in its load
# configuration, so that Windows searches the system folder alone for the DLLs that its own DLLs
# load for the program (version, uxtheme, dwmapi, propsys, ...). Wine's loader does not apply
# that restriction to the loads of its own DLLs, so this reads the program file instead of
# running it.
#   check-load-config.sh PROGRAM.exe
set -euo pipefail
source "$(dirname "$0")/../tool/check.sh"
program=$1
name=$(basename "$program")
headers=$(x86_64-w64-mingw32-objdump -p "$program")
read -r _ _ rva size _ < <(grep 'Load Configuration Directory' <<<"$headers")
base=$(awk '$1 == "ImageBase" { print $2 }' <<<"$headers")
((0x$rva != 0 && 0x$size >= 80)) || fail "$name has no load configuration that holds DependentLoadFlags"
# The file offset of the structure, through the section that holds its address.
offset=
while read -r _ _ length address _ file _; do
    start=$((0x$address - 0x$base))
    ((0x$rva >= start && 0x$rva < start + 0x$length)) && offset=$((0x$rva - start + 0x$file))
done < <(x86_64-w64-mingw32-objdump -h "$program" | grep -E '^ +[0-9]+ ')
[[ -n $offset ]] || fail "$name: no section holds its load configuration"
flags=$(od -An -tu2 -j $((offset + 78)) -N2 "$program" | tr -d ' ')
((flags & 0x800)) || fail "$name: DependentLoadFlags is $flags, without LOAD_LIBRARY_SEARCH_SYSTEM32 (0x800)"
echo "$name: DependentLoadFlags $(printf 0x%x "$flags")"
