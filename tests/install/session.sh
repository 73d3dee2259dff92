# Sourced by run-install inside its own mount namespace, with prefix, work, here, build, pixels and fail
# set: the installation made read-only, the installed dab used by a child from a home folder of the test's.

mount --bind "$prefix" "$prefix" && mount -o remount,bind,ro "$prefix" || fail "the prefix could not be made read-only"
touch "$prefix/lib/dab/written" 2>/dev/null && fail "the read-only installation took a write"

home=$work/home
pictures=$home/Bilder/dab
mkdir -p "$home/.config"
echo 'XDG_PICTURES_DIR="$HOME/Bilder"' >"$home/.config/user-dirs.dirs"

cleanup_session() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
}
trap cleanup_session EXIT
source "$here/../smoke/xvfb.sh"
start_xvfb 800x600
shot=$work/shot.xwd
screenshot() { xwd -root -silent -display ":$DISPLAY_NUMBER" >"$shot"; }
click() { DISPLAY=":$DISPLAY_NUMBER" xdotool mousemove "$1" "$2" click 1; sleep 0.7; }
centre() { screenshot && "$pixels" "$shot" 426 337; }

# As a desktop launcher starts it: by the command on the PATH, from the home folder.
(cd "$home" && exec env -u XDG_CONFIG_HOME DISPLAY=":$DISPLAY_NUMBER" DAB_SCREEN=800x600 SDL_AUDIODRIVER=dummy \
    HOME="$home" PATH="$prefix/bin:/usr/bin:/bin" dab) &
app=$!
colour=
for _ in $(seq 200); do
    sleep 0.2
    colour=$(centre) && [ "$colour" = FFFFFF ] && break
done
[ "$colour" = FFFFFF ] || fail "the installed program's canvas did not turn white (its centre is '${colour:-unreadable}')"
# Started from the home folder, it still finds the pictures of its frame: the left column's buttons and the
# quit picture are drawn, not left navy.
for area in "26 191 26 478" "681 2 799 71"; do
    set -- $area
    points=()
    for y in $(seq "$2" 6 "$4"); do for x in $(seq "$1" 9 "$3"); do points+=("$x" "$y"); done; done
    drawn=$("$pixels" "$shot" "${points[@]}" | grep -vc '^00007F$')
    [ "$drawn" -gt $((${#points[@]} / 8)) ] || fail "only $drawn of $((${#points[@]} / 2)) points of the frame's pictures drawn in $area"
done

# A colour, the fill of brush page 1, a click on the canvas.
fill_with() {
    click "$1" "$2"
    click 112 19
    click 426 337
}
fill_with 36 20
painted=$(centre)
[ "$painted" != FFFFFF ] || fail "the fill left the canvas white"

# The files page's buttons: open, save, delete; its message answered with the Enter key.
files_button() { click 21 421; click $((35 * $1 + 42)) 19; }
files_button 2
DISPLAY=":$DISPLAY_NUMBER" xdotool key Return
sleep 0.7
saved=($(cd "$pictures" 2>/dev/null && ls))
[ ${#saved[@]} = 1 ] && [[ ${saved[0]} =~ ^[A-Z]{7}\.BMP$ ]] ||
    fail "the pictures folder $pictures holds '${saved[*]:-nothing}', not one saved picture"
/usr/bin/python3 -c 'import sys; from PIL import Image; im = Image.open(sys.argv[1]); im.load()' "$pictures/${saved[0]}" ||
    fail "the saved picture is not a picture"

# The chooser lists the child's pictures and the installed ones newest first, those of one time in the order
# of their names, four a page.
chooser_pick() {
    local names index=0 name
    names=$( (cd "$pictures" && stat -c '%Y %n' -- *; cd "$prefix/lib/dab" && stat -c '%Y %n' -- *) |
             awk 'toupper($2) ~ /\.BMP$/ && !seen[toupper($2)]++ { print $1, toupper($2) }' |
             LC_ALL=C sort -k1,1nr -k2,2 | cut -d' ' -f2)
    for name in $names; do
        [ "$name" = "$1" ] && break
        index=$((index + 1))
    done
    for _ in $(seq $((index / 4))); do click 601 251; done
    local corners=(100 100 300 100 100 250 300 250)
    click $((corners[index % 4 * 2] + 101)) $((corners[index % 4 * 2 + 1] + 76))
}

# Painted over in another colour, then the saved picture opened again.
fill_with 36 40
[ "$(centre)" != "$painted" ] || fail "the second fill left the first colour"
files_button 1
chooser_pick "${saved[0]}"
[ "$(centre)" = "$painted" ] || fail "opening ${saved[0]} did not bring back its colour (the centre is $(centre))"

# A supplied picture cannot be deleted from the installation; the child's own picture can.
files_button 4
chooser_pick CAKE.BMP
[ -f "$prefix/lib/dab/CAKE.BMP" ] || fail "a supplied picture went missing"
files_button 4
chooser_pick "${saved[0]}"
[ -e "$pictures/${saved[0]}" ] && fail "the child's picture ${saved[0]} was not deleted"
[ -f "$home/.local/share/Trash/files/${saved[0]}" ] || fail "the deleted picture ${saved[0]} is not in the trash"
kill -0 "$app" 2>/dev/null || fail "dab ended during the session"
echo "session: saved ${saved[0]} into the pictures folder, opened it again and deleted it into the trash"
