#!/bin/bash
# The book tool as an author uses it: exit codes, and the default book as the reader will show it.
#   cli.sh QUILLBOOK DEFAULT_BOOK
set -euo pipefail
source "$(dirname "$0")/check.sh"
quillbook=$1 book=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# usage errors
expect_status 2 "$quillbook"
expect_status 2 "$quillbook" frob "$book"
expect_status 2 "$quillbook" show "$book"
expect_status 2 "$quillbook" show "$book" 2023-02-29
expect_status 2 "$quillbook" show "$book" 23-01-01
expect_status 2 "$quillbook" record "$book" 1x
expect_status 2 "$quillbook" record "$book" 99999999999
expect_status 2 "$quillbook" build "$work/source.txt" "$work/out.pdb" extra
"$quillbook" show "$book" 2026-02-30 2>"$work/error" >/dev/null || true
grep -qx 'quillbook: 2026-02-30 is not a valid date (write dates as YYYY-MM-DD, for example 2026-03-14)' "$work/error" ||
    fail "a wrong date is reported as: $(head -n 1 "$work/error")"

# help, on standard output
for option in --help -h; do
    "$quillbook" "$option" >"$work/help" 2>"$work/error" || fail "quillbook $option does not exit with 0"
    grep -q '^usage: quillbook build \[--plan\] SOURCE OUT.pdb' "$work/help" || fail "quillbook $option prints no usage"
    [[ ! -s $work/error ]] || fail "quillbook $option writes to standard error"
done

# books that cannot be opened
for command in "info" "show 2024-01-01" "record 1"; do
    set -- $command
    expect_status 1 "$quillbook" "$1" "$work/missing.pdb" ${2-}
done

# the default book
"$quillbook" info "$book" >"$work/info" || fail "info finds problems in the default book: $(cat "$work/info")"
grep -qx 'records: 366' "$work/info" || fail "the default book does not have 366 records"
grep -qx 'title: The Book of Proverbs' "$work/info" || fail "the default book has another title"

"$quillbook" show "$book" 2026-01-01 >"$work/day1"
printf 'Verse 1:\r\n\r\nProverbs 1:1\r\nThe proverbs of Solomon' | cmp -s -n 45 - "$work/day1" ||
    fail "day 1 does not begin with Proverbs 1:1"
"$quillbook" show "$book" 2024-02-29 >"$work/leap"
expect_same "$work/day1" "$work/leap" "29 February 2024 shows another text than 1 January"

"$quillbook" record "$book" 365 >"$work/day365"
[[ $(tail -c 13 "$work/day365") == "in the gates." ]] || fail "day 365 does not end with Proverbs 31:31"
grep -q $'^Proverbs 31:31\r$' "$work/day365" || fail "day 365 does not hold Proverbs 31:31"

for day in $(seq 1 365); do "$quillbook" record "$book" "$day"; echo; done | tr -d '\r' |
    grep -E '^Proverbs [0-9]+:[0-9]+$' >"$work/references"
[[ $(wc -l <"$work/references") == 915 ]] || fail "the book does not hold the 915 verses"
sort -t: -k1.10n -k2n -c "$work/references" 2>/dev/null || fail "the verses are not in order"

# records past either end are empty, up to the record numbers at either end of 32 bits; those past
# them are no record numbers
for index in -1 366 2147483647 -2147483648; do
    status=0
    "$quillbook" record "$book" "$index" >"$work/out" 2>"$work/error" || status=$?
    [[ $status == 0 ]] || fail "record $index exited with $status: $(head -n 1 "$work/error")"
    [[ ! -s $work/out ]] || fail "record $index is not empty"
done
for index in 2147483648 -2147483649; do
    status=0
    "$quillbook" record "$book" "$index" >"$work/out" 2>"$work/error" || status=$?
    [[ $status == 2 ]] || fail "record $index exited with $status, not 2"
    [[ ! -s $work/out ]] || fail "record $index wrote to standard output"
    grep -q "^quillbook: $index is not a valid record number" "$work/error" ||
        fail "record $index is reported as: $(head -n 1 "$work/error")"
done

# a book of three verses: built with a warning, then found short
printf 'Three\nA short book.\n%%%%\none\n%%%%\ntwo\n%%%%\nthree\n' >"$work/three.txt"
"$quillbook" build "$work/three.txt" "$work/three.pdb" 2>"$work/warning" || fail "a book of three verses is not built"
grep -q 'warning: .* 3 verses' "$work/warning" || fail "no warning for a book of three verses"
expect_status 1 "$quillbook" info "$work/three.pdb"
"$quillbook" record "$work/three.pdb" 3 >"$work/out"
[[ $(cat "$work/out") == three ]] || fail "the third verse reads '$(cat "$work/out")'"
# a book is a calendar book unless built as a plan, and says which (info finds the short books
# faulty, so its status is not looked at here)
"$quillbook" info "$work/three.pdb" >"$work/info" || true
grep -qx 'kind: a calendar book, day N of the year in record N' "$work/info" ||
    fail "a book built without --plan is no calendar book"
"$quillbook" build --plan "$work/three.txt" "$work/plan.pdb" 2>/dev/null || fail "a plan of three verses is not built"
"$quillbook" info "$work/plan.pdb" >"$work/info" || true
grep -qx 'kind: a plan, read from the day the reader begins it' "$work/info" || fail "a book built with --plan is no plan"
cmp -s <("$quillbook" record "$work/plan.pdb" 3) "$work/out" || fail "the plan reads another third verse"
expect_status 2 "$quillbook" build --calendar "$work/three.txt" "$work/plan.pdb"
"$quillbook" build "$work/three.txt" "$work/no/such/folder/three.pdb" 2>"$work/error" && fail "a build into a missing folder succeeded"
grep -q "cannot write $work/no/such/folder/three.pdb" "$work/error" || fail "a build into a missing folder says: $(cat "$work/error")"
printf 'Price $1\n%%%%\none\n' >"$work/dollar.txt"
expect_status 1 "$quillbook" build "$work/dollar.txt" "$work/dollar.pdb"
# a plan from a list of references: its format in the usage, and its errors write nothing
"$quillbook" --help | grep -q 'list:FILE' || fail "the usage does not show the list of references"
"$quillbook" --help | grep -q 'BOOK CHAPTER:FIRST-LAST' || fail "the usage does not show how to write a reference"
printf '$$$John 3:16\nFor God so loved the world.\n' >"$work/module.imp"
for count in 364 365; do
    for _ in $(seq "$count"); do echo "John 3:16"; done >"$work/list$count.txt"
done
expect_status 1 "$quillbook" plan "list:$work/list364.txt" "$work/module.imp" "$work/list.pdb"
[[ ! -e $work/list.pdb ]] || fail "a list of 364 references made a book"
expect_status 1 "$quillbook" plan "list:$work/missing.txt" "$work/module.imp" "$work/list.pdb"
expect_status 2 "$quillbook" plan frob "$work/module.imp" "$work/list.pdb"
expect_status 2 "$quillbook" plan "list:$work/list365.txt" "$work/module.imp"
"$quillbook" plan "list:$work/list365.txt" "$work/module.imp" "$work/list.pdb" || fail "a list of 365 references made no book"
[[ $("$quillbook" record "$work/list.pdb" 365 | tr -d '\r') == $'John 3:16\n\nFor God so loved the world.' ]] ||
    fail "day 365 of the list reads: $("$quillbook" record "$work/list.pdb" 365)"
# usage errors of plan make no book and write nothing to standard output, even where the plan,
# the module and the book are all named
expect_plan_usage_error() {
    local status=0
    "$quillbook" plan "$@" >"$work/out" 2>"$work/error" || status=$?
    [[ $status == 2 ]] || fail "'plan $*' exited with $status, not 2"
    [[ ! -e $work/usage.pdb && ! -e $work/fourth.pdb ]] || fail "'plan $*' made a book"
    [[ ! -s $work/out ]] || fail "'plan $*' wrote to standard output"
    grep -q '^usage: quillbook' "$work/error" || fail "'plan $*' shows no usage"
}
list="list:$work/list365.txt"
expect_plan_usage_error "$list" "$work/module.imp" "$work/usage.pdb" --title
expect_plan_usage_error "$list" "$work/module.imp" "$work/usage.pdb" --description
expect_plan_usage_error --code-page 1252x "$list" "$work/module.imp" "$work/usage.pdb"
expect_plan_usage_error "$list" "$work/module.imp" "$work/usage.pdb" "$work/fourth.pdb"
"$quillbook" plan --code-page 1252 "$list" "$work/module.imp" "$work/usage.pdb" ||
    fail "the same plan with its code page written right made no book"
"$quillbook" info "$work/usage.pdb" >"$work/info" || true
grep -qx 'code page: 1252' "$work/info" || fail "a book in code page 1252 does not say so"

# a book in UTF-8 holds any script, and says so; a book built from a source names no code page
printf '$$$John 3:16
Îá½ÏÏÏ Ð²Ð¾Ð·Ð»ÑÐ±Ð¸Ð» ç¥
' >"$work/greek.imp"
"$quillbook" plan --code-page utf-8 "$list" "$work/greek.imp" "$work/utf8.pdb" || fail "no book in UTF-8"
"$quillbook" info "$work/utf8.pdb" >"$work/info" || true
grep -qx 'code page: 65001 (UTF-8)' "$work/info" || fail "a book in UTF-8 does not say so"
"$quillbook" record "$work/utf8.pdb" 1 | tr -d '\r' | tail -n 1 >"$work/text"
tail -n 1 "$work/greek.imp" | tr -d '\n' | cmp -s - "$work/text" || fail "the UTF-8 book reads another text"
expect_status 1 "$quillbook" plan --code-page 1252 "$list" "$work/greek.imp" "$work/greek1252.pdb"
"$quillbook" info "$work/three.pdb" >"$work/info" || true
grep -qx 'code page: none named, the system.s' "$work/info" || fail "a built book names a code page"
echo "quillbook: all checks passed"
