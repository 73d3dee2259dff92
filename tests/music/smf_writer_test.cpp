// Writing tunes out: variable-length numbers, a small tune byte for byte (running status, note-offs
// before note-ons at one tick), and a larger one read back by the test's own reader note for note.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/music/smf_reader.h"
#include "tools/midi/score.h"
#include "tools/midi/smf.h"

namespace {

std::vector<uint8_t> VariableLength(uint32_t value) {
    std::vector<uint8_t> out;
    midi::AppendVariableLength(out, value);
    return out;
}

TEST(SmfWriter, WritesVariableLengthNumbers) {
    EXPECT_EQ(VariableLength(0), std::vector<uint8_t>({0x00}));
    EXPECT_EQ(VariableLength(0x7F), std::vector<uint8_t>({0x7F}));
    EXPECT_EQ(VariableLength(0x80), std::vector<uint8_t>({0x81, 0x00}));
    EXPECT_EQ(VariableLength(0x2000), std::vector<uint8_t>({0xC0, 0x00}));
    EXPECT_EQ(VariableLength(0x3FFF), std::vector<uint8_t>({0xFF, 0x7F}));
    EXPECT_EQ(VariableLength(0x4000), std::vector<uint8_t>({0x81, 0x80, 0x00}));
    EXPECT_EQ(VariableLength(0x0FFFFFFF), std::vector<uint8_t>({0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(SmfWriter, WritesASmallTuneByteForByte) {
    midi::Song song = midi::ParseScore(
        "title T\ntempo 120\nmeter 4/4\nkey C major\n"
        "track M\nchannel 1\nprogram 1\nvolume 100\npan 64\nreverb 40\nvelocity 64\ngate 100\nnotes\nC4:q D4\n");
    std::vector<uint8_t> expected = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0,
        'M', 'T', 'r', 'k', 0, 0, 0, 31,
        0x00, 0xFF, 0x03, 1, 'T',                 // name
        0x00, 0xFF, 0x58, 4, 4, 2, 24, 8,         // 4/4, a click each quarter
        0x00, 0xFF, 0x59, 2, 0, 0,                // C major
        0x00, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20,    // 500 000 us a quarter
        0x87, 0x40, 0xFF, 0x2F, 0,                // the end after 960 ticks
        'M', 'T', 'r', 'k', 0, 0, 0, 40,
        0x00, 0xFF, 0x03, 1, 'M',
        0x00, 0xC0, 0,                            // program 1
        0x00, 0xB0, 7, 100, 0x00, 10, 64, 0x00, 91, 40, 0x00, 93, 0,
        0x00, 0x90, 60, 64,
        0x83, 0x60, 60, 0,                        // off as a note-on of velocity 0, at 480 ...
        0x00, 62, 64,                             // ... before the next note starts there
        0x83, 0x60, 62, 0,
        0x00, 0xFF, 0x2F, 0,
    };
    EXPECT_EQ(midi::WriteStandardMidiFile(song), expected);
}

TEST(SmfWriter, ReadsBackNoteForNote) {
    midi::Song song = midi::ParseScore(R"(title Round
tempo 90
tempo 60 at 3
meter 6/8
key F major
track Tune
channel 3
program 74
gate 80
accent 8
notes
[ C5:e C5 C5 D5:q. | E5:e G5 E5 C5+E5+G5:q. | ]2
[ C5:q C5:e C5:q C5:e | ]2
track Bass
channel 4
program 33
gate 100
notes
[ C3:q. C3 | ]6
track Drums
channel 10
notes
[ shaker:e shaker shaker shaker shaker shaker | ]6
)");
    smf::File file = smf::Read(midi::WriteStandardMidiFile(song));
    EXPECT_EQ(file.format, 1);
    EXPECT_EQ(file.ticksPerQuarter, midi::kTicksPerQuarter);
    ASSERT_EQ(file.tracks.size(), song.tracks.size() + 1);
    EXPECT_DOUBLE_EQ(smf::SecondsAt(file, smf::EndTick(file)), song.Seconds());
    EXPECT_NEAR(song.Seconds(), 2 * 3 * (60.0 / 90) + 4 * 3 * 1.0, 1e-5) << "to the microsecond of the tempo";

    for (size_t t = 0; t < song.tracks.size(); ++t) {
        // start, length, pitch, velocity as the file has them
        std::vector<std::tuple<int64_t, int64_t, int, int>> heard;
        std::map<int, size_t> sounding;
        for (const smf::Event& e : file.tracks[t + 1].events) {
            if (e.status < 0xF0) {
                EXPECT_EQ(e.Channel(), song.tracks[t].channel);
            }
            if (e.NoteOn()) {
                sounding[e.data1] = heard.size();
                heard.emplace_back(e.tick, 0, e.data1, e.data2);
            } else if (e.NoteOff()) {
                auto& [start, length, pitch, velocity] = heard[sounding.at(e.data1)];
                length = e.tick - start;
            }
        }
        std::vector<std::tuple<int64_t, int64_t, int, int>> written;
        for (const midi::Note& n : song.tracks[t].notes) written.emplace_back(n.start, n.length, n.pitch, n.velocity);
        std::sort(heard.begin(), heard.end());
        std::sort(written.begin(), written.end());
        EXPECT_EQ(heard, written) << song.tracks[t].name;
        EXPECT_EQ(file.tracks[t + 1].events.back().tick, song.Length());
    }
}

}  // namespace
