// Sound and music from tests on the headless backend: what the program asked to hear, and the music's end.
#pragma once

#include <string>
#include <vector>

#include "platform/media/records.h"

namespace testing {

using SoundRecord = media::SoundRecord;

// Every sndPlaySoundA with a sound, oldest first.
std::vector<SoundRecord> SoundsPlayed();
// Every mciSendStringA command string as sent, oldest first.
std::vector<std::string> MciCommandsSent();
void ClearMediaRecords();

// The local path of the MIDI file now playing; "" when none plays or it is stopped part-way.
std::string MusicPlaying();
// Makes the music now playing reach its end, so its completion notice is posted; false when none plays.
bool FinishMusic();

}  // namespace testing
