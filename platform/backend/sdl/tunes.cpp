// The desktop's tunes: MIDI through FluidSynth with the General MIDI soundfont.
#include "platform/backend/sdl/tunes.h"

#include <SDL_mixer.h>
#include <unistd.h>

namespace backend::sdl {

namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

}  // namespace

bool OpenTunes() {
    return access(kSoundFont, R_OK) == 0 && Mix_SetSoundFonts(kSoundFont) && (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID);
}

std::string TuneFile(const std::string& midiPath) { return midiPath; }

// Background music stays under the sound effects but is heard: with the soundfont's voices this puts the
// tunes about 12 dB below the start-up sound (SDL_mixer passes it on to FluidSynth as its gain).
int TuneVolume() { return MIX_MAX_VOLUME / 2; }

}  // namespace backend::sdl
