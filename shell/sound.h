// Sound effects and the background music.
#pragma once

#include <string>

#include "platform/win32.h"

// Sound n (1 to 45) without waiting for it, cutting off any sound still playing; silent when enabled is 0.
void PlaySoundEffect(int n, int enabled);
// "a10.mub" for 1, "a12.mub" for 2 up to "a55.mub" for 45 ("a11.mub" is the stamp's, played directly).
std::string SoundEffectFileName(int n);

// The canvas's first paint: the start-up sound to its end, then the first tune.
void PlayStartUpSoundAndMusic();
// The answer to the music's completion notice: the next of the five tunes.
void MusicNotice(WPARAM code);
// The canvas is going: stop the music.
void CloseMusicAtCanvasEnd();
