#include "base/sound.h"

#include <cstring>

#include "base/settings.h"
#include "base/state.h"

namespace {

constexpr int kTunes = 5;

bool soundOn = true;
bool musicOpen = false;
int musicNumber = 0;

void SendMusicCommand(const std::string& command, HWND notify) {
    char answer[255];
    mciSendStringA(command.c_str(), answer, sizeof answer, notify);
}

void OpenAndPlayTune(int number) {
    SendMusicCommand("Open dab" + std::to_string(number) + ".mid alias midi", canvasWindow);
    SendMusicCommand("Play midi from 0 NOTIFY", canvasWindow);
}

}  // namespace

std::string SoundEffectFileName(int n) { return "a" + std::to_string(n == 1 ? 10 : n + 10) + ".mub"; }

void PlaySoundEffect(Sound n) {
    if (!soundOn) return;
    char name[20] = {};
    std::string file = SoundEffectFileName(n);
    std::strncpy(name, file.c_str(), sizeof name - 1);
    sndPlaySoundA(name, SND_ASYNC);
}

void PlayStampSound() {
    if (soundOn) sndPlaySoundA("a11.mub", SND_ASYNC);
}

void StartSoundAsSet() {
    soundOn = CurrentSettings().sound;
    musicOpen = false;
}

bool SoundIsOn() { return soundOn; }

int TunePlaying() { return musicOpen ? musicNumber : 0; }

void SwitchSound() {
    soundOn = !soundOn;
    if (soundOn || !musicOpen) return;
    SendMusicCommand("close midi", frameWindow);
    musicOpen = false;
}

void PlayStartUpSoundAndMusic() {
    // Whatever the sound button says, and to its end: the canvas appears after it. Only a parent's
    // setting silences it, or keeps the music from starting.
    if (CurrentSettings().sound) sndPlaySoundA("a10.mub", 0);
    if (!CurrentSettings().music) return;
    OpenAndPlayTune(1);
    musicOpen = true;
    musicNumber = 1;
}

void MusicNotice(WPARAM code) {
    if (code == MCI_NOTIFY_FAILURE) return;
    if (!musicOpen) return;
    SendMusicCommand("close midi", canvasWindow);
    musicOpen = false;
    int next = musicNumber % kTunes + 1;
    musicNumber = next;
    OpenAndPlayTune(next);
    musicOpen = true;
}

void CloseMusicAtCanvasEnd() {
    if (musicOpen) SendMusicCommand("close midi", canvasWindow);
}
