// A sound's recipe: layers of oscillators or noise, each shaped by an envelope, sweeps and a filter,
// mixed and brought to the common loudness. Written as text, one layer a line (see assets/sounds/README.md).
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace synth {

enum class Source { Sine, Triangle, Square, Saw, Noise, Pluck };
enum class FilterKind { None, Lowpass, Highpass, Bandpass };
enum class NoteOrder { Up, Random };

struct Layer {
    Source source = Source::Sine;
    int line = 0;  // where the layer begins in its recipe, for messages

    double at = 0;     // start, seconds
    double dur = 0;    // length of one sounding, seconds
    double gain = 1;   // linear

    // Pitch: freq sweeps exponentially to `to` over dur; bend (semitones) is the same sweep written relatively.
    double freq = 440;
    std::optional<double> to;
    double bend = 0;
    double vibrato = 0;  // Hz
    double depth = 0;    // semitones either way

    // Envelope: raised-cosine attack and release, exponential decay (time constant) between them.
    double attack = 0.005;
    double release = 0.01;
    double decay = 0;  // 0: none
    double tremolo = 0;
    double tdepth = 0;  // 0..1

    // Frequency modulation of a sine: modulator at freq * fm, index sweeping from index to index_to.
    double fm = 0;
    double index = 0;
    std::optional<double> indexTo;

    // Pluck: the string's loss per pass, 0..1 (1 keeps ringing).
    double damp = 0.996;

    FilterKind filter = FilterKind::None;
    double cutoff = 1000;
    std::optional<double> cutoffTo;
    double q = 0.707;

    // Repeats: the layer sounds repeat times, every seconds apart, moved later by up to jitter seconds;
    // each takes the next of notes (or a random one), is step semitones above the one before, and has
    // fall times the gain of the one before, varied randomly by up to spread of it.
    int repeat = 1;
    double every = 0;
    double jitter = 0;
    std::vector<double> notes;  // Hz
    NoteOrder order = NoteOrder::Up;
    double step = 0;
    double fall = 1;
    double spread = 0;
};

struct Recipe {
    std::string name;  // the output file's base name, such as "a12"
    unsigned long long seed = 1;
    std::optional<double> length;  // seconds; else the end of the last layer
    std::vector<Layer> layers;
};

struct RecipeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads a recipe's text; a RecipeError names the line and what is wrong with it.
Recipe ParseRecipe(std::string_view text, const std::string& name);

// A frequency in hertz, or a note name such as "C5", "F#4" or "Bb3" (A4 = 440 Hz, equal temperament).
std::optional<double> ParseFrequency(std::string_view text);

}  // namespace synth
