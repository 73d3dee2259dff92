// Reading recipes: notes and numbers, layers over several lines, comments beside sharps, and every mistake
// refused with the line it is on.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/synth/recipe.h"

namespace {

using synth::ParseFrequency;
using synth::ParseRecipe;
using synth::RecipeError;

TEST(RecipeNotes, NameEqualTemperedPitchesFromA440) {
    EXPECT_DOUBLE_EQ(*ParseFrequency("A4"), 440.0);
    EXPECT_NEAR(*ParseFrequency("C5"), 523.251, 0.001);
    EXPECT_NEAR(*ParseFrequency("F#4"), 369.994, 0.001);
    EXPECT_NEAR(*ParseFrequency("Bb3"), 233.082, 0.001);
    EXPECT_NEAR(*ParseFrequency("C0"), 16.352, 0.001);
    EXPECT_DOUBLE_EQ(*ParseFrequency("1250.5"), 1250.5);
    for (const char* bad : {"H4", "C", "C#", "C10", "c4", "A4x", "", "12Hz"})
        EXPECT_FALSE(ParseFrequency(bad)) << bad;
}

TEST(RecipeParsing, ReadsSeedLengthAndLayersOverSeveralLines) {
    synth::Recipe r = ParseRecipe(
        "# a comment\n"
        "seed 42\n"
        "length 0.9   # trailing comment\n"
        "sine at=0.1 dur=0.5 freq=C5 to=G5\n"
        "  attack=0.02 release=0.1 decay=0.3\n"
        "\n"
        "noise dur=0.2 filter=bandpass cutoff=3000 cutoff_to=1000 q=2\n"
        "pluck dur=0.3 notes=C#5,F#5,Bb4 order=random repeat=3 every=0.1 damp=0.99\n",
        "a99");
    EXPECT_EQ(r.name, "a99");
    EXPECT_EQ(r.seed, 42u);
    ASSERT_TRUE(r.length);
    EXPECT_DOUBLE_EQ(*r.length, 0.9);
    ASSERT_EQ(r.layers.size(), 3u);
    const synth::Layer& sine = r.layers[0];
    EXPECT_EQ(sine.source, synth::Source::Sine);
    EXPECT_EQ(sine.line, 4);
    EXPECT_DOUBLE_EQ(sine.at, 0.1);
    EXPECT_NEAR(sine.freq, 523.251, 0.001);
    EXPECT_NEAR(*sine.to, 783.991, 0.001);
    EXPECT_DOUBLE_EQ(sine.attack, 0.02);
    EXPECT_DOUBLE_EQ(sine.decay, 0.3);
    EXPECT_EQ(r.layers[1].filter, synth::FilterKind::Bandpass);
    const synth::Layer& pluck = r.layers[2];
    ASSERT_EQ(pluck.notes.size(), 3u) << "a sharp inside a word is not a comment";
    EXPECT_NEAR(pluck.notes[2], 466.164, 0.001);
    EXPECT_EQ(pluck.order, synth::NoteOrder::Random);
    EXPECT_EQ(pluck.repeat, 3);
}

TEST(RecipeParsing, LeavesUnwrittenKeysAtTheirDefaults) {
    synth::Recipe r = ParseRecipe("triangle dur=0.1\n", "a1");
    EXPECT_EQ(r.seed, 1u);
    EXPECT_FALSE(r.length);
    const synth::Layer& l = r.layers[0];
    EXPECT_DOUBLE_EQ(l.gain, 1);
    EXPECT_DOUBLE_EQ(l.freq, 440);
    EXPECT_EQ(l.filter, synth::FilterKind::None);
    EXPECT_EQ(l.repeat, 1);
    EXPECT_GT(l.release, 0);
}

// The message of the error a recipe raises, or "" if it is taken.
std::string ErrorOf(const std::string& text) {
    try {
        ParseRecipe(text, "a1");
    } catch (const RecipeError& e) {
        return e.what();
    }
    return "";
}

TEST(RecipeParsing, RefusesMistakesNamingTheirLine) {
    struct Case {
        std::string text;
        std::string says;
    };
    const Case cases[] = {
        {"sine dur=0.1\nsine dur=0.1 volume=2\n", "line 2: unknown key \"volume\""},
        {"seed 3\nbuzz dur=0.1\n", "line 2: unknown word \"buzz\""},
        {"  dur=0.1\n", "line 1: an indented line"},
        {"sine dur=0.1 dur=0.2\n", "line 1: \"dur\" given twice"},
        {"sine dur=0.1\n  dur=0.2\n", "line 2: \"dur\" given twice"},
        {"sine freq=300\n", "line 1: dur must be given"},
        {"sine dur=0.1 attack=0.08 release=0.05\n", "line 1: attack and release"},
        {"sine dur=0.1 release=0\n", "line 1: release must be at least"},
        {"noise dur=0.1 fm=2\n", "line 1: fm is for sine"},
        {"sine dur=0.1 freq=12000\n", "line 1: freq must lie"},
        {"sine dur=0.1 notes=C5,X5\n", "line 1: notes wants"},
        {"sine dur=0.1 notes=C5,E5 to=G5\n", "line 1: with notes"},
        {"pluck dur=0.1 bend=3\n", "line 1: a pluck keeps its pitch"},
        {"sine dur=0.1 gain=loud\n", "line 1: gain wants a number, not \"loud\""},
        {"sine dur=0.1 repeat=2.5\n", "line 1: repeat wants a whole number"},
        {"sine dur=0.1 filter=notch\n", "line 1: filter is"},
        {"sine dur=0.1 order=down\n", "line 1: order is up or random"},
        {"sine dur=0.1 at=-1\n", "line 1: at, every and jitter cannot be negative"},
        {"sine dur=0.1 tdepth=2\n", "line 1: tdepth"},
        {"sine dur=0.1 freq\n", "line 1: \"freq\" is not key=value"},
        {"seed 1\nseed 2\nsine dur=0.1\n", "line 2: seed is one whole number"},
        {"length 0\nsine dur=0.1\n", "line 1: length is one time above 0"},
        {"# nothing but a comment\n", "no layers"},
    };
    for (const Case& c : cases) {
        std::string error = ErrorOf(c.text);
        EXPECT_NE(error.find(c.says), std::string::npos) << c.text << "gave: " << error;
    }
}

}  // namespace
