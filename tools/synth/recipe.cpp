#include "tools/synth/recipe.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <set>

namespace synth {
namespace {

constexpr double kHighestFrequency = 10000;  // below the 11025 Hz limit of the files' rate

[[noreturn]] void Fail(int line, const std::string& what) {
    throw RecipeError("line " + std::to_string(line) + ": " + what);
}

std::string_view Trim(std::string_view s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// A comment starts with a # that begins a word; inside a word it is a sharp, as in "F#5".
std::string_view WithoutComment(std::string_view line) {
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) return line.substr(0, i);
    return line;
}

std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (at < s.size()) {
        size_t b = s.find_first_not_of(" \t\r", at);
        if (b == std::string_view::npos) break;
        size_t e = s.find_first_of(" \t\r", b);
        if (e == std::string_view::npos) e = s.size();
        words.push_back(s.substr(b, e - b));
        at = e;
    }
    return words;
}

std::optional<double> ParseNumber(std::string_view s) {
    double value = 0;
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

double Number(std::string_view s, int line, std::string_view key) {
    std::optional<double> v = ParseNumber(s);
    if (!v) Fail(line, std::string(key) + " wants a number, not \"" + std::string(s) + "\"");
    return *v;
}

double Frequency(std::string_view s, int line, std::string_view key) {
    std::optional<double> v = ParseFrequency(s);
    if (!v) Fail(line, std::string(key) + " wants a frequency or a note, not \"" + std::string(s) + "\"");
    return *v;
}

std::optional<Source> SourceNamed(std::string_view word) {
    static const std::map<std::string_view, Source> kSources = {
        {"sine", Source::Sine},   {"triangle", Source::Triangle}, {"square", Source::Square},
        {"saw", Source::Saw},     {"noise", Source::Noise},       {"pluck", Source::Pluck}};
    auto it = kSources.find(word);
    if (it == kSources.end()) return std::nullopt;
    return it->second;
}

// Sets one key of a layer from its written value; key is for messages.
using Setter = std::function<void(Layer&, std::string_view value, int line, std::string_view key)>;

Setter NumberInto(double Layer::*field) {
    return [field](Layer& l, std::string_view v, int line, std::string_view key) { l.*field = Number(v, line, key); };
}
Setter FrequencyInto(double Layer::*field) {
    return [field](Layer& l, std::string_view v, int line, std::string_view key) {
        l.*field = Frequency(v, line, key);
    };
}
Setter FrequencyInto(std::optional<double> Layer::*field) {
    return [field](Layer& l, std::string_view v, int line, std::string_view key) {
        l.*field = Frequency(v, line, key);
    };
}

const std::map<std::string_view, Setter>& Setters() {
    static const std::map<std::string_view, Setter> kSetters = {
        {"at", NumberInto(&Layer::at)},
        {"dur", NumberInto(&Layer::dur)},
        {"gain", NumberInto(&Layer::gain)},
        {"freq", FrequencyInto(&Layer::freq)},
        {"to", FrequencyInto(&Layer::to)},
        {"bend", NumberInto(&Layer::bend)},
        {"vibrato", NumberInto(&Layer::vibrato)},
        {"depth", NumberInto(&Layer::depth)},
        {"attack", NumberInto(&Layer::attack)},
        {"release", NumberInto(&Layer::release)},
        {"decay", NumberInto(&Layer::decay)},
        {"tremolo", NumberInto(&Layer::tremolo)},
        {"tdepth", NumberInto(&Layer::tdepth)},
        {"fm", NumberInto(&Layer::fm)},
        {"index", NumberInto(&Layer::index)},
        {"index_to",
         [](Layer& l, std::string_view v, int line, std::string_view key) { l.indexTo = Number(v, line, key); }},
        {"damp", NumberInto(&Layer::damp)},
        {"filter",
         [](Layer& l, std::string_view v, int line, std::string_view key) {
             static const std::map<std::string_view, FilterKind> kKinds = {
                 {"lowpass", FilterKind::Lowpass}, {"highpass", FilterKind::Highpass},
                 {"bandpass", FilterKind::Bandpass}};
             auto it = kKinds.find(v);
             if (it == kKinds.end())
                 Fail(line, std::string(key) + " is lowpass, highpass or bandpass, not \"" + std::string(v) + "\"");
             l.filter = it->second;
         }},
        {"cutoff", FrequencyInto(&Layer::cutoff)},
        {"cutoff_to", FrequencyInto(&Layer::cutoffTo)},
        {"q", NumberInto(&Layer::q)},
        {"repeat",
         [](Layer& l, std::string_view v, int line, std::string_view key) {
             double n = Number(v, line, key);
             if (n != std::floor(n) || n < 1 || n > 1000)
                 Fail(line, std::string(key) + " wants a whole number from 1 to 1000");
             l.repeat = int(n);
         }},
        {"every", NumberInto(&Layer::every)},
        {"jitter", NumberInto(&Layer::jitter)},
        {"notes",
         [](Layer& l, std::string_view v, int line, std::string_view key) {
             l.notes.clear();
             size_t at = 0;
             while (at <= v.size()) {
                 size_t comma = v.find(',', at);
                 if (comma == std::string_view::npos) comma = v.size();
                 l.notes.push_back(Frequency(v.substr(at, comma - at), line, key));
                 at = comma + 1;
             }
         }},
        {"order",
         [](Layer& l, std::string_view v, int line, std::string_view key) {
             if (v == "up") l.order = NoteOrder::Up;
             else if (v == "random") l.order = NoteOrder::Random;
             else Fail(line, std::string(key) + " is up or random, not \"" + std::string(v) + "\"");
         }},
        {"step", NumberInto(&Layer::step)},
        {"fall", NumberInto(&Layer::fall)},
        {"spread", NumberInto(&Layer::spread)},
    };
    return kSetters;
}

void CheckFrequency(double f, int line, const char* key) {
    if (f <= 0 || f > kHighestFrequency)
        Fail(line, std::string(key) + " must lie above 0 and at most " + std::to_string(int(kHighestFrequency)) +
                       " Hz");
}

// Values that would make no sound, an endless one, or one that clicks are refused here, not at rendering.
void CheckLayer(const Layer& l) {
    int line = l.line;
    if (l.dur <= 0) Fail(line, "dur must be given and above 0");
    if (l.at < 0 || l.every < 0 || l.jitter < 0) Fail(line, "at, every and jitter cannot be negative");
    if (l.attack < 0 || l.release < 0 || l.decay < 0) Fail(line, "attack, release and decay cannot be negative");
    if (l.attack + l.release > l.dur + 1e-9) Fail(line, "attack and release together are longer than dur");
    if (l.release < 0.002) Fail(line, "release must be at least 0.002 s, or the end clicks");
    if (l.gain < 0) Fail(line, "gain cannot be negative");
    CheckFrequency(l.freq, line, "freq");
    if (l.to) CheckFrequency(*l.to, line, "to");
    for (double n : l.notes) CheckFrequency(n, line, "every note");
    if (l.filter != FilterKind::None) {
        CheckFrequency(l.cutoff, line, "cutoff");
        if (l.cutoffTo) CheckFrequency(*l.cutoffTo, line, "cutoff_to");
        if (l.q <= 0) Fail(line, "q must be above 0");
    }
    if (l.tdepth < 0 || l.tdepth > 1) Fail(line, "tdepth lies from 0 to 1");
    if (l.damp <= 0 || l.damp > 1) Fail(line, "damp lies above 0 and at most 1");
    if (l.spread < 0 || l.spread > 1) Fail(line, "spread lies from 0 to 1");
    if (l.fall <= 0) Fail(line, "fall must be above 0");
    if (l.fm != 0 && l.source != Source::Sine) Fail(line, "fm is for sine layers only");
    if (l.source == Source::Pluck && (l.fm != 0 || l.vibrato != 0 || l.to || l.bend != 0))
        Fail(line, "a pluck keeps its pitch: no to, bend, vibrato or fm");
    if (l.to && !l.notes.empty()) Fail(line, "with notes the sweep is written as bend, not to");
}

}  // namespace

std::optional<double> ParseFrequency(std::string_view text) {
    if (std::optional<double> hz = ParseNumber(text)) return hz;
    static const std::map<char, int> kLetters = {{'C', -9}, {'D', -7}, {'E', -5}, {'F', -4},
                                                  {'G', -2}, {'A', 0},  {'B', 2}};
    if (text.size() < 2) return std::nullopt;
    auto letter = kLetters.find(text[0]);
    if (letter == kLetters.end()) return std::nullopt;
    int semitones = letter->second;
    std::string_view rest = text.substr(1);
    if (rest[0] == '#' || rest[0] == 'b') {
        semitones += rest[0] == '#' ? 1 : -1;
        rest = rest.substr(1);
    }
    if (rest.size() != 1 || rest[0] < '0' || rest[0] > '9') return std::nullopt;
    semitones += (rest[0] - '4') * 12;
    return 440.0 * std::pow(2.0, semitones / 12.0);
}

Recipe ParseRecipe(std::string_view text, const std::string& name) {
    Recipe recipe;
    recipe.name = name;
    std::set<std::string_view> keysOfLayer;
    bool seedGiven = false;
    int lineNumber = 0;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        std::string_view line = WithoutComment(raw);
        if (Trim(line).empty()) continue;
        bool continues = line[0] == ' ' || line[0] == '\t';
        std::vector<std::string_view> words = Words(line);

        if (!continues) {
            std::string_view head = words[0];
            if (head == "seed" || head == "length") {
                if (words.size() != 2) Fail(lineNumber, std::string(head) + " wants one value");
                double v = Number(words[1], lineNumber, head);
                if (head == "seed") {
                    if (seedGiven || v < 0 || v != std::floor(v))
                        Fail(lineNumber, "seed is one whole number, given once");
                    recipe.seed = static_cast<unsigned long long>(v);
                    seedGiven = true;
                } else {
                    if (recipe.length || v <= 0) Fail(lineNumber, "length is one time above 0, given once");
                    recipe.length = v;
                }
                continue;
            }
            std::optional<Source> source = SourceNamed(head);
            if (!source) Fail(lineNumber, "unknown word \"" + std::string(head) + "\"");
            if (!recipe.layers.empty()) CheckLayer(recipe.layers.back());
            Layer layer;
            layer.source = *source;
            layer.line = lineNumber;
            recipe.layers.push_back(layer);
            keysOfLayer.clear();
            words.erase(words.begin());
        } else if (recipe.layers.empty()) {
            Fail(lineNumber, "an indented line continues a layer, but none has begun");
        }

        Layer& layer = recipe.layers.back();
        for (std::string_view word : words) {
            size_t eq = word.find('=');
            if (eq == std::string_view::npos) Fail(lineNumber, "\"" + std::string(word) + "\" is not key=value");
            std::string_view key = word.substr(0, eq);
            auto setter = Setters().find(key);
            if (setter == Setters().end()) Fail(lineNumber, "unknown key \"" + std::string(key) + "\"");
            if (!keysOfLayer.insert(key).second) Fail(lineNumber, "\"" + std::string(key) + "\" given twice");
            setter->second(layer, word.substr(eq + 1), lineNumber, key);
        }
    }
    if (recipe.layers.empty()) throw RecipeError("the recipe has no layers");
    CheckLayer(recipe.layers.back());
    return recipe;
}

}  // namespace synth
