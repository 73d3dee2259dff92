// SDL2_mixer: one channel for sound effects, and its music stream for the tunes (tunes.h). The device
// opens on first use; when it or the tunes can't be opened, the calls go on with nothing heard.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>
#include <mutex>

#include "platform/backend/audio.h"
#include "platform/backend/sdl/tunes.h"

namespace {

constexpr int kEffectChannel = 0;

struct Mixer {
    bool tried = false;
    bool open = false;
    bool tunes = false;
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_Chunk* chunk = nullptr;
    std::vector<Uint8> chunkBytes;
    Mix_Music* music = nullptr;
    // The mixer calls MusicFinished on its own thread with its lock held; this guards only onMusicEnd.
    std::mutex endMutex;
    std::function<void()> onMusicEnd;
};

Mixer& TheMixer() {
    static Mixer mixer;
    return mixer;
}

std::function<void()> TakeMusicEnd() {
    Mixer& m = TheMixer();
    std::lock_guard<std::mutex> lock(m.endMutex);
    std::function<void()> onEnd = std::move(m.onMusicEnd);
    m.onMusicEnd = nullptr;
    return onEnd;
}

void MusicFinished() {
    if (std::function<void()> onEnd = TakeMusicEnd()) onEnd();
}

bool Ready() {
    Mixer& m = TheMixer();
    if (m.tried) return m.open;
    m.tried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_QuerySpec(&m.rate, &m.format, &m.channels);
    Mix_AllocateChannels(1);
    m.tunes = backend::sdl::OpenTunes();
    Mix_VolumeMusic(backend::sdl::TuneVolume());
    Mix_HookMusicFinished(MusicFinished);
    m.open = true;
    return true;
}

void FreeChunk() {
    Mixer& m = TheMixer();
    Mix_HaltChannel(kEffectChannel);
    if (m.chunk) Mix_FreeChunk(m.chunk);
    m.chunk = nullptr;
    m.chunkBytes.clear();
}

// Forgets the end callback first: halting calls the mixer's finished hook too, and that is no end.
void FreeMusic() {
    Mixer& m = TheMixer();
    TakeMusicEnd();
    Mix_HaltMusic();
    if (m.music) Mix_FreeMusic(m.music);
    m.music = nullptr;
}

// The sound in the device's own format, so the chunk can be played as it is.
bool ConvertForDevice(const backend::Pcm& sound, std::vector<Uint8>& out) {
    Mixer& m = TheMixer();
    SDL_AudioCVT cvt;
    int built = SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, Uint8(sound.channels), sound.rate, m.format,
                                  Uint8(m.channels), m.rate);
    if (built < 0) return false;
    size_t bytes = sound.samples.size() * sizeof(int16_t);
    out.resize(bytes * size_t(cvt.len_mult));
    std::memcpy(out.data(), sound.samples.data(), bytes);
    cvt.buf = out.data();
    cvt.len = int(bytes);
    if (SDL_ConvertAudio(&cvt) != 0) return false;
    out.resize(size_t(cvt.len_cvt));
    return true;
}

}  // namespace

namespace backend {

void PlaySound(const Pcm& sound, bool loop) {
    if (!Ready()) return;
    FreeChunk();
    Mixer& m = TheMixer();
    if (sound.samples.empty() || !ConvertForDevice(sound, m.chunkBytes) || m.chunkBytes.empty()) return;
    m.chunk = Mix_QuickLoad_RAW(m.chunkBytes.data(), Uint32(m.chunkBytes.size()));
    if (m.chunk) Mix_PlayChannel(kEffectChannel, m.chunk, loop ? -1 : 0);
}

void StopSound() {
    if (TheMixer().open) Mix_HaltChannel(kEffectChannel);
}

bool SoundPlaying() { return TheMixer().open && Mix_Playing(kEffectChannel); }

void WaitForSound() {
    while (SoundPlaying()) SDL_Delay(5);
}

void PlayMusic(const std::string& path, std::function<void()> onEnd) {
    if (!Ready() || !TheMixer().tunes) return;
    Mixer& m = TheMixer();
    FreeMusic();
    m.music = Mix_LoadMUS(backend::sdl::TuneFile(path).c_str());
    if (!m.music) return;
    {
        std::lock_guard<std::mutex> lock(m.endMutex);
        m.onMusicEnd = std::move(onEnd);
    }
    if (Mix_PlayMusic(m.music, 0) != 0) TakeMusicEnd();
}

void PauseMusic() {
    if (TheMixer().open) Mix_PauseMusic();
}

void ResumeMusic() {
    if (TheMixer().open) Mix_ResumeMusic();
}

void StopMusic() {
    if (TheMixer().open) FreeMusic();
}

void CloseAudio() {
    Mixer& m = TheMixer();
    if (!m.open) return;
    FreeChunk();
    FreeMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m.open = false;
}

}  // namespace backend
