#!/usr/bin/env bash
# tools/render-tune.sh SOUNDFONT MIDI OGG: one tune played by FluidSynth with the soundfont the desktop
# plays it with, as Ogg Vorbis, for players without MIDI (the browser build). It comes out as loud as the
# desktop's music and as long: FluidSynth's player stops it where it stops the desktop's, quiet end and all,
# so the next tune follows as it does there.
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: tools/render-tune.sh SOUNDFONT MIDI OGG" >&2
    exit 2
fi
soundfont=$1 midi=$2 ogg=$3
# The desktop's SDL_mixer plays music at half volume, which it hands to FluidSynth as this gain (1.2 at full
# volume); played back at full volume the recording sounds at the desktop's level.
gain=0.6
# The soundfont's instruments say little above 12 kHz, and a child's tune hides the rest: 32 kHz keeps
# every overtone heard; Vorbis quality 1 (about 55 kbit/s) keeps their clear tones clean in about 600 kB a tune.
rate=32000
quality=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fluidsynth -n -i -q -g "$gain" -r 44100 -F "$work/tune.wav" "$soundfont" "$midi" >/dev/null
sox "$work/tune.wav" -r "$rate" -C "$quality" "$work/tune.ogg"
mv "$work/tune.ogg" "$ogg"
