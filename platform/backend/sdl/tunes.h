// How the mixer plays the program's tunes, Standard MIDI Files: on the desktop the file itself, through
// FluidSynth and a soundfont; in the browser, which has no MIDI, a recording of it made at build time.
// Each build links one implementation: tunes.cpp here, platform/backend/web/tunes.cpp in the browser.
#pragma once

#include <string>

namespace backend::sdl {

// Readies the mixer to play tunes once its device is open; false when none can be heard.
bool OpenTunes();
// The file the mixer loads for the tune at midiPath.
std::string TuneFile(const std::string& midiPath);
// The mixer's music volume for the tunes.
int TuneVolume();

}  // namespace backend::sdl
