// play-tune MIDI RAW: plays a tune through the desktop's own backend (backend::PlayMusic on SDL2_mixer and
// FluidSynth) and writes what the mixer gave the device from the tune's first buffer to its last: raw
// signed 16-bit stereo at 44100 frames a second. With SDL's disk driver and no delay
// (SDL_AUDIODRIVER=disk SDL_DISKAUDIODELAY=0) a tune is mixed many times faster than it plays.
#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <vector>

#include "platform/backend/audio.h"

namespace {

// Written only on the mixer's thread, until done.
struct Recording {
    bool ended = false;
    std::atomic<bool> done{false};
    std::vector<Uint8> bytes;
};

// Called after each buffer is mixed; the tune ends part way through its last one.
void Record(void* data, Uint8* stream, int length) {
    Recording& r = *static_cast<Recording*>(data);
    if (r.done || !(Mix_PlayingMusic() || r.ended)) return;
    r.bytes.insert(r.bytes.end(), stream, stream + length);
    if (r.ended) r.done = true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: play-tune MIDI RAW\n");
        return 2;
    }
    Recording recording;
    // An empty sound opens the device and plays nothing.
    backend::PlaySound({}, false);
    Mix_SetPostMix(Record, &recording);
    backend::PlayMusic(argv[1], [&recording] { recording.ended = true; });
    if (!Mix_PlayingMusic() && !recording.done) {
        std::fprintf(stderr, "play-tune: %s did not start: %s\n", argv[1], Mix_GetError());
        return 1;
    }
    // Ten minutes of music at most, however slow the machine.
    for (int waited = 0; !recording.done; waited++) {
        if (waited == 600000) {
            std::fprintf(stderr, "play-tune: %s did not end\n", argv[1]);
            return 1;
        }
        SDL_Delay(1);
    }
    Mix_SetPostMix(nullptr, nullptr);
    backend::CloseAudio();
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(recording.bytes.data()), std::streamsize(recording.bytes.size()));
    return out ? 0 : 1;
}
