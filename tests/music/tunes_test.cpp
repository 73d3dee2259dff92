// The five committed tunes as a player will meet them: well-formed type 1 files with a tempo track and
// parts on their own channels, every note ended, soft enough, one to two minutes long, in five keys.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "tests/music/music_files.h"
#include "tests/music/smf_reader.h"

namespace {

class Tune : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        std::vector<uint8_t> bytes = ReadBytes(TuneFile(GetParam()));
        ASSERT_FALSE(bytes.empty()) << TuneFile(GetParam());
        try {
            file = smf::Read(bytes);
        } catch (const smf::FormatError& e) {
            FAIL() << TuneFile(GetParam()) << ": " << e.what();
        }
    }
    smf::File file;
};

TEST_P(Tune, IsType1WithATempoTrackThenMelodyBassAndPercussion) {
    EXPECT_EQ(file.format, 1);
    EXPECT_GT(file.ticksPerQuarter, 0);
    ASSERT_GE(file.tracks.size(), 4u) << "a tempo track, a melody, a bass and percussion";

    const smf::Track& tempo = file.tracks[0];
    auto metaAtStart = [&](uint8_t type) {
        for (const smf::Event& e : tempo.events)
            if (e.Meta(type) && e.tick == 0) return true;
        return false;
    };
    EXPECT_TRUE(metaAtStart(0x51)) << "a tempo at the start";
    EXPECT_TRUE(metaAtStart(0x58)) << "a time signature";
    EXPECT_TRUE(metaAtStart(0x59)) << "a key signature";
    for (const smf::Event& e : tempo.events) EXPECT_EQ(e.status, 0xFF) << "the tempo track holds only meta events";

    std::set<int> channels;
    int drumTracks = 0;
    for (size_t t = 1; t < file.tracks.size(); ++t) {
        std::set<int> used;
        for (const smf::Event& e : file.tracks[t].events)
            if (e.status < 0xF0) used.insert(e.Channel());
        ASSERT_EQ(used.size(), 1u) << "track " << t << " plays on one channel";
        EXPECT_TRUE(channels.insert(*used.begin()).second) << "track " << t << " shares its channel";
        drumTracks += *used.begin() == 9;
    }
    EXPECT_EQ(drumTracks, 1) << "one percussion track, on channel 10";
    EXPECT_NE(*channels.begin(), 9) << "the melody comes first, not the drums";
}

TEST_P(Tune, EndsEveryTrackOnceAtTheSameTick) {
    int64_t end = smf::EndTick(file);
    for (size_t t = 0; t < file.tracks.size(); ++t) {
        const std::vector<smf::Event>& events = file.tracks[t].events;
        EXPECT_TRUE(events.back().Meta(0x2F));
        EXPECT_EQ(events.back().tick, end) << "track " << t << " ends early";
    }
}

TEST_P(Tune, EndsEveryNoteItStartsAndPlaysThemGently) {
    int notes = 0;
    for (size_t t = 1; t < file.tracks.size(); ++t) {
        std::map<std::pair<int, int>, int64_t> sounding;  // channel and pitch, to the tick it began
        std::set<int> programmed;
        for (const smf::Event& e : file.tracks[t].events) {
            if (e.Kind() == 0xC0) programmed.insert(e.Channel());
            std::pair<int, int> key{e.Channel(), e.data1};
            if (e.NoteOn()) {
                ++notes;
                EXPECT_LE(e.data2, 100) << "track " << t << " at tick " << e.tick << " is loud";
                EXPECT_TRUE(sounding.emplace(key, e.tick).second)
                    << "track " << t << " strikes pitch " << int(e.data1) << " again at " << e.tick
                    << " before it ended";
                if (e.Channel() != 9) {
                    EXPECT_TRUE(programmed.count(e.Channel())) << "a note before its instrument";
                }
            } else if (e.NoteOff()) {
                auto on = sounding.find(key);
                ASSERT_NE(on, sounding.end()) << "track " << t << " ends pitch " << int(e.data1) << " at " << e.tick
                                              << " that was not sounding";
                EXPECT_GT(e.tick, on->second) << "a note of no length";
                sounding.erase(on);
            }
        }
        EXPECT_TRUE(sounding.empty()) << "track " << t << " leaves " << sounding.size() << " notes sounding";
    }
    EXPECT_GT(notes, 200) << "a tune, not a few notes";
}

TEST_P(Tune, PlaysForOneToTwoMinutes) {
    double seconds = smf::SecondsAt(file, smf::EndTick(file));
    EXPECT_GE(seconds, 60);
    EXPECT_LE(seconds, 120);
}

INSTANTIATE_TEST_SUITE_P(FiveTunes, Tune, ::testing::Range(1, 6),
                         [](const ::testing::TestParamInfo<int>& info) { return "dab" + std::to_string(info.param); });

TEST(Tunes, AreInFiveDifferentKeys) {
    std::set<std::vector<uint8_t>> keys;
    for (int n = 1; n <= 5; ++n) {
        smf::File file = smf::Read(ReadBytes(TuneFile(n)));
        for (const smf::Event& e : file.tracks[0].events)
            if (e.Meta(0x59)) keys.insert(e.data);
    }
    EXPECT_EQ(keys.size(), 5u);
}

}  // namespace
