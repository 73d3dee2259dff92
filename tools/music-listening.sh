#!/usr/bin/env bash
# tools/music-listening.sh BUILD [OUT]: renders the first 20 seconds of data/dab1.mid to dab5.mid through
# fluidsynth and the soundfont the program plays them with, and measures each WAV (tools/midi/wav-levels):
# no one can listen on a build machine, so the numbers say whether a tune is heard, too loud or silent.
# BUILD is a configured build folder; the WAVs go to OUT, by default BUILD/listening, never into the
# repository itself.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
soundfont=/usr/share/sounds/sf2/TimGM6mb.sf2
seconds=20
# The program plays music at half of full volume, which SDL_mixer's FluidSynth turns into this gain (its
# default 1.2, halved).
gain=0.6

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: tools/music-listening.sh BUILD [OUT]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
out=$(realpath -m "${2:-$build/listening}")
case $out/ in
    "$root"/build*/*) ;;
    "$root"/*) echo "music-listening: $out is inside the repository; give a build folder or a path outside it" >&2
               exit 2 ;;
esac
mkdir -p "$out"

install_missing() {
    local missing=() package sudo=()
    for package in "$@"; do
        dpkg -s "$package" 2>/dev/null | grep -q '^Status: install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "music-listening: needs ${missing[*]}; as root run: apt-get install ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "music-listening: installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}
install_missing fluidsynth timgm6mb-soundfont

cmake --build "$build" --target wav-levels >/dev/null
wavs=()
for n in 1 2 3 4 5; do
    wav=$out/dab$n.wav
    fluidsynth -n -i -q -g "$gain" -r 44100 -F "$wav" "$soundfont" "$root/data/dab$n.mid" >/dev/null 2>&1
    wavs+=("$wav")
done
"$build/tools/midi/wav-levels" "$seconds" "${wavs[@]}"
echo "music-listening: the first $seconds seconds of each tune are in $out"
