# Shared by the scripts that show the reader: it runs programs under Wine in the state folder
# $state, gets past the messages of a first start, and takes screenshots of the reader's window.
# Source it from the top of the tree after setting state.

caption=$(sed -n 's/^#define QUILLMERE_CAPTION "\(.*\)"$/\1/p' build/windows/generated/Version.h)
poke=build/windows/bin/quillpoke.exe
run() { tests/wine/run "$state" "$@"; }

# Writes settings.dat into FOLDER naming BOOK, a Windows path: autorun off, no chime, no font; with
# a third argument, maximised, the window opens maximised.
write_settings() {
    perl -e 'print pack("l<l<l<", 0, 0, 0), "\0" x 60, pack("L<", length($ARGV[0])), $ARGV[0];
        print "WNDW", pack("L<l<6", 24, 100, 100, 900, 600, 1, 96) if $ARGV[1]' "$2" "${3-}" >"$1/settings.dat"
}

# Waits up to half a minute for the reader's window, confirming the messages that a first start
# shows before it (the welcome, a book that cannot be opened).
wait_for_reader() {
    run "$poke" wait "$caption" Quillview && return 0
    echo "the reader's window did not show" >&2
    return 1
}

# Saves a screenshot of the reader's window, or of the window of CAPTION, as FILE once it has
# finished moving and painting: once two screenshots in a row, and the window's place on them, are
# the same.
shoot_reader() {
    local work place previous=
    work=$(mktemp -d)
    for _ in $(seq 50); do
        place=$(run "$poke" rect "${2-$caption}" | tr -d '\r')
        read -r x y width height <<<"$place"
        # A maximised window's frame lies beyond the screen's edges.
        ((x < 0)) && width=$((width + 2 * x)) && x=0
        ((y < 0)) && height=$((height + 2 * y)) && y=0
        DISPLAY=:$(cat "$state/display") import -window root "$work/screen.png"
        convert "$work/screen.png" -crop "${width}x${height}+${x}+${y}" +repage "$work/shot.png"
        [[ $place == "$previous" ]] && cmp -s "$work/shot.png" "$work/before.png" && break
        previous=$place
        mv "$work/shot.png" "$work/before.png"
    done
    cp "$work/shot.png" "$1"
    rm -rf "$work"
}
