# Sourced by run-install: check_package BUILD WORK builds the Debian package with CPack and checks its
# metadata, its files and lintian's verdict, with fail set.

check_package() {
    local build=$1 work=$2 deb
    (cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1) ||
        { cat "$work/cpack.log"; fail "cpack made no package"; }
    deb=$(ls "$work"/package/dab_*.deb 2>/dev/null | head -1)
    [ -n "$deb" ] || fail "no dab_*.deb was made"

    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    local needed
    for needed in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libfreetype6 libfontconfig1 libcups2 fonts-liberation2 timgm6mb-soundfont; do
        [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "the package does not depend on $needed: $depends"
    done
    [ "$(dpkg-deb -f "$deb" Package)" = dab ] || fail "the package is not called dab"

    local files
    files=$(dpkg-deb -c "$deb" | awk '{print $6}')
    for needed in ./usr/bin/dab ./usr/lib/dab/dab ./usr/lib/dab/CAKE.BMP ./usr/share/doc/dab/copyright \
                  ./usr/share/icons/hicolor/256x256/apps/ ./usr/share/metainfo/ ./usr/share/applications/ \
                  ./etc/dab/dab.ini; do
        grep -q "^${needed}" <<<"$files" || fail "the package has no $needed"
    done
    # Outside /usr only the parents' settings, kept through upgrades.
    grep -v '^\./usr/' <<<"$files" | grep -vx '\./\|\./etc/\|\./etc/dab/\|\./etc/dab/dab\.ini' &&
        fail "the package installs outside /usr"
    [ "$(dpkg-deb -I "$deb" conffiles)" = /etc/dab/dab.ini ] || fail "/etc/dab/dab.ini is not a conffile"

    lintian --fail-on error --allow-root "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian reports errors"; }
    cat "$work/lintian.log"
}
