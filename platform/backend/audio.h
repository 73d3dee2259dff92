// The seam to the outside world for sound and music: what the media layer asks of a backend.
// Each backend implements these; parsing files and Windows' rules of notices stay above them.
// A backend without an audio device accepts every call and plays nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace backend {

// A sound ready to play: interleaved signed 16-bit samples, one per channel per frame.
struct Pcm {
    int rate = 22050;
    int channels = 1;
    std::vector<int16_t> samples;
};

// Starts a sound, cutting off the one sounding; with loop it repeats until cut off or stopped.
void PlaySound(const Pcm& sound, bool loop);
void StopSound();
bool SoundPlaying();
// Returns once the sound now sounding has ended; at once when none sounds.
void WaitForSound();

// Plays a Standard MIDI File from its start, stopping any music playing. onEnd is called once, from any
// thread, if the music plays to its end; never once StopMusic or PauseMusic has returned.
void PlayMusic(const std::string& path, std::function<void()> onEnd);
// Holds the music where it is, for ResumeMusic to go on from there.
void PauseMusic();
void ResumeMusic();
void StopMusic();

// At the program's end, before static objects go: stops the device, so no sound is mixed from freed memory.
void CloseAudio();

}  // namespace backend
