#!/bin/bash
# Books no writer would make, and e-books of another kind: the tool reads each within 64 MiB of
# memory and ten seconds, and ends with 0 or 1, never by a signal.
#   hostile.sh QUILLBOOK
set -euo pipefail
source "$(dirname "$0")/check.sh"
quillbook=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# be32 N: the four big-endian bytes of N
be32() { printf "\\$(printf %03o $(($1 >> 24 & 255)))\\$(printf %03o $(($1 >> 16 & 255)))\\$(printf %03o $(($1 >> 8 & 255)))\\$(printf %03o $(($1 & 255)))"; }

# book NAME COUNT OFFSET... : a header, the count, the list as given, and a little text
book() {
    local name=$1 count=$2
    shift 2
    {
        head -c 76 /dev/zero
        printf "\\$(printf %03o $((count >> 8)))\\$(printf %03o $((count & 255)))"
        for offset in "$@"; do be32 "$offset"; head -c 4 /dev/zero; done
        printf 'Title$Description\0verse one\nline two\0verse two'
    } >"$work/$name.pdb"
}

data=$((78 + 8 * 3))
book huge-offsets 3 "$data" 2147483640 2147483647
book gigabytes-apart 3 "$data" $((data + 18)) 4026531840
book negative 3 2147483648 4294967295 "$data"
book decreasing 3 $((data + 30)) $((data + 18)) "$data"
book all-beyond 3 999999 999999 999999
book no-list 65535
book zeros 3 0 0 0
head -c 77 /dev/zero >"$work/short.pdb"
: >"$work/empty.pdb"

printf 'Hello\nworld\n' >"$work/tiny.txt"
for day in $(seq 200); do echo "Day $day: $(printf 'words %.0s' $(seq 40))"; done >"$work/long.txt"
txt2pdbdoc Tiny "$work/tiny.txt" "$work/doc-tiny.pdb" >/dev/null
txt2pdbdoc Long "$work/long.txt" "$work/doc-compressed.pdb" >/dev/null
txt2pdbdoc -c Long "$work/long.txt" "$work/doc-plain.pdb" >/dev/null

survives() {
    local status=0
    (ulimit -v 65536 && timeout 10 "$quillbook" "$@") >/dev/null 2>&1 || status=$?
    [[ $status == 0 || $status == 1 ]] || fail "'quillbook $*' ended with $status"
}

for pdb in "$work"/*.pdb; do
    survives info "$pdb"
    for index in -1 0 1 2 3 65534; do survives record "$pdb" "$index"; done
    for date in 2024-01-01 2024-02-29 2024-12-31; do survives show "$pdb" "$date"; done
done

"$quillbook" record "$work/gigabytes-apart.pdb" 1 >"$work/out"
[[ $(tr -d '\r' <"$work/out") == $'verse one\nline two' ]] || fail "a record running past the end reads '$(cat "$work/out")'"
"$quillbook" record "$work/negative.pdb" 0 >"$work/out"
[[ ! -s $work/out ]] || fail "a negative offset does not read empty"
echo "hostile books: all read safely"
