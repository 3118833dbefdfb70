#!/bin/bash
# The end of the whole Windows session with the reader open, autorun on in settings.dat: sched.dat
# still holds the next daily time, and at the next log-on the start-up shortcut's scheduler waits
# for it. A prefix of its own, since the test ends every program of its session.
#   session-end.sh DIST QUILLPOKE STATE CAPTION
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/tool/check.sh"
dist=$1 quillpoke=$2 state=$3 caption=$4
run() { "$root/tests/wine/run" "$state" "$@"; }
end_session() { WINEPREFIX=$state/prefix wineserver -k 2>/dev/null || true; }
# The time that sched.dat holds, or -1 where it holds no whole one.
scheduled() { perl -e 'local $/; my $b = <STDIN>; print length($b) == 4 ? unpack("l<", $b) : -1' <"$folder/sched.dat"; }

folder=$(mktemp -d)
trap 'end_session; "$root/tests/wine/run" --stop "$state"; rm -rf "$folder"' EXIT
cp "$dist/Quillview.exe" "$dist/Quillwake.exe" "$dist/quillmere.pdb" "$folder/"
find "$state/prefix/drive_c" -name Quillwake.lnk -delete 2>/dev/null || true

# autorun on at two hours from now, no chime, no font, the default book
at=$(($(date +%s) + 7200))
perl -e 'print pack("l<l<l<", 1, $ARGV[0], 0), "\0" x 60, pack("L<", 0)' "$at" >"$folder/settings.dat"

run "$folder/Quillview.exe" >/dev/null 2>&1 &
reader=$!
run "$quillpoke" wait "$caption" || fail "the reader did not show"
run "$quillpoke" scheduler || fail "the reader's start left no scheduler waiting"
end_session
# A Wine program still on its way up when the session ends waits for a wineserver that is gone:
# whatever of the reader's start is left goes with it.
pkill -KILL -P "$reader" 2>/dev/null || true
wait "$reader" || true

scheduled=$(scheduled)
[[ $scheduled == "$at" ]] || fail "sched.dat holds $scheduled after the session ended, not $at"

run "$quillpoke" logon || fail "no start-up shortcut to start"
run "$quillpoke" scheduler || fail "no scheduler waits after the log-on"
scheduled=$(scheduled)
[[ $scheduled == "$at" ]] || fail "the log-on's scheduler changed sched.dat to $scheduled"
echo "the daily start outlives the session's end: $at"
