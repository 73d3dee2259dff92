// A Standard MIDI File read back on its own terms, independently of the writer, refusing what a player
// might stumble over: bad chunk lengths, data bytes with the top bit set, running status with nothing to
// run on, tracks that don't end with exactly one end-of-track.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace smf {

struct Event {
    int64_t tick = 0;
    uint8_t status = 0;            // channel message status, 0xFF for meta, 0xF0/0xF7 for system exclusive
    uint8_t data1 = 0, data2 = 0;  // channel messages
    uint8_t metaType = 0;
    std::vector<uint8_t> data;     // meta and system exclusive
    bool runningStatus = false;    // the status byte was left out

    int Channel() const { return status & 0x0F; }
    int Kind() const { return status & 0xF0; }
    bool NoteOn() const { return Kind() == 0x90 && data2 > 0; }
    bool NoteOff() const { return Kind() == 0x80 || (Kind() == 0x90 && data2 == 0); }
    bool Meta(uint8_t type) const { return status == 0xFF && metaType == type; }
};

struct Track {
    std::vector<Event> events;
};

struct File {
    int format = 0;
    int ticksPerQuarter = 0;
    std::vector<Track> tracks;
};

struct FormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

File Read(const std::vector<uint8_t>& bytes);

// Where the tempo track's changes put a tick, in seconds (120 quarters a minute until the first).
double SecondsAt(const File& file, int64_t tick);
// The last end-of-track of any track.
int64_t EndTick(const File& file);

}  // namespace smf
