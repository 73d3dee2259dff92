#include "tools/synth/render.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/synth/filter.h"
#include "tools/synth/oscillator.h"
#include "tools/synth/random.h"

namespace synth {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

double Semitones(double s) { return std::pow(2.0, s / 12.0); }

// One sounding of a layer: where it starts, its pitch at start and end, and its gain.
struct Sounding {
    size_t start = 0;
    double from = 0;
    double to = 0;
    double gain = 0;
};

std::vector<Sounding> Soundings(const Layer& l, Random& random) {
    std::vector<Sounding> soundings;
    double gain = l.gain;
    for (int r = 0; r < l.repeat; ++r) {
        Sounding s;
        double at = l.at + r * l.every + (l.jitter > 0 ? l.jitter * random.Unit() : 0);
        s.start = size_t(std::lround(at * kRate));
        double base = l.freq;
        if (!l.notes.empty())
            base = l.order == NoteOrder::Up ? l.notes[size_t(r) % l.notes.size()]
                                            : l.notes[random.Next() % l.notes.size()];
        double lift = Semitones(l.step * r);
        s.from = base * lift;
        s.to = l.to ? *l.to * lift : s.from * Semitones(l.bend);
        s.gain = gain * (l.spread > 0 ? 1 - l.spread * random.Unit() : 1);
        gain *= l.fall;
        soundings.push_back(s);
    }
    return soundings;
}

// The envelope at time t of a sounding dur long: raised-cosine ends, decay and tremolo between.
double Envelope(const Layer& l, double t) {
    double e = 1;
    if (l.attack > 0 && t < l.attack) e *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / l.attack);
    double untilEnd = l.dur - t;
    if (untilEnd < l.release) e *= 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(0.0, untilEnd) / l.release);
    if (l.decay > 0) e *= std::exp(-t / l.decay);
    if (l.tdepth > 0) e *= 1 - l.tdepth * (0.5 - 0.5 * std::cos(kTau * l.tremolo * t));
    return e;
}

void AddSounding(const Layer& l, const Sounding& s, Random& random, std::vector<double>& mix) {
    size_t count = size_t(std::lround(l.dur * kRate));
    Oscillator oscillator(l, s.from, random, kRate);
    StateVariableFilter filter(l.filter, l.q);
    double cutoffTo = l.cutoffTo.value_or(l.cutoff);
    for (size_t i = 0; i < count && s.start + i < mix.size(); ++i) {
        double t = double(i) / kRate;
        double progress = double(i) / double(count);
        double hz = s.from * std::pow(s.to / s.from, progress);
        if (l.depth > 0) hz *= Semitones(l.depth * std::sin(kTau * l.vibrato * t));
        double value = oscillator.Next(hz, progress);
        value = filter.Process(value, l.cutoff * std::pow(cutoffTo / l.cutoff, progress), kRate);
        mix[s.start + i] += value * Envelope(l, t) * s.gain;
    }
}

}  // namespace

std::vector<double> MixLayers(const Recipe& recipe) {
    // Each layer draws from a generator of its own, so adding a layer leaves the others' noise as it was.
    std::vector<Random> randoms;
    std::vector<std::vector<Sounding>> soundings;
    size_t end = 0;
    for (size_t i = 0; i < recipe.layers.size(); ++i) {
        const Layer& l = recipe.layers[i];
        randoms.emplace_back(recipe.seed * 0x100000001B3ull + i);
        soundings.push_back(Soundings(l, randoms.back()));
        for (const Sounding& s : soundings.back()) {
            size_t last = s.start + size_t(std::lround(l.dur * kRate));
            if (recipe.length && double(last) > *recipe.length * kRate + 0.5)
                throw RecipeError("line " + std::to_string(l.line) + ": the layer goes on after the length");
            end = std::max(end, last);
        }
    }
    std::vector<double> mix(recipe.length ? size_t(std::lround(*recipe.length * kRate)) : end, 0.0);
    for (size_t i = 0; i < recipe.layers.size(); ++i)
        for (const Sounding& s : soundings[i]) AddSounding(recipe.layers[i], s, randoms[i], mix);
    return mix;
}

std::vector<int16_t> Master(std::vector<double> mix) {
    if (mix.size() < 2) throw RecipeError("the recipe makes no sound");
    size_t fade = std::min(size_t(kEdgeFade * kRate), mix.size() / 2);
    for (size_t i = 0; i < fade; ++i) {
        double f = 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(fade));
        mix[i] *= f;
        mix[mix.size() - 1 - i] *= f;
    }
    double peak = 0;
    for (double v : mix) peak = std::max(peak, std::abs(v));
    if (peak < 1e-9) throw RecipeError("the recipe makes no sound");
    double scale = std::pow(10.0, kPeakDbfs / 20) * 32767 / peak;
    std::vector<int16_t> samples(mix.size());
    for (size_t i = 0; i < mix.size(); ++i) samples[i] = int16_t(std::lround(mix[i] * scale));
    return samples;
}

std::vector<int16_t> RenderRecipe(const Recipe& recipe) { return Master(MixLayers(recipe)); }

}  // namespace synth
