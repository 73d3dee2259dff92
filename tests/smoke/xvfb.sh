# Shared by the smoke tests: a private Xvfb screen, and the end of a program asked to close.
# start_xvfb WxH sets DISPLAY_NUMBER and XVFB_PID; wait_for_end PID sets END_STATUS ("" if it goes on);
# quit_through_question answers the quit question with Yes; private_program copies the program's folder.

start_xvfb() {
    for tool in Xvfb xwd; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed; ./dev test installs it"; exit 1; }
    done
    # A display number nobody uses.
    for DISPLAY_NUMBER in $(seq 90 120); do
        [ -e /tmp/.X11-unix/X$DISPLAY_NUMBER ] || [ -e /tmp/.X$DISPLAY_NUMBER-lock ] || break
    done
    Xvfb ":$DISPLAY_NUMBER" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$DISPLAY_NUMBER" ] && break; sleep 0.1; done
}

wait_for_end() {
    END_STATUS=
    for _ in $(seq 50); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            END_STATUS=$?
            return
        fi
        sleep 0.1
    done
}

# quit_through_question PIXELS SHOT X Y: on an 800 × 600 screen, clicks the quit picture at (X, Y), then
# the Yes button of the question it asks; SHOT is where screenshots go. Fails when no question shows.
quit_through_question() {
    local pixels=$1 shot=$2 yes_x= yes_y= column row faces across
    DISPLAY=":$DISPLAY_NUMBER" xdotool mousemove "$3" "$4" click 1
    # The question's buttons are a near-white face in a black frame, Yes on the left, in the lower middle
    # of the screen: find the face on the column left of the middle, then its extent along that row.
    for _ in $(seq 50); do
        sleep 0.1
        xwd -root -silent -display ":$DISPLAY_NUMBER" >"$shot" || continue
        column=()
        for y in $(seq 300 420); do column+=(357 "$y"); done
        faces=($("$pixels" "$shot" "${column[@]}" | grep -n '^FAFAFA$' | cut -d: -f1))
        [ ${#faces[@]} -gt 0 ] || continue
        yes_y=$((300 + faces[${#faces[@]} / 2] - 1))
        row=()
        for x in $(seq 250 400); do row+=("$x" "$yes_y"); done
        across=($("$pixels" "$shot" "${row[@]}" | grep -n '^FAFAFA$' | cut -d: -f1))
        yes_x=$((250 + across[0] + 10))
        break
    done
    [ -n "$yes_x" ] || { echo "FAIL: no question with a Yes button after a click on the quit picture"; return 1; }
    DISPLAY=":$DISPLAY_NUMBER" xdotool mousemove "$yes_x" "$yes_y" click 1
}

# private_program BUILD DIR: a copy of the built program's folder in DIR, to run dab from: the pictures it
# keeps when it ends, and its journal, stay there rather than in the build. The user's settings folder is
# then an empty one in DIR (exported), so a dab.ini of the person running the tests never counts.
private_program() {
    mkdir -p "$2" "$2/.config"
    cp -r "$1/program/." "$2/"
    export XDG_CONFIG_HOME=$2/.config
}
