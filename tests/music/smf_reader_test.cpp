// The test's own reader refuses the faults it is there to find.
#include <gtest/gtest.h>

#include "tests/music/smf_reader.h"

namespace {

std::vector<uint8_t> FileOf(std::vector<uint8_t> track) {
    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0,
                                 uint8_t(track.size())};
    for (uint8_t byte : track) file.push_back(byte);
    return file;
}

TEST(SmfReader, ReadsRunningStatusBothNoteOffsAndTheTempoMap) {
    smf::File file = smf::Read(FileOf({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,  // 1 000 000 us a quarter
                                       0x00, 0x90, 60, 70, 0x60, 60, 0,          // running status, off as on 0
                                       0x00, 64, 70, 0x81, 0x40, 0x80, 64, 0,    // delay 192
                                       0x00, 0xFF, 0x2F, 0x00}));
    ASSERT_EQ(file.tracks.size(), 1u);
    const std::vector<smf::Event>& e = file.tracks[0].events;
    ASSERT_EQ(e.size(), 6u);
    EXPECT_TRUE(e[1].NoteOn() && !e[1].runningStatus);
    EXPECT_TRUE(e[2].NoteOff() && e[2].runningStatus);
    EXPECT_EQ(e[2].tick, 96);
    EXPECT_TRUE(e[3].NoteOn() && e[3].runningStatus);
    EXPECT_TRUE(e[4].NoteOff());
    EXPECT_EQ(e[4].tick, 96 + 192);
    EXPECT_DOUBLE_EQ(smf::SecondsAt(file, smf::EndTick(file)), 3.0);
}

TEST(SmfReader, RefusesBrokenFiles) {
    EXPECT_THROW(smf::Read({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1}), smf::FormatError) << "a short header";
    EXPECT_THROW(smf::Read(FileOf({0x00, 60, 70, 0x00, 0xFF, 0x2F, 0x00})), smf::FormatError)
        << "running status at the start";
    EXPECT_THROW(smf::Read(FileOf({0x00, 0x90, 60, 70, 0x00, 0xFF, 0x51, 0x03, 1, 2, 3, 0x00, 64, 70, 0x00, 0xFF,
                                   0x2F, 0x00})),
                 smf::FormatError)
        << "running status after a meta event";
    EXPECT_THROW(smf::Read(FileOf({0x00, 0x90, 60, 70})), smf::FormatError) << "no end-of-track";
    EXPECT_THROW(smf::Read(FileOf({0x00, 0xFF, 0x2F, 0x00, 0x00, 0x90, 60, 70})), smf::FormatError)
        << "events after the end";
    EXPECT_THROW(smf::Read(FileOf({0x00, 0x90, 60, 0xC0, 0x00, 0xFF, 0x2F, 0x00})), smf::FormatError)
        << "a data byte with its top bit";
    std::vector<uint8_t> extra = FileOf({0x00, 0xFF, 0x2F, 0x00});
    extra.push_back(0);
    EXPECT_THROW(smf::Read(extra), smf::FormatError) << "bytes after the tracks";
}

}  // namespace
