// sndPlaySoundA: one sound at a time, each call cutting off the one before, as on Windows.
#include "platform/backend/audio.h"
#include "platform/kernel/overlay.h"
#include "platform/media/files.h"
#include "platform/media/records.h"
#include "platform/media/wav.h"
#include "platform/win32.h"

namespace {

// Larger than any sound effect by far; a bigger file is not read into memory at all.
constexpr size_t kLargestSoundFile = 64u << 20;

std::optional<backend::Pcm> SoundFromFile(LPCSTR name) {
    std::string path = kernel::ResolvePathForReading(name);
    std::optional<std::vector<uint8_t>> bytes = media::ReadWholeFile(path, kLargestSoundFile);
    if (!bytes) return std::nullopt;
    return media::ParseWav(*bytes);
}

std::optional<backend::Pcm> SoundFromMemory(LPCSTR image) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(image);
    size_t size = media::WavImageSize(bytes);
    if (size == 0) return std::nullopt;
    return media::ParseWav({bytes, size});
}

}  // namespace

BOOL WINAPI sndPlaySoundA(LPCSTR sound, UINT flags) {
    bool async = (flags & SND_ASYNC) != 0;
    bool loop = (flags & SND_LOOP) != 0;
    bool inMemory = (flags & SND_MEMORY) != 0;
    std::string name = !sound ? "" : inMemory ? "(memory)" : sound;

    if ((flags & SND_NOSTOP) && backend::SoundPlaying()) {
        if (sound) media::RecordSound({name, async, false});
        return FALSE;
    }
    backend::StopSound();
    if (!sound) return TRUE;

    std::optional<backend::Pcm> pcm = inMemory ? SoundFromMemory(sound) : SoundFromFile(sound);
    // A sound that loops must be asynchronous: waiting for its end would never return.
    bool playable = pcm && (async || !loop);
    media::RecordSound({name, async, playable});
    if (!playable) return FALSE;
    backend::PlaySound(*pcm, loop);
    if (!async) backend::WaitForSound();
    return TRUE;
}
