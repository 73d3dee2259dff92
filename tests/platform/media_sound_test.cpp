// Sound effects: WAV files read as Windows reads them, and sndPlaySoundA's one sound at a time, each new call
// cutting off the sound before, with files named in any case.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/media/wav.h"
#include "platform/testing/media.h"
#include "platform/win32.h"
#include "temp_folder.h"

namespace {

using Bytes = std::vector<uint8_t>;

void PutWord(Bytes& b, uint32_t v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8)}); }
void PutDword(Bytes& b, uint32_t v) {
    PutWord(b, v & 0xffff);
    PutWord(b, v >> 16);
}
void PutTag(Bytes& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(tag[i]));
}

void PutChunk(Bytes& b, const char* tag, const Bytes& body) {
    PutTag(b, tag);
    PutDword(b, uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() & 1) b.push_back(0);
}

Bytes FormatChunk(int channels, int rate, int bits, int tag = 1) {
    Bytes f;
    PutWord(f, uint32_t(tag));
    PutWord(f, uint32_t(channels));
    PutDword(f, uint32_t(rate));
    PutDword(f, uint32_t(rate * channels * bits / 8));
    PutWord(f, uint32_t(channels * bits / 8));
    PutWord(f, uint32_t(bits));
    return f;
}

Bytes Riff(const Bytes& chunks) {
    Bytes b;
    PutTag(b, "RIFF");
    PutDword(b, uint32_t(4 + chunks.size()));
    PutTag(b, "WAVE");
    b.insert(b.end(), chunks.begin(), chunks.end());
    return b;
}

Bytes Wav(int channels, int rate, int bits, const Bytes& data) {
    Bytes chunks;
    PutChunk(chunks, "fmt ", FormatChunk(channels, rate, bits));
    PutChunk(chunks, "data", data);
    return Riff(chunks);
}

Bytes Samples16(std::initializer_list<int16_t> samples) {
    Bytes b;
    for (int16_t s : samples) PutWord(b, uint16_t(s));
    return b;
}

std::optional<backend::Pcm> Parse(const Bytes& b) { return media::ParseWav(b); }

TEST(SoundWav, ReadsSixteenBitStereoAsWritten) {
    auto pcm = Parse(Wav(2, 44100, 16, Samples16({1, -1, 32767, -32768, 300, -300})));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->rate, 44100);
    EXPECT_EQ(pcm->channels, 2);
    EXPECT_EQ(pcm->samples, std::vector<int16_t>({1, -1, 32767, -32768, 300, -300}));
}

TEST(SoundWav, CentresEightBitSamplesOnZero) {
    auto pcm = Parse(Wav(1, 11025, 8, {0, 128, 255, 129}));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->rate, 11025);
    EXPECT_EQ(pcm->channels, 1);
    EXPECT_EQ(pcm->samples, std::vector<int16_t>({-32768, 0, 32512, 256}));

    auto stereo = Parse(Wav(2, 8000, 8, {0, 255, 128, 128}));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->samples, std::vector<int16_t>({-32768, 32512, 0, 0}));
}

TEST(SoundWav, SkipsOtherChunksWithTheirPaddingAndToleratesAWrongRiffSize) {
    Bytes chunks;
    PutChunk(chunks, "LIST", {'I', 'N', 'F'});  // odd size: a pad byte follows
    PutChunk(chunks, "fmt ", FormatChunk(1, 22050, 16));
    PutChunk(chunks, "fact", {1, 0, 0, 0});
    PutChunk(chunks, "data", Samples16({5, 6, 7}));
    Bytes file = Riff(chunks);
    file[4] = 0xff;  // a RIFF size far beyond the file, as some writers leave it
    auto pcm = Parse(file);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->rate, 22050);
    EXPECT_EQ(pcm->samples, std::vector<int16_t>({5, 6, 7}));
}

TEST(SoundWav, DropsAPartFrameAtTheEndAndReadsAnEmptySound) {
    auto pcm = Parse(Wav(2, 8000, 16, {1, 0, 2, 0, 3, 0}));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples, std::vector<int16_t>({1, 2}));
    auto empty = Parse(Wav(1, 8000, 8, {}));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->samples.empty());
}

TEST(SoundWav, RefusesCutShortAndForeignFiles) {
    Bytes good = Wav(1, 8000, 16, Samples16({1, 2, 3, 4}));
    ASSERT_TRUE(Parse(good));
    for (size_t cut : {0u, 4u, 11u, 12u, 20u, 35u, 43u, 44u, 50u})
        EXPECT_FALSE(Parse(Bytes(good.begin(), good.begin() + cut))) << "cut at " << cut;

    Bytes notRiff = good;
    notRiff[3] = 'X';
    EXPECT_FALSE(Parse(notRiff));
    Bytes notWave = good;
    std::copy_n("AVI ", 4, notWave.begin() + 8);
    EXPECT_FALSE(Parse(notWave));
    EXPECT_FALSE(Parse(Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!'}));

    auto withFormat = [](const Bytes& format) {
        Bytes chunks;
        PutChunk(chunks, "fmt ", format);
        PutChunk(chunks, "data", {0, 0, 0, 0});
        return Riff(chunks);
    };
    EXPECT_FALSE(Parse(withFormat(FormatChunk(1, 8000, 32, 3)))) << "floating point";
    EXPECT_FALSE(Parse(withFormat(FormatChunk(1, 8000, 24)))) << "24 bits";
    EXPECT_FALSE(Parse(withFormat(FormatChunk(3, 8000, 16)))) << "three channels";
    EXPECT_FALSE(Parse(withFormat(FormatChunk(1, 0, 16)))) << "no rate";
    Bytes badAlign = FormatChunk(2, 8000, 16);
    badAlign[12] = 1;
    EXPECT_FALSE(Parse(withFormat(badAlign))) << "block size not a frame";
    Bytes shortFormat = FormatChunk(1, 8000, 16);
    shortFormat.resize(14);
    EXPECT_FALSE(Parse(withFormat(shortFormat))) << "format too short";

    Bytes dataFirst;
    PutChunk(dataFirst, "data", {0, 0});
    PutChunk(dataFirst, "fmt ", FormatChunk(1, 8000, 16));
    EXPECT_FALSE(Parse(Riff(dataFirst))) << "data before its format";
    Bytes noData;
    PutChunk(noData, "fmt ", FormatChunk(1, 8000, 16));
    EXPECT_FALSE(Parse(Riff(noData)));
}

// A folder of sound files for one test, removed after it.
class SoundPlay : public TempFolder {
protected:
    void SetUp() override {
        MakeFolder(false);
        testing::ClearMediaRecords();
        sndPlaySoundA(nullptr, 0);
    }
    void TearDown() override {
        sndPlaySoundA(nullptr, 0);
        TempFolder::TearDown();
    }
    std::string Write(const std::string& name, const Bytes& bytes) const { return WriteBytes(name, bytes); }
    std::string Named(const std::string& name) { return (directory_ / name).string(); }
    Bytes Beep() { return Wav(1, 22050, 16, Samples16({0, 1000, 0, -1000})); }
};

TEST_F(SoundPlay, RecordsEachSoundWithItsModeInOrder) {
    std::string a = Write("a12.mub", Beep());
    std::string b = Write("a13.mub", Wav(2, 8000, 8, {1, 2, 3, 4}));
    EXPECT_TRUE(sndPlaySoundA(a.c_str(), SND_ASYNC));
    EXPECT_TRUE(sndPlaySoundA(b.c_str(), SND_SYNC));
    EXPECT_TRUE(sndPlaySoundA(a.c_str(), SND_ASYNC | SND_NODEFAULT));
    auto heard = testing::SoundsPlayed();
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[0].file, a);
    EXPECT_TRUE(heard[0].async);
    EXPECT_EQ(heard[1].file, b);
    EXPECT_FALSE(heard[1].async);
    EXPECT_EQ(heard[2].file, a);
    EXPECT_TRUE(heard[2].async);
    for (const auto& h : heard) EXPECT_TRUE(h.played);
}

TEST_F(SoundPlay, FindsFilesWhateverTheCaseAndWithBackslashes) {
    Write("A10.MUB", Beep());
    std::string asNamed = Named("a10.mub");
    EXPECT_TRUE(sndPlaySoundA(asNamed.c_str(), SND_SYNC));
    std::string windowsStyle = directory_.string() + "\\A10.mub";
    EXPECT_TRUE(sndPlaySoundA(windowsStyle.c_str(), SND_ASYNC));
    auto heard = testing::SoundsPlayed();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].file, asNamed);  // recorded as the program named it
    EXPECT_TRUE(heard[0].played);
    EXPECT_TRUE(heard[1].played);
}

TEST_F(SoundPlay, MissingCutShortOrForeignFilesPlayNothingAndFail) {
    Bytes beep = Beep();
    std::string cut = Write("cut.mub", Bytes(beep.begin(), beep.end() - 3));
    std::string text = Write("text.mub", Bytes{'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd', '\n'});
    std::string missing = Named("a99.mub");
    std::string folder = directory_.string();
    EXPECT_FALSE(sndPlaySoundA(missing.c_str(), SND_ASYNC | SND_NODEFAULT));
    EXPECT_FALSE(sndPlaySoundA(cut.c_str(), SND_SYNC));
    EXPECT_FALSE(sndPlaySoundA(text.c_str(), SND_ASYNC));
    EXPECT_FALSE(sndPlaySoundA(folder.c_str(), SND_ASYNC));
    auto heard = testing::SoundsPlayed();
    ASSERT_EQ(heard.size(), 4u);
    for (const auto& h : heard) EXPECT_FALSE(h.played) << h.file;
    // And the next good sound plays as ever.
    std::string good = Write("good.mub", beep);
    EXPECT_TRUE(sndPlaySoundA(good.c_str(), SND_ASYNC));
}

// Without a device a sound has ended when its call returns, except a looping one: it shows the cutting off.
TEST_F(SoundPlay, EachCallCutsOffTheSoundBeforeUnlessItMustNotStopIt) {
    std::string loop = Write("loop.mub", Beep());
    std::string other = Write("other.mub", Beep());
    std::string missing = Named("none.mub");

    ASSERT_TRUE(sndPlaySoundA(loop.c_str(), SND_ASYNC | SND_LOOP));
    EXPECT_FALSE(sndPlaySoundA(other.c_str(), SND_ASYNC | SND_NOSTOP)) << "the loop is still sounding";
    EXPECT_TRUE(sndPlaySoundA(other.c_str(), SND_ASYNC));
    EXPECT_TRUE(sndPlaySoundA(other.c_str(), SND_ASYNC | SND_NOSTOP)) << "the loop was cut off";

    ASSERT_TRUE(sndPlaySoundA(loop.c_str(), SND_ASYNC | SND_LOOP));
    EXPECT_FALSE(sndPlaySoundA(missing.c_str(), SND_ASYNC));
    EXPECT_TRUE(sndPlaySoundA(other.c_str(), SND_ASYNC | SND_NOSTOP)) << "a missing file cuts off too";

    ASSERT_TRUE(sndPlaySoundA(loop.c_str(), SND_ASYNC | SND_LOOP));
    EXPECT_TRUE(sndPlaySoundA(nullptr, 0)) << "no sound: stop the one sounding";
    EXPECT_TRUE(sndPlaySoundA(other.c_str(), SND_ASYNC | SND_NOSTOP));

    EXPECT_FALSE(sndPlaySoundA(loop.c_str(), SND_SYNC | SND_LOOP)) << "waiting for a loop would never end";

    auto heard = testing::SoundsPlayed();
    ASSERT_EQ(heard.size(), 10u);
    EXPECT_FALSE(heard[1].played) << "refused by SND_NOSTOP";
    EXPECT_TRUE(heard[2].played);
}

TEST_F(SoundPlay, PlaysAWavImageInMemory) {
    Bytes image = Beep();
    EXPECT_TRUE(sndPlaySoundA(reinterpret_cast<LPCSTR>(image.data()), SND_MEMORY | SND_SYNC));
    Bytes garbage(64, 'x');
    EXPECT_FALSE(sndPlaySoundA(reinterpret_cast<LPCSTR>(garbage.data()), SND_MEMORY | SND_ASYNC));
    auto heard = testing::SoundsPlayed();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_TRUE(heard[0].played);
    EXPECT_FALSE(heard[1].played);
}

}  // namespace
