// Rendering: pitches, sweeps, repeats, envelopes and filters do what the recipe says; the mastering gives
// the common peak and silent edges; the same seed gives the same sound; the WAV files read back as written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/media/wav.h"
#include "tests/sounds/sound_files.h"
#include "tools/synth/analysis.h"
#include "tools/synth/catalogue.h"
#include "tools/synth/render.h"
#include "tools/synth/wav_file.h"

namespace sounds_test {
namespace {

using synth::kRate;
constexpr double kPi = std::numbers::pi;

std::vector<double> Mix(const std::string& text) { return synth::MixLayers(synth::ParseRecipe(text, "a1")); }

// Sign changes per second over [from, to) seconds: twice the frequency of a plain tone.
double CrossingsPerSecond(const std::vector<double>& s, double from, double to) {
    size_t a = size_t(from * kRate), b = std::min(s.size(), size_t(to * kRate));
    int crossings = 0;
    for (size_t i = a + 1; i < b; ++i)
        if ((s[i] >= 0) != (s[i - 1] >= 0)) ++crossings;
    return crossings / (double(b - a) / kRate);
}

double Rms(const std::vector<double>& s, double from, double to) {
    size_t a = size_t(from * kRate), b = std::min(s.size(), size_t(to * kRate));
    double sum = 0;
    for (size_t i = a; i < b; ++i) sum += s[i] * s[i];
    return std::sqrt(sum / double(b - a));
}

TEST(Rendering, PlaysTheWrittenPitchesAndSweeps) {
    EXPECT_NEAR(CrossingsPerSecond(Mix("sine dur=0.5 freq=1000\n"), 0.05, 0.45), 2000, 20);
    EXPECT_NEAR(CrossingsPerSecond(Mix("sine dur=0.5 freq=A4\n"), 0.05, 0.45), 880, 15);
    // An exponential sweep two octaves up passes one octave up halfway.
    std::vector<double> sweep = Mix("triangle dur=1 freq=300 to=1200\n");
    EXPECT_NEAR(CrossingsPerSecond(sweep, 0.45, 0.55), 1200, 40);
    EXPECT_NEAR(CrossingsPerSecond(sweep, 0.0, 0.05), 2 * 300 * std::pow(4.0, 0.025), 40);
    std::vector<double> bent = Mix("sine dur=1 freq=400 bend=-12\n");
    EXPECT_NEAR(CrossingsPerSecond(bent, 0.95, 1.0), 2 * 200 * std::pow(2.0, -0.025), 30);
}

TEST(Rendering, RepeatsTakeTheirNotesStepsAndFalls) {
    std::vector<double> s = Mix("sine dur=0.3 notes=A4,A5 repeat=2 every=0.4 release=0.01 fall=0.5\n");
    ASSERT_EQ(s.size(), size_t(std::lround(0.7 * kRate)));
    EXPECT_NEAR(CrossingsPerSecond(s, 0.02, 0.28), 880, 20);
    EXPECT_NEAR(CrossingsPerSecond(s, 0.42, 0.68), 1760, 30);
    EXPECT_NEAR(Rms(s, 0.42, 0.68) / Rms(s, 0.02, 0.28), 0.5, 0.01);
    EXPECT_EQ(Rms(s, 0.31, 0.39), 0) << "silence between the soundings";
    std::vector<double> stepped = Mix("sine dur=0.2 freq=400 repeat=2 every=0.2 step=12\n");
    EXPECT_NEAR(CrossingsPerSecond(stepped, 0.22, 0.38), 1600, 30);
}

TEST(Rendering, ShapesEachSoundingWithItsEnvelope) {
    std::vector<double> s = Mix("length 0.6\nsine at=0.1 dur=0.4 attack=0.05 release=0.1 decay=0.1\n");
    ASSERT_EQ(s.size(), size_t(std::lround(0.6 * kRate)));
    EXPECT_EQ(Rms(s, 0, 0.1), 0) << "nothing before at";
    EXPECT_EQ(Rms(s, 0.5, 0.6), 0) << "nothing after at + dur";
    EXPECT_EQ(s[size_t(0.1 * kRate)], 0) << "the attack starts from silence";
    // Between attack and release the level falls by e every 0.1 s.
    EXPECT_NEAR(Rms(s, 0.3, 0.35) / Rms(s, 0.2, 0.25), std::exp(-1), 0.02);
    std::vector<double> trembling = Mix("sine dur=1 freq=2000 tremolo=5 tdepth=1\n");
    EXPECT_LT(Rms(trembling, 0.09, 0.11), 0.05) << "a full-depth tremolo silences the trough";
    EXPECT_GT(Rms(trembling, 0.19, 0.21), 0.6);
}

// The share of a tone's energy, in dB, that lies off its harmonics: what folding above half the rate adds.
double AliasedShareDb(const std::vector<double>& tone, double hz) {
    size_t n = tone.size();
    std::vector<double> windowed(n);
    for (size_t i = 0; i < n; ++i) windowed[i] = tone[i] * (0.5 - 0.5 * std::cos(2 * kPi * double(i) / double(n)));
    double total = 0;
    for (double v : windowed) total += v * v;
    double off = total;
    for (int h = 1; h * hz < kRate / 2.0; ++h) {
        double c = 0, s = 0, cc = 0, ss = 0;
        for (size_t i = 0; i < n; ++i) {
            double w = 0.5 - 0.5 * std::cos(2 * kPi * double(i) / double(n));
            double phase = 2 * kPi * h * hz * double(i) / kRate;
            double cw = std::cos(phase) * w, sw = std::sin(phase) * w;
            c += windowed[i] * cw;
            s += windowed[i] * sw;
            cc += cw * cw;
            ss += sw * sw;
        }
        off -= c * c / cc + s * s / ss;
    }
    return 10 * std::log10(std::max(off, 1e-30) / total);
}

TEST(Rendering, WaveformsHardlyFoldBackFromAboveHalfTheRate) {
    // Unsmoothed, a saw or square at these pitches folds back 8 to 20 dB under itself, a triangle 26 to 59.
    const struct {
        const char* name;
        double limitDb;
    } waves[] = {{"saw", -20}, {"square", -20}, {"triangle", -40}};
    for (const auto& w : waves)
        for (double hz : {220.0, 1760.0, 3100.0}) {
            std::vector<double> tone = Mix(std::string(w.name) + " dur=1 freq=" + std::to_string(hz) + "\n");
            EXPECT_LT(AliasedShareDb(tone, hz), w.limitDb) << w.name << " at " << hz << " Hz";
        }
    EXPECT_LT(AliasedShareDb(Mix("sine dur=1 freq=3100\n"), 3100), -60);
}

TEST(Rendering, FiltersPassAndStopTheirBands) {
    double plain = Rms(Mix("sine dur=0.5 freq=4000\n"), 0.1, 0.4);
    double low = Rms(Mix("sine dur=0.5 freq=4000 filter=lowpass cutoff=500\n"), 0.1, 0.4);
    double high = Rms(Mix("sine dur=0.5 freq=4000 filter=highpass cutoff=500\n"), 0.1, 0.4);
    double band = Rms(Mix("sine dur=0.5 freq=4000 filter=bandpass cutoff=4000 q=4\n"), 0.1, 0.4);
    double off = Rms(Mix("sine dur=0.5 freq=4000 filter=bandpass cutoff=1000 q=4\n"), 0.1, 0.4);
    EXPECT_LT(low / plain, 0.1);
    EXPECT_NEAR(high / plain, 1, 0.05);
    EXPECT_NEAR(band / plain, 1, 0.05);
    EXPECT_LT(off / plain, 0.1);
    // A cutoff sweeping down over a high tone closes on it.
    std::vector<double> closing = Mix("saw dur=1 freq=2000 filter=lowpass cutoff=8000 cutoff_to=200\n");
    EXPECT_LT(Rms(closing, 0.9, 0.95), 0.1 * Rms(closing, 0.05, 0.1));
}

// The frequency whose period best repeats the sound over [from, to) seconds, searched near hz.
double RepeatingFrequency(const std::vector<double>& s, double from, double to, double hz) {
    size_t a = size_t(from * kRate), b = size_t(to * kRate);
    auto likeness = [&](size_t lag) {
        double sum = 0;
        for (size_t i = a; i + lag < b; ++i) sum += s[i] * s[i + lag];
        return sum;
    };
    size_t best = 0;
    double bestLikeness = -1e300;
    for (size_t lag = size_t(0.8 * kRate / hz); lag <= size_t(1.25 * kRate / hz); ++lag)
        if (double l = likeness(lag); l > bestLikeness) {
            bestLikeness = l;
            best = lag;
        }
    // A parabola through the best lag and its neighbours places the peak between samples.
    double before = likeness(best - 1), after = likeness(best + 1);
    double shift = 0.5 * (before - after) / (before - 2 * bestLikeness + after);
    return kRate / (double(best) + shift);
}

TEST(Rendering, PluckedStringRingsInTuneAndDies) {
    for (const char* note : {"G3", "D5", "A5", "C6"}) {
        double hz = *synth::ParseFrequency(note);
        std::vector<double> s = Mix(std::string("pluck dur=1 freq=") + note + " damp=0.99\n");
        EXPECT_NEAR(1200 * std::log2(RepeatingFrequency(s, 0.1, 0.4, hz) / hz), 0, 5) << note << ", in cents";
        EXPECT_LT(Rms(s, 0.8, 0.9), 0.25 * Rms(s, 0.0, 0.1)) << note;
    }
}

TEST(Rendering, SameSeedSameSoundOtherSeedOtherNoise) {
    const std::string layers =
        "noise dur=0.2\n"
        "sine dur=0.1 notes=C5,E5,G5 order=random repeat=4 every=0.05 jitter=0.02\n";
    EXPECT_EQ(Mix("seed 5\n" + layers), Mix("seed 5\n" + layers));
    EXPECT_NE(Mix("seed 5\n" + layers), Mix("seed 6\n" + layers));
    // A layer added after another leaves the first one's noise as it was.
    std::vector<double> alone = Mix("seed 5\nnoise dur=0.2\n");
    std::vector<double> joined = Mix("seed 5\nnoise dur=0.2\nsine at=0.3 dur=0.1\n");
    EXPECT_TRUE(std::equal(alone.begin(), alone.end(), joined.begin()));
}

TEST(Rendering, RefusesALayerLongerThanTheLength) {
    EXPECT_THROW(Mix("length 0.2\nsine dur=0.1 repeat=2 every=0.15\n"), synth::RecipeError);
    EXPECT_NO_THROW(Mix("length 0.25\nsine dur=0.1 repeat=2 every=0.15\n"));
}

TEST(Mastering, BringsEverySoundToThePeakWithSilentEdges) {
    for (double level : {0.01, 1.0, 30.0}) {
        std::vector<double> mix(kRate / 2);
        for (size_t i = 0; i < mix.size(); ++i) mix[i] = level * std::sin(0.3 * double(i)) + level * 0.5;
        std::vector<int16_t> s = synth::Master(mix);
        ASSERT_EQ(s.size(), mix.size());
        int peak = 0;
        for (int16_t v : s) peak = std::max(peak, std::abs(int(v)));
        EXPECT_NEAR(peak, std::lround(std::pow(10.0, synth::kPeakDbfs / 20) * 32767), 1) << level;
        EXPECT_EQ(s.front(), 0);
        EXPECT_EQ(s.back(), 0);
        // The fade rises smoothly: the first millisecond stays far below the level of the body.
        for (size_t i = 0; i < kRate / 1000; ++i) EXPECT_LT(std::abs(s[i]), peak / 6) << i;
    }
    EXPECT_THROW(synth::Master(std::vector<double>(1000, 0.0)), synth::RecipeError);
}

TEST(WavFiles, ReadBackAsWrittenByTheProgramsReader) {
    std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 1234, -4321};
    std::vector<uint8_t> bytes = synth::EncodeWav(samples, kRate);
    EXPECT_EQ(bytes.size(), 44 + 2 * samples.size());
    EXPECT_EQ(media::WavImageSize(bytes.data()), bytes.size());
    std::optional<backend::Pcm> pcm = media::ParseWav(bytes);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->rate, kRate);
    EXPECT_EQ(pcm->channels, 1);
    EXPECT_EQ(pcm->samples, samples);
}

TEST(Measuring, FindsLevelPitchAndBandOfATone) {
    std::vector<int16_t> tone(kRate);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = int16_t(std::lround(16384 * std::sin(2 * kPi * 3000 * double(i) / kRate)));
    synth::Measures m = synth::Measure(tone, kRate);
    EXPECT_DOUBLE_EQ(m.seconds, 1.0);
    EXPECT_NEAR(m.peakDbfs, -6.02, 0.05);
    EXPECT_NEAR(m.rmsDbfs, -9.03, 0.1);
    EXPECT_NEAR(m.crossingsPerSecond, 6000, 10);
    EXPECT_NEAR(m.centroidHz, 3000, 60);
    EXPECT_GT(m.bands[2], 0.99);
    EXPECT_FALSE(m.clipped);
    EXPECT_EQ(m.onsets, 1);
    EXPECT_NEAR(m.drift, 0, 0.01);
    // The ear hears 3 kHz about 1.2 dB above its level, and 100 Hz 19 dB below.
    EXPECT_NEAR(m.loudnessDba, -9.03 + 1.2, 0.3);
    EXPECT_DOUBLE_EQ(synth::Difference(m, m), 0);

    std::vector<int16_t> low(kRate);
    for (size_t i = 0; i < low.size(); ++i)
        low[i] = int16_t(std::lround(16384 * std::sin(2 * kPi * 100 * double(i) / kRate)));
    synth::Measures lowMeasures = synth::Measure(low, kRate);
    EXPECT_NEAR(lowMeasures.loudnessDba, -9.03 - 19.1, 0.5);
    EXPECT_GT(synth::Difference(m, lowMeasures), 1);
}

TEST(Measuring, FollowsAToneGlidingUp) {
    // 500 Hz rising two octaves over the second.
    std::vector<int16_t> glide(kRate);
    for (size_t i = 0; i < glide.size(); ++i) {
        double t = double(i) / kRate;
        glide[i] = int16_t(std::lround(16384 * std::sin(2 * kPi * 500 * (std::pow(4.0, t) - 1) / std::log(4.0))));
    }
    synth::Measures m = synth::Measure(glide, kRate);
    // Its second half crosses zero twice as often as its first: one octave up.
    EXPECT_NEAR(m.drift, 1.0, 0.05);
}

class Catalogue : public ScratchFolder {};

TEST_F(Catalogue, TakesRecipesInNumberOrderAndNothingElse) {
    for (const char* name : {"a10.txt", "a9.txt", "a100.txt", "notes.txt", "a5.mub", "README.md"})
        WriteText(folder_ / name, "sine dur=0.1\n");
    std::vector<std::filesystem::path> files = synth::RecipeFiles(folder_);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].filename(), "a9.txt");
    EXPECT_EQ(files[1].filename(), "a10.txt");
    EXPECT_EQ(files[2].filename(), "a100.txt");
    std::filesystem::create_directory(folder_ / "empty");
    EXPECT_THROW(synth::RecipeFiles(folder_ / "empty"), synth::RecipeError);
}

TEST_F(Catalogue, NamesTheFileOfABadRecipe) {
    WriteText(folder_ / "a12.txt", "sine dur=0.1\nsine dur=0.1 pitch=3\n");
    try {
        synth::LoadRecipe(folder_ / "a12.txt");
        FAIL() << "a bad recipe was taken";
    } catch (const synth::RecipeError& e) {
        EXPECT_STREQ(e.what(), "a12.txt: line 2: unknown key \"pitch\"");
    }
}

}  // namespace
}  // namespace sounds_test
