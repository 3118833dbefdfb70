# Shared by the scripts that show the reader: it runs programs under Wine in the state folder
# $state, gets past the messages of a first start, and takes screenshots of the reader's window.
# Source it from the top of the tree after setting state.

caption=$(sed -n 's/^#define QUILLMERE_CAPTION "\(.*\)"$/\1/p' build/windows/generated/Version.h)
poke=build/windows/bin/quillpoke.exe
run() { tests/wine/run "$state" "$@"; }

# Waits up to about half a minute for the reader's window, confirming the messages that a first
# start shows before it (the welcome, a book that cannot be opened).
wait_for_reader() {
    for _ in $(seq 100); do
        if run "$poke" shown "$caption"; then
            sleep 1 # let it finish painting
            return 0
        fi
        run "$poke" shown Quillview && run "$poke" press Quillview 1
        sleep 0.2
    done
    echo "the reader's window did not show" >&2
    return 1
}

# Saves a screenshot of the reader's window as FILE.
shoot_reader() {
    local screen x y width height
    screen=$(mktemp --suffix=.png)
    read -r x y width height < <(run "$poke" rect "$caption" | tr -d '\r')
    DISPLAY=:$(cat "$state/display") import -window root "$screen"
    convert "$screen" -crop "${width}x${height}+${x}+${y}" +repage "$1"
    rm -f "$screen"
}
