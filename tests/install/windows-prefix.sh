# Sourced by the scripts that run dab-setup.exe under Wine, with fail set.
#
# wine_home WORK: after wine_setup (whose shared prefix outlives the test), points Wine's home, data and
# configuration folders into WORK/home. Wine links a prefix's Desktop and Documents to the home, writes menu
# entries for the Start-menu shortcut into the data and configuration folders and keeps its Recycle Bin in
# $XDG_DATA_HOME/Trash: all of them the test's, never the machine's.
#
# install_windows_dab BUILD WORK DISPLAY_NUMBER makes a Wine prefix of the test's own in WORK/wine, shown on
# the Xvfb screen given, with WORK/home as the home, and installs dab there with dab-setup.exe. Sets wine,
# wineserver and folder (where dab32.exe and its pictures are), and exports the environment every later
# Wine command needs.

wine_home() {
    export HOME=$1/home XDG_DATA_HOME=$1/home/.local/share XDG_CONFIG_HOME=$1/home/.config
    unset XDG_CACHE_HOME
    mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
}

install_windows_dab() {
    local build=$1 work=$2
    source "$(dirname "${BASH_SOURCE[0]}")/../conformance/wine-env"
    wine_setup "$build" || exit 1
    wineserver=$(dirname "$wine")/wineserver
    wine_home "$work"
    # The prefix of the test's own keeps the installation out of the shared one. Wine's desktop process,
    # which wineboot starts and every program of the prefix then shares, needs the screen too: started
    # without one, the program's windows are never shown.
    export WINEPREFIX=$work/wine DISPLAY=:$3
    "$wine" wineboot --init </dev/null >/dev/null 2>&1 || fail "Wine made no prefix"
    # Window borders in black, as in the classic scheme of Windows and on the Linux program, not in the grey
    # of Wine's own theme, which would set its colours again in every program. Read when Wine starts again.
    "$wine" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f \
        </dev/null >/dev/null 2>&1 || fail "the prefix's theme could not be turned off"
    "$wine" reg add 'HKCU\Control Panel\Colors' /v WindowFrame /d '0 0 0' /f </dev/null >/dev/null 2>&1 ||
        fail "the prefix's window frame colour could not be set"
    "$wineserver" -k
    "$wine" "$build/windows-x86_64-w64-mingw32/dab-setup.exe" /S </dev/null >/dev/null 2>&1 ||
        fail "the installer failed"
    folder=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/dab 2>/dev/null | grep -v /Public/ | head -1)
    [ -f "$folder/dab32.exe" ] || fail "no dab32.exe installed"
}
