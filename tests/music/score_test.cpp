// Reading note lists: the words for pitches, lengths and keys, a whole small tune with its tempo map,
// repeats, chords, gate, accents and transposition, and the mistakes refused by their line.
#include <gtest/gtest.h>

#include "tools/midi/notation.h"
#include "tools/midi/score.h"

namespace {

using midi::Note;

TEST(Notation, NamesPitchesFromMiddleC) {
    EXPECT_EQ(midi::PitchNumber("C4"), 60);
    EXPECT_EQ(midi::PitchNumber("A4"), 69);
    EXPECT_EQ(midi::PitchNumber("Bb3"), 58);
    EXPECT_EQ(midi::PitchNumber("F#5"), 78);
    EXPECT_EQ(midi::PitchNumber("Cb4"), 59);
    EXPECT_EQ(midi::PitchNumber("C##4"), 62);
    EXPECT_EQ(midi::PitchNumber("C-1"), 0);
    EXPECT_EQ(midi::PitchNumber("G9"), 127);
    for (const char* wrong : {"G#9", "Cb-1", "H4", "C", "c4", "C10", "C4#", "Eb", ""})
        EXPECT_FALSE(midi::PitchNumber(wrong)) << wrong;
}

TEST(Notation, MeasuresLengthsInTicks) {
    const int64_t bar = 3 * 480;
    EXPECT_EQ(midi::DurationTicks("w", bar), 1920);
    EXPECT_EQ(midi::DurationTicks("q", bar), 480);
    EXPECT_EQ(midi::DurationTicks("t", bar), 60);
    EXPECT_EQ(midi::DurationTicks("e.", bar), 360);
    EXPECT_EQ(midi::DurationTicks("h..", bar), 1680);
    EXPECT_EQ(midi::DurationTicks("e3", bar), 160);
    EXPECT_EQ(midi::DurationTicks("h~e", bar), 1200);
    EXPECT_EQ(midi::DurationTicks("bar~q", bar), 1920);
    for (const char* wrong : {"", "x", "q~", "~q", "q3x", ".q", "bars"})
        EXPECT_FALSE(midi::DurationTicks(wrong, bar)) << wrong;
}

TEST(Notation, GivesKeySignatures) {
    EXPECT_EQ(midi::KeySharps("C", false), 0);
    EXPECT_EQ(midi::KeySharps("D", false), 2);
    EXPECT_EQ(midi::KeySharps("Eb", false), -3);
    EXPECT_EQ(midi::KeySharps("C#", false), 7);
    EXPECT_EQ(midi::KeySharps("A", true), 0);
    EXPECT_EQ(midi::KeySharps("E", true), 1);
    EXPECT_EQ(midi::KeySharps("D", true), -1);
    EXPECT_FALSE(midi::KeySharps("H", false));
    EXPECT_FALSE(midi::KeySharps("Db", true)) << "no such minor signature";
}

constexpr const char* kLittleTune = R"(# a tune of two parts
title     Little
tempo     100
tempo     50 at 2:3
meter     3/4
key       E minor
transpose 2
pickup    q

track Tune
channel  2
program  12
volume   90
velocity 60
gate     50
accent   10
notes
C4:q | [ D4:e E4 ]2 F#4+A4:q |
r:bar |

track Drums
channel 10
notes
triangle:q | C4:h. | r:bar |
)";

TEST(Score, ReadsTheHeadingTheTempoMapAndEveryPart) {
    midi::Song song = midi::ParseScore(kLittleTune);
    EXPECT_EQ(song.title, "Little");
    EXPECT_EQ(song.meterNumerator, 3);
    EXPECT_EQ(song.meterDenominator, 4);
    EXPECT_EQ(song.keySharps, 1);
    EXPECT_TRUE(song.minor);
    EXPECT_EQ(song.pickup, 480);
    ASSERT_EQ(song.tempi.size(), 2u);
    EXPECT_EQ(song.tempi[0].tick, 0);
    EXPECT_EQ(song.tempi[0].microsecondsPerQuarter, 600000u);
    EXPECT_EQ(song.tempi[1].tick, 480 + 1440 + 2 * 480) << "bar 2, beat 3, after the pickup";
    EXPECT_EQ(song.tempi[1].microsecondsPerQuarter, 1200000u);

    ASSERT_EQ(song.tracks.size(), 2u);
    const midi::Track& tune = song.tracks[0];
    EXPECT_EQ(tune.name, "Tune");
    EXPECT_EQ(tune.channel, 1);
    EXPECT_EQ(tune.program, 11);
    EXPECT_EQ(tune.volume, 90);
    EXPECT_EQ(tune.length, 3360);
    // Transposed up a tone, half of each length sounding; the accent falls on the bar's first beat and
    // half of it on the others, counted from the pickup.
    std::vector<Note> expected = {{0, 240, 62, 65},    {480, 120, 64, 70},  {720, 120, 66, 60},
                                  {960, 120, 64, 65},  {1200, 120, 66, 60}, {1440, 240, 68, 65},
                                  {1440, 240, 71, 65}};
    ASSERT_EQ(tune.notes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(tune.notes[i].start, expected[i].start) << i;
        EXPECT_EQ(tune.notes[i].length, expected[i].length) << i;
        EXPECT_EQ(tune.notes[i].pitch, expected[i].pitch) << i;
        EXPECT_EQ(tune.notes[i].velocity, expected[i].velocity) << i;
    }

    const midi::Track& drums = song.tracks[1];
    EXPECT_EQ(drums.channel, 9);
    EXPECT_EQ(drums.program, -1);
    ASSERT_EQ(drums.notes.size(), 2u);
    EXPECT_EQ(drums.notes[0].pitch, 81) << "the open triangle";
    EXPECT_EQ(drums.notes[1].pitch, 60) << "drums are not transposed";
    EXPECT_EQ(drums.notes[1].start, 480);

    EXPECT_EQ(song.Length(), 3360);
    EXPECT_DOUBLE_EQ(song.Seconds(), 2880 / 480.0 * 0.6 + 480 / 480.0 * 1.2);
}

TEST(Score, RepeatsNestInsideEachOther) {
    midi::Song song = midi::ParseScore("tempo 60\ntrack A\nchannel 1\nprogram 1\nnotes\n[ C4:e [ D4:e ]3 ]2 |\n");
    std::vector<int> pitches;
    for (const Note& n : song.tracks[0].notes) pitches.push_back(n.pitch);
    EXPECT_EQ(pitches, std::vector<int>({60, 62, 62, 62, 60, 62, 62, 62}));
}

struct Mistake {
    std::string text;
    int line;
    std::string says;
};

TEST(Score, RefusesMistakesByTheirLine) {
    const std::string head = "tempo 90\ntrack A\nchannel 1\nprogram 1\nnotes\n";
    const std::vector<Mistake> mistakes = {
        {head + "C4:q |\n", 6, "bar line 480 ticks into a bar"},
        {head + "C4:bar |\nC4:h. |\n", 7, "bar line 1440"},
        {head + "H4:q\n", 6, "not a pitch"},
        {head + "C4:x\n", 6, "not a duration"},
        {head + "triangle:bar\n", 6, "off the drum channel"},
        {head + "[ C4:bar |\n", 6, "without"},
        {head + "C4:bar ]2\n", 6, "without"},
        {head + "v130 C4:bar\n", 6, "velocity"},
        {"transpose 12\n" + head + "G9:bar\n", 7, "out of range"},
        {"tempo 90\nloudness 3\n", 2, "unknown heading"},
        {"tempo 90\ntrack A\nchannel 17\n", 3, "channel"},
        {"tempo 90\ntrack A\nprogram 1\nnotes\n", 2, "needs a channel"},
        {"tempo 90\ntrack A\nchannel 1\nnotes\n", 2, "needs a program"},
        {"tempo 90\ntrack D\nchannel 10\nprogram 1\nnotes\n", 2, "drum channel takes no program"},
        {head + "C4:bar\ntrack B\nchannel 1\nprogram 1\nnotes\nC4:bar\n", 7, "two tracks on channel 1"},
        {head + "C4:bar\ntrack B\nchannel 2\nprogram 1\nnotes\nC4:h\n", 0, "\"B\" lasts 960"},
        {"track A\nchannel 1\nprogram 1\nnotes\n", 0, "tempo"},
        {"tempo 90\ntempo 80 at 3\ntempo 70 at 2\n" + head.substr(9), 3, "in order"},
        {"tempo 90\n", 0, "no tracks"},
    };
    for (const Mistake& mistake : mistakes) {
        try {
            midi::ParseScore(mistake.text);
            ADD_FAILURE() << "took:\n" << mistake.text;
        } catch (const midi::ScoreError& e) {
            EXPECT_EQ(e.line, mistake.line) << mistake.text;
            EXPECT_NE(std::string(e.what()).find(mistake.says), std::string::npos) << e.what() << "\n" << mistake.text;
        }
    }
}

}  // namespace
