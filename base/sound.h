// Sound effects and the background music.
#pragma once

#include <string>

#include "platform/win32.h"

// The sound effects by what plays them; sound n is the file SoundEffectFileName(n).
enum Sound : int {
    kNoSound = 0,
    kStartUpSound = 1,
    kLargeEraserSound = 2,
    kBirdsSound = 3,
    kGrassSound = 4,
    kSlideOutSound = 5,
    kBubblesSound = 6,
    kBurstSound = 7,
    kFourWaySound = 8,
    kRingBurstSound = 9,
    kCrackSound = 10,
    kUndoSound = 11,
    kJumbleSound = 12,
    kSwapHalvesSound = 13,
    kQuitQuestionSound = 14,
    kTunnelSound = 15,
    kTextButtonSound = 16,
    kPageArrowSound = 17,
    kStreaksSound = 18,
    kViewfinderSound = 19,
    kWipeSound = 20,
    kDissolveSound = 21,
    kCurtainsSound = 22,
    kStarryNightSound = 23,
    kZigzagSound = 24,
    kRadarSound = 25,
    kGraphPaperSound = 26,
    kInvertSound = 27,
    kSplatSound = 28,
    kShapeSound = 29,
    kPixelScatterSound = 30,
    kChoiceSound = 31,
    kSmallEraserSound = 32,
    kJitterySound = 33,
    kZoomRegionSound = 34,
    kLineSound = 35,
    kBoxSound = 36,
    kRefusedSound = 37,
    kPrintSound = 38,
    kBarnSound = 39,
    kCitySound = 40,
    kRainbowStripesSound = 41,
    kShrinkStepSound = 42,
    kConfettiSound = 43,
    kSpraySound = 44,
    kFillSound = 45,
};

// Sound n (1 to 45) without waiting for it, cutting off any sound still playing; silent while sound is off.
void PlaySoundEffect(Sound n);
// The stamp's own sound, "a11.mub", the same way.
void PlayStampSound();
// Sound on or off as the parents' settings start it; the music is not open yet.
void StartSoundAsSet();
bool SoundIsOn();
// The tune (1 to 5) the music is playing; 0 while none is open.
int TunePlaying();
// The files page's sound button: off closes the music, which is not started again; on lets effects sound.
void SwitchSound();
// "a10.mub" for 1, "a12.mub" for 2 up to "a55.mub" for 45 ("a11.mub" is the stamp's, played directly).
std::string SoundEffectFileName(int n);

// The canvas's first paint: the start-up sound to its end, then the first tune.
void PlayStartUpSoundAndMusic();
// The answer to the music's completion notice: the next of the five tunes.
void MusicNotice(WPARAM code);
// The canvas is going: stop the music.
void CloseMusicAtCanvasEnd();
