# Sourced by run-windows-session after two-screens.sh: the session's parts, page by page, each action
# followed by a checkpoint. Tools draw in a cell of their own: the canvas's client (748 × 526 at 800 × 600)
# cut into four columns and three rows, one cell for each option button.

cell_origin() { echo $((187 * (($1 - 1) % 4))) $((175 * (($1 - 1) / 4))); }
# A stroke through the cell of option n: a hand's zigzag, or the diagonal of a rectangle for the shapes
# and region tools.
cell_stroke() {
    set -- $(cell_origin "$1")
    stroke $(($1 + 30)) $(($2 + 30)) $(($1 + 150)) $(($2 + 50)) $(($1 + 90)) $(($2 + 100)) $(($1 + 40)) $(($2 + 140)) \
        $(($1 + 160)) $(($2 + 150))
}
# Colour family n (0 to 15) of the panel's two columns of eight.
click_colour() { click $((25 * ($1 / 8) + 13)) $((13 * ($1 % 8) + 7)); }
tools_drawn=0
# The option chosen and drawn with in its cell, in the next family of colours, so that no tool draws in
# the colour of the fill or the shape under it.
draw_with_option() {
    click_colour $((tools_drawn++ % 16))
    click_option "$2"
    settle "choosing $1, option $2"
    cp "$work/linux.xwd" "$work/before.xwd"
    cell_stroke "$2"
    checkpoint "$1, option $2"
    cmp -s "$work/before.xwd" "$work/linux.xwd" && fail "$1, option $2 drew nothing"
}

# A width, a stroke, a colour, another stroke, undo.
first_session() {
    click_option 1
    click 327 64
    checkpoint "the pen and its widest width"
    stroke 68 76 348 76 348 276 198 346
    checkpoint "the first stroke"
    first=$("$pixels" "$work/linux.xwd" 300 150)
    [ "$first" != FFFFFF ] || fail "the first stroke left the canvas white"
    click 36 20
    stroke 148 46 148 406 548 406
    checkpoint "a colour and the second stroke"
    second=$("$pixels" "$work/linux.xwd" 400 480)
    [ "$second" != FFFFFF ] && [ "$second" != "$first" ] || fail "the second stroke is not in a new colour ($second)"
    # Undo takes the picture back to the snapshot the colour's click took: the first stroke stays.
    click_left 7
    checkpoint "undo"
    [ "$("$pixels" "$work/linux.xwd" 300 150)" = "$first" ] || fail "undo took the first stroke too"
    [ "$("$pixels" "$work/linux.xwd" 400 480)" = FFFFFF ] || fail "undo left the second stroke"
}

brush_pages() {
    local page n
    click_left 1
    for page in 1 2 3 4; do
        [ "$page" = 1 ] || next_page
        for n in $(seq 12); do draw_with_option "brush page $page" "$n"; done
    done
}

# The stamps button shows one of the first stamp pages at random: the seed makes it the same on both.
stamp_page() {
    click_left 5
    settle "the stamp page"
    click_option 1
    click 300 300
    click_option 12
    click 600 450
    checkpoint "two stamps"
}

# The cut or copy selection: a rectangle marked, then dragged away by its middle.
select_and_move() {
    click_option "$2"
    settle "choosing $1, option $2"
    set -- "$1" "$2" $(cell_origin "$2")
    stroke $(($3 + 20)) $(($4 + 20)) $(($3 + 90)) $(($4 + 60)) $(($3 + 140)) $(($4 + 120))
    checkpoint "$1, option $2, marked"
    stroke $(($3 + 80)) $(($4 + 70)) $(($3 + 120)) $(($4 + 90)) $(($3 + 200)) $(($4 + 110))
    checkpoint "$1, option $2, moved"
}

region_pages() {
    local n
    click_left 3
    for n in $(seq 12); do
        case $n in
            1 | 2 | 3 | 4 | 9) draw_with_option "region page 1" "$n" ;;
            *) click_option "$n" && checkpoint "region page 1, option $n" ;;
        esac
    done
    next_page
    for n in $(seq 12); do
        case $n in
            1 | 12) select_and_move "region page 2" "$n" ;;
            4 | 8 | 9) draw_with_option "region page 2" "$n" ;;
            # The viewfinder writes "Record" at the canvas's bottom right, then is undone.
            11)
                click_option 11
                checkpoint "region page 2, option 11" 700 575 800 600
                click_left 7
                click_left 3
                next_page
                checkpoint "the viewfinder undone"
                ;;
            *) click_option "$n" && checkpoint "region page 2, option $n" ;;
        esac
    done
}

# Each action runs on the picture the region pages left, and is undone before the next.
effects_pages() {
    local page n
    for page in 1 2; do
        for n in $(seq 12); do
            click_left 2
            [ "$page" = 1 ] || next_page
            click_option "$n"
            checkpoint "effects page $page, action $n"
            click_left 7
        done
    done
    checkpoint "the last effect undone"
}

# The files page's open, the chooser's second picture (CBCAR.BMP, a colouring picture), and the fill of
# brush page 1 in three of its areas. The chooser's title is text.
colouring_picture() {
    click_left 6
    settle "the files page"
    click_option 1
    checkpoint "the picture chooser" 100 80 700 100
    click 401 176
    checkpoint "the colouring picture opened"
    click_left 1
    click_option 2
    click 36 50
    click 300 200
    click 36 80
    click 500 400
    checkpoint "the colouring fill"
}
