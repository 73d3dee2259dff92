#include "base/sound.h"

#include <cstring>

#include "base/settings.h"
#include "base/state.h"

namespace {

constexpr int kTunes = 5;

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

void PlaySoundEffect(Sound n, int enabled) {
    if (enabled == 0) return;
    char name[20] = {};
    std::string file = SoundEffectFileName(n);
    std::strncpy(name, file.c_str(), sizeof name - 1);
    sndPlaySoundA(name, SND_ASYNC);
}

void PlayStartUpSoundAndMusic() {
    // Whatever the sound button says, and to its end: the canvas appears after it. Only a parent's
    // setting silences it, or keeps the music from starting.
    if (CurrentSettings().sound) sndPlaySoundA("a10.mub", 0);
    if (!CurrentSettings().music) return;
    OpenAndPlayTune(1);
    musicOpen = 1;
    musicNumber = 1;
}

void MusicNotice(WPARAM code) {
    if (code == MCI_NOTIFY_FAILURE) return;
    if (musicOpen != 1) return;
    SendMusicCommand("close midi", canvasWindow);
    musicOpen = 0;
    int next = musicNumber % kTunes + 1;
    musicNumber = next;
    OpenAndPlayTune(next);
    musicOpen = 1;
}

void CloseMusicAtCanvasEnd() {
    if (musicOpen == 1) SendMusicCommand("close midi", canvasWindow);
}
