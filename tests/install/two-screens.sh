# Sourced by run-windows-session, with work, out, compare, pixels, fail, wine_display and linux_display set:
# the same mouse actions sent to two programs on two Xvfb screens, and the screens compared once both are
# still.
#
# Points are the frame's client pixels of base/frame_layout.h; the frame's client starts at (1, 1) of the
# screen, and the canvas's client one pixel inside its border at (50, 72) of that.

both() {
    local display
    for display in "$wine_display" "$linux_display"; do DISPLAY=":$display" xdotool "$@"; done
}
click() { both mousemove "$1" "$2" click 1; }
# Option button n (1 to 12) of the strip: two rows of six icons 35 pixels apart from x 60.
option_point() { echo $((60 + 35 * (($1 - 1) % 6) + 17)) $(($1 <= 6 ? 19 : 55)); }
click_option() { click $(option_point "$1"); }
# Left column button n (1 brushes, 2 effects, 3 region tools, 4 text, 5 stamps, 6 files, 7 undo).
click_left() { click 21 $((190 + 42 * ($1 - 1) + 22)); }
next_page() { click 291 55; }
# A stroke along the points given, in canvas client pixels, one move at a time as a hand draws.
stroke() {
    local moves=(mousemove $(($1 + 52)) $(($2 + 74)) mousedown 1)
    shift 2
    while [ $# -gt 0 ]; do
        moves+=(sleep 0.05 mousemove $(($1 + 52)) $(($2 + 74)))
        shift 2
    done
    both "${moves[@]}" sleep 0.05 mouseup 1
}

shoot() { xwd -root -silent -display ":$1" >"$2" || fail "xwd could not read screen :$1"; }
# Waits until neither screen changes between two screenshots; effects and transitions draw for a while
# after the click. Leaves the last screenshots in work/wine.xwd and work/linux.xwd.
settle() {
    local tries
    sleep 0.2
    shoot "$wine_display" "$work/wine.xwd"
    shoot "$linux_display" "$work/linux.xwd"
    for tries in $(seq 150); do
        sleep 0.15
        shoot "$wine_display" "$work/wine-next.xwd"
        shoot "$linux_display" "$work/linux-next.xwd"
        if cmp -s "$work/wine.xwd" "$work/wine-next.xwd" && cmp -s "$work/linux.xwd" "$work/linux-next.xwd"; then
            return
        fi
        mv "$work/wine-next.xwd" "$work/wine.xwd"
        mv "$work/linux-next.xwd" "$work/linux.xwd"
    done
    fail "the screens were still drawing $((tries * 15 / 100)) seconds after $1"
}

save_screens() {
    mkdir -p "$out"
    "$pixels" --png "$out/$1-wine.png" "$work/wine.xwd" 0 0 >/dev/null
    "$pixels" --png "$out/$1-linux.png" "$work/linux.xwd" 0 0 >/dev/null
}

# checkpoint NAME [LEFT TOP RIGHT BOTTOM]...: once both screens are still, they must be the same outside the
# screen rectangles given (text, which Wine draws with its own font engine). The difference counts in the
# rectangles are kept in work/text-distance.
checkpoints=0
checkpoint() {
    local name=$1 result status
    shift
    settle "$name"
    checkpoints=$((checkpoints + 1))
    result=$("$compare" "$work/wine.xwd" "$work/linux.xwd" "$work/difference.png" "$@")
    status=$?
    echo "$checkpoints. $name: $result"
    [ $# = 0 ] || echo "$name: $result" >>"$work/text-distance"
    if [ $status != 0 ]; then
        local file=$checkpoints-${name// /-}
        save_screens "$file"
        cp "$work/difference.png" "$out/$file-difference.png" 2>/dev/null
        fail "the screens differ after $name; see $out/$file-*.png"
    fi
}
