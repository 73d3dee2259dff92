// A tune as its note list describes it (see assets/music/README.md): the header's tempo map, meter and
// key, and tracks of timed notes on their own channels, every position in ticks.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace midi {

constexpr int kTicksPerQuarter = 480;
constexpr int kDrumChannel = 9;  // channel 10 as musicians count

struct ScoreError : std::runtime_error {
    ScoreError(int line, const std::string& message) : std::runtime_error(message), line(line) {}
    int line;  // 1-based line of the note list, 0 for the whole tune
};

struct Note {
    int64_t start = 0;
    int64_t length = 0;  // how long it sounds, the gate already applied
    int pitch = 60;
    int velocity = 64;
};

struct Track {
    std::string name;
    int channel = -1;  // 0-based
    int program = -1;  // 0-based General MIDI program; -1 sends none (the drum channel)
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int chorus = 0;
    std::vector<Note> notes;  // in order of start
    int64_t length = 0;       // the position after its last note or rest
};

struct TempoChange {
    int64_t tick = 0;
    uint32_t microsecondsPerQuarter = 500000;
};

struct Song {
    std::string title;
    int meterNumerator = 4;
    int meterDenominator = 4;
    int keySharps = 0;  // negative for flats
    bool minor = false;
    int64_t pickup = 0;               // length of the short bar before bar 1
    std::vector<TempoChange> tempi;   // by tick, the first at 0
    std::vector<Track> tracks;

    int64_t BarTicks() const { return int64_t(kTicksPerQuarter) * 4 * meterNumerator / meterDenominator; }
    int64_t Length() const;           // the longest track
    double Seconds() const;           // Length() through the tempo map
};

Song ParseScore(std::string_view text);

}  // namespace midi
