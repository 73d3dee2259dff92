// No audio device: a sound has played by the time its call returns, except a looping one, which sounds
// until it is cut off; music plays until stopped or until a test makes it finish.
#include <mutex>

#include "platform/backend/audio.h"
#include "platform/testing/media.h"

namespace {

struct Headless {
    std::mutex mutex;
    bool looping = false;
    std::string music;
    bool musicPaused = false;
    std::function<void()> onMusicEnd;
};

Headless& TheAudio() {
    static Headless audio;
    return audio;
}

}  // namespace

namespace backend {

void PlaySound(const Pcm&, bool loop) {
    std::lock_guard<std::mutex> lock(TheAudio().mutex);
    TheAudio().looping = loop;
}

void StopSound() {
    std::lock_guard<std::mutex> lock(TheAudio().mutex);
    TheAudio().looping = false;
}

bool SoundPlaying() {
    std::lock_guard<std::mutex> lock(TheAudio().mutex);
    return TheAudio().looping;
}

void WaitForSound() {}

void PlayMusic(const std::string& path, std::function<void()> onEnd) {
    std::lock_guard<std::mutex> lock(TheAudio().mutex);
    TheAudio().music = path;
    TheAudio().musicPaused = false;
    TheAudio().onMusicEnd = std::move(onEnd);
}

void PauseMusic() {
    std::lock_guard<std::mutex> lock(TheAudio().mutex);
    TheAudio().musicPaused = true;
}

void ResumeMusic() {
    std::lock_guard<std::mutex> lock(TheAudio().mutex);
    TheAudio().musicPaused = false;
}

void StopMusic() {
    std::lock_guard<std::mutex> lock(TheAudio().mutex);
    TheAudio().music.clear();
    TheAudio().onMusicEnd = nullptr;
}

void CloseAudio() {}

}  // namespace backend

namespace testing {

std::vector<SoundRecord> SoundsPlayed() { return media::SoundRecords(); }
std::vector<std::string> MciCommandsSent() { return media::CommandRecords(); }
void ClearMediaRecords() { media::ClearRecords(); }

std::string MusicPlaying() {
    std::lock_guard<std::mutex> lock(TheAudio().mutex);
    return TheAudio().musicPaused ? "" : TheAudio().music;
}

bool FinishMusic() {
    std::function<void()> onEnd;
    {
        std::lock_guard<std::mutex> lock(TheAudio().mutex);
        if (TheAudio().music.empty() || TheAudio().musicPaused) return false;
        TheAudio().music.clear();
        onEnd = std::move(TheAudio().onMusicEnd);
        TheAudio().onMusicEnd = nullptr;
    }
    // Called with no lock held, as the real mixer's thread would call it.
    if (onEnd) onEnd();
    return true;
}

}  // namespace testing
