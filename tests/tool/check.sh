# Assertions shared by the tool tests; a failed one says what differed and ends the test.

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# expect_status CODE COMMAND...: runs the command, its output thrown away, and checks its exit status.
expect_status() {
    local expected=$1 status=0
    shift
    "$@" >/dev/null 2>&1 || status=$?
    [[ $status == "$expected" ]] || fail "'$*' exited with $status, not $expected"
}

# expect_same FILE1 FILE2 WHAT
expect_same() {
    cmp -s "$1" "$2" || fail "$3: $(cmp "$1" "$2" 2>&1)"
}
