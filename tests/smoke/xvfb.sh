# Shared by the smoke tests: a private Xvfb screen, and the end of a program asked to close.
# start_xvfb WxH sets DISPLAY_NUMBER and XVFB_PID; wait_for_end PID sets END_STATUS ("" if it goes on).

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
