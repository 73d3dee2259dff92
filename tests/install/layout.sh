# Sourced by run-install: check_layout PREFIX BUILD checks what `cmake --install` laid out, with fail set.

check_layout() {
    local prefix=$1 build=$2 id icon size
    # Nothing outside the folders a program of a distribution owns.
    local strays
    local allowed='^\./(bin/dab|lib/dab/[^/]+|share/applications/[^/]+\.desktop|share/metainfo/[^/]+\.metainfo\.xml'
    allowed+='|share/icons/hicolor/[0-9]+x[0-9]+/apps/[^/]+\.png|share/doc/dab/(copyright|changelog\.gz)|etc/dab/dab\.ini)$'
    strays=$(cd "$prefix" && find . -type f -o -type l | grep -Ev "$allowed")
    [ -z "$strays" ] || fail "unexpected files installed: $strays"
    [ -f "$prefix/bin/dab" ] && [ -x "$prefix/bin/dab" ] || fail "bin/dab is not a command"
    [ -x "$prefix/lib/dab/dab" ] || fail "lib/dab/dab is not a program"
    # Every data file beside the program, as it opens them by bare name.
    local file
    for file in "$here"/../../data/*; do
        cmp -s "$file" "$prefix/lib/dab/$(basename "$file")" || fail "data file $(basename "$file") is not installed beside dab"
    done

    local desktop=("$prefix"/share/applications/*.desktop) metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
    [ ${#desktop[@]} = 1 ] && [ ${#metainfo[@]} = 1 ] || fail "not one desktop entry and one metainfo file"
    desktop-file-validate "${desktop[0]}" || fail "the desktop entry is not valid"
    appstreamcli validate --no-net --explain "${metainfo[0]}" || fail "the AppStream metadata is not valid"
    id=$(basename "${desktop[0]}" .desktop)
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "${metainfo[0]}" || fail "the metadata does not launch $id.desktop"
    grep -qx "Icon=$id" "${desktop[0]}" || fail "the desktop entry's icon is not $id"

    # The icon at each size: that size, transparent around, and drawn in more than two colours.
    for size in 48 64 128 256; do
        icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
        /usr/bin/python3 - "$icon" "$size" <<'PY' || fail "the ${size}-pixel icon is wrong"
import sys
from PIL import Image
path, size = sys.argv[1], int(sys.argv[2])
image = Image.open(path).convert("RGBA")
assert image.size == (size, size), image.size
assert image.getpixel((0, size - 1))[3] == 0 and image.getpixel((size - 1, 0))[3] == 0, "corners not transparent"
alphas = set(a for _, _, _, a in image.getdata())
assert alphas == {0, 255}, "edges blended, not crisp: %s" % sorted(alphas)
colours = set(p[:3] for p in image.getdata() if p[3] == 255)
assert len(colours) >= 4, colours
PY
    done
}
