// The committed sound effects as the program will play them: every number has its file, read by our own WAV
// reader as 16-bit mono at 22050 Hz, short, all at one quiet peak, silent at both ends, and each unlike the
// others.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/media/wav.h"
#include "tests/sounds/sound_files.h"
#include "tools/synth/analysis.h"

namespace sounds_test {
namespace {

constexpr int kRate = 22050;

struct SoundFile {
    std::vector<uint8_t> bytes;
    backend::Pcm pcm;
    synth::Measures measures;
};

class CommittedSounds : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const std::string& name : SoundNames()) {
            SoundFile& file = files_[name];
            file.bytes = ReadBytes(kData / (name + ".mub"));
            std::optional<backend::Pcm> pcm = media::ParseWav(file.bytes);
            if (!pcm) continue;
            file.pcm = *pcm;
            file.measures = synth::Measure(pcm->samples, kRate);
        }
    }
    static inline std::map<std::string, SoundFile> files_;
};

TEST_F(CommittedSounds, ReadAsSixteenBitMonoAt22050Hz) {
    for (const auto& [name, file] : files_) {
        SCOPED_TRACE(name);
        ASSERT_GE(file.bytes.size(), 44u) << "missing or cut short";
        ASSERT_TRUE(media::ParseWav(file.bytes));
        EXPECT_EQ(file.pcm.rate, kRate);
        EXPECT_EQ(file.pcm.channels, 1);
        // The reader widens 8-bit sounds, so the width is read from the format chunk itself.
        ASSERT_EQ(std::string(file.bytes.begin() + 12, file.bytes.begin() + 16), "fmt ");
        EXPECT_EQ(file.bytes[20] | file.bytes[21] << 8, 1) << "not PCM";
        EXPECT_EQ(file.bytes[34] | file.bytes[35] << 8, 16);
    }
}

TEST_F(CommittedSounds, LastNoLongerThanTheirActions) {
    for (const auto& [name, file] : files_) {
        SCOPED_TRACE(name);
        double seconds = file.measures.seconds;
        if (name == "a10") {
            // The start-up jingle holds up the first picture: a tune, but a short one.
            EXPECT_GE(seconds, 1.0);
            EXPECT_LT(seconds, 2.5);
        } else {
            EXPECT_GE(seconds, 0.03);
            EXPECT_LT(seconds, 1.2);
        }
        // Most of each file sounds: no long silence before, after or inside it.
        EXPECT_GT(file.measures.soundingSeconds, 0.6 * seconds);
    }
}

TEST_F(CommittedSounds, PeakAtOneQuietLevelWithoutClipping) {
    double loudest = -200, quietest = 0;
    for (const auto& [name, file] : files_) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(file.measures.clipped);
        EXPECT_LE(file.measures.peakDbfs, -6.0);
        loudest = std::max(loudest, file.measures.peakDbfs);
        quietest = std::min(quietest, file.measures.peakDbfs);
    }
    EXPECT_LT(loudest - quietest, 0.2);
    EXPECT_GT(quietest, -12.0) << "too quiet to hear clearly";
}

TEST_F(CommittedSounds, SeemAboutEquallyLoudAndNoneLoud) {
    // The same peak can sound very unlike: a long whistle near 3 kHz seems far louder than a low thump. Weighted
    // as the ear hears, the sounds stay within a band, and the loudest well under the peak.
    double loudest = -200, quietest = 0;
    for (const auto& [name, file] : files_) {
        SCOPED_TRACE(name);
        EXPECT_LT(file.measures.loudnessDba, -16.0);
        EXPECT_GT(file.measures.loudnessDba, -28.0);
        loudest = std::max(loudest, file.measures.loudnessDba);
        quietest = std::min(quietest, file.measures.loudnessDba);
    }
    EXPECT_LT(loudest - quietest, 11.0);
}

TEST_F(CommittedSounds, BeginAndEndAtSilenceWithoutAClick) {
    for (const auto& [name, file] : files_) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(file.pcm.samples.empty());
        EXPECT_LE(std::abs(file.pcm.samples.front()), 16);
        EXPECT_LE(std::abs(file.pcm.samples.back()), 16);
        // Faded in and out: the first and last millisecond stay well under the peak.
        EXPECT_LT(file.measures.edgeDb, -12.0);
        // No offset, which would thump as the sound starts and stops.
        double sum = 0;
        for (int16_t s : file.pcm.samples) sum += s;
        double peak = 32768 * std::pow(10, file.measures.peakDbfs / 20);
        EXPECT_LT(std::abs(sum / double(file.pcm.samples.size())), 0.02 * peak);
    }
}

TEST_F(CommittedSounds, EachUnlikeEveryOther) {
    for (auto a = files_.begin(); a != files_.end(); ++a)
        for (auto b = std::next(a); b != files_.end(); ++b)
            EXPECT_GT(synth::Difference(a->second.measures, b->second.measures), 0.35)
                << a->first << " and " << b->first << " sound too much alike";
}

}  // namespace
}  // namespace sounds_test
