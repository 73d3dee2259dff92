// What the program asked of the media layer, kept for tests to read through platform/testing/media.h.
#pragma once

#include <string>
#include <vector>

namespace media {

struct SoundRecord {
    std::string file;  // as the program named it; "(memory)" for an image in memory
    bool async = false;
    bool played = false;  // the file was a sound this layer plays, and it went to the backend
    size_t commandsBefore = 0;  // MCI commands sent before it, so tests can tell the order of both
};

void RecordSound(SoundRecord record);
void RecordCommand(std::string command);

std::vector<SoundRecord> SoundRecords();
std::vector<std::string> CommandRecords();
void ClearRecords();

}  // namespace media
