#!/bin/bash
# The end of the whole Windows session with the reader open, autorun on in settings.dat: sched.dat
# still holds the next daily time, and at the next log-on the start-up shortcut's scheduler waits
# for it. A prefix of its own, since the test ends every program of its session.
#   session-end.sh DIST QUILLPOKE STATE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/tool/check.sh"
dist=$1 quillpoke=$2 state=$3
run() { "$root/tests/wine/run" "$state" "$@"; }
end_session() { WINEPREFIX=$state/prefix wineserver -k 2>/dev/null || true; }

folder=$(mktemp -d)
trap 'end_session; "$root/tests/wine/run" --stop "$state"; rm -rf "$folder"' EXIT
cp "$dist/Quillview.exe" "$dist/Quillwake.exe" "$dist/quillmere.pdb" "$folder/"
find "$state/prefix/drive_c" -name Quillwake.lnk -delete 2>/dev/null || true

# autorun on at two hours from now, no chime, no font, the default book
at=$(($(date +%s) + 7200))
perl -e 'print pack("l<l<l<", 1, $ARGV[0], 0), "\0" x 60, pack("L<", 0)' "$at" >"$folder/settings.dat"

run "$folder/Quillview.exe" >/dev/null 2>&1 &
run "$quillpoke" wait "Quillmere 1.5" || fail "the reader did not show"
run "$quillpoke" scheduler || fail "the reader's start left no scheduler waiting"
end_session
wait || true

scheduled=$(perl -e 'local $/; my $b = <STDIN>; print length($b) == 4 ? unpack("l<", $b) : -1' <"$folder/sched.dat")
[[ $scheduled == "$at" ]] || fail "sched.dat holds $scheduled after the session ended, not $at"

run "$quillpoke" logon || fail "no start-up shortcut to start"
run "$quillpoke" scheduler || fail "no scheduler waits after the log-on"
scheduled=$(perl -e 'local $/; my $b = <STDIN>; print unpack("l<", $b)' <"$folder/sched.dat")
[[ $scheduled == "$at" ]] || fail "the log-on's scheduler changed sched.dat to $scheduled"
echo "the daily start outlives the session's end: $at"
