// The browser's tunes: SDL_mixer has no MIDI here, so each tune plays from its Ogg Vorbis recording, made
// by tools/render-tune.sh at the desktop's level and put beside the MIDI file (dab1.mid, dab1.ogg).
#include "platform/backend/sdl/tunes.h"

#include <SDL_mixer.h>

namespace backend::sdl {

bool OpenTunes() { return (Mix_Init(MIX_INIT_OGG) & MIX_INIT_OGG) != 0; }

std::string TuneFile(const std::string& midiPath) {
    std::string::size_type dot = midiPath.rfind('.');
    std::string::size_type slash = midiPath.rfind('/');
    bool extended = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (extended ? midiPath.substr(0, dot) : midiPath) + ".ogg";
}

// The recordings carry the desktop's music level already.
int TuneVolume() { return MIX_MAX_VOLUME; }

}  // namespace backend::sdl
