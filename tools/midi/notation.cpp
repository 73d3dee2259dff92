#include "tools/midi/notation.h"

#include <array>
#include <string>
#include <utility>

#include "tools/midi/score.h"

namespace midi {

std::optional<int> PitchNumber(std::string_view name) {
    static constexpr std::array<int, 7> kSemitones = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return std::nullopt;
    int semitone = kSemitones[size_t(name[0] - 'A')];
    size_t i = 1;
    for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); ++i) semitone += name[i] == '#' ? 1 : -1;
    bool negative = i < name.size() && name[i] == '-';
    if (negative) ++i;
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '9') return std::nullopt;
    int octave = (name[i] - '0') * (negative ? -1 : 1);
    int pitch = (octave + 1) * 12 + semitone;
    if (pitch < 0 || pitch > 127) return std::nullopt;
    return pitch;
}

std::optional<int> DrumNumber(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, int>, 20> kDrums = {{
        {"softkick", 35}, {"kick", 36},     {"stick", 37},   {"snare", 38},     {"clap", 39},
        {"hat", 42},      {"pedalhat", 44}, {"openhat", 46}, {"ride", 51},      {"bell", 53},
        {"tambourine", 54}, {"hibongo", 60}, {"lobongo", 61}, {"cabasa", 69},   {"shaker", 70},
        {"claves", 75},   {"hiblock", 76},  {"loblock", 77}, {"mutetriangle", 80}, {"triangle", 81},
    }};
    for (const auto& [drum, number] : kDrums)
        if (drum == name) return number;
    return std::nullopt;
}

namespace {

std::optional<int64_t> OneDuration(std::string_view text, int64_t barTicks) {
    if (text == "bar") return barTicks;
    if (text.empty()) return std::nullopt;
    int64_t ticks = 0;
    switch (text[0]) {
        case 'w': ticks = kTicksPerQuarter * 4; break;
        case 'h': ticks = kTicksPerQuarter * 2; break;
        case 'q': ticks = kTicksPerQuarter; break;
        case 'e': ticks = kTicksPerQuarter / 2; break;
        case 's': ticks = kTicksPerQuarter / 4; break;
        case 't': ticks = kTicksPerQuarter / 8; break;
        default: return std::nullopt;
    }
    size_t i = 1;
    if (i < text.size() && text[i] == '3') {
        ticks = ticks * 2 / 3;
        ++i;
    }
    for (int64_t added = ticks / 2; i < text.size() && text[i] == '.'; ++i, added /= 2) ticks += added;
    if (i != text.size()) return std::nullopt;
    return ticks;
}

}  // namespace

std::optional<int64_t> DurationTicks(std::string_view text, int64_t barTicks) {
    int64_t total = 0;
    while (true) {
        size_t tie = text.find('~');
        std::optional<int64_t> part = OneDuration(text.substr(0, tie), barTicks);
        if (!part) return std::nullopt;
        total += *part;
        if (tie == std::string_view::npos) return total;
        text.remove_prefix(tie + 1);
    }
}

std::optional<int> KeySharps(std::string_view tonic, bool minor) {
    // Majors by the circle of fifths from seven flats; a minor shares the signature of the major a minor
    // third above.
    static constexpr std::array<std::string_view, 15> kMajors = {"Cb", "Gb", "Db", "Ab", "Eb", "Bb", "F", "C",
                                                                 "G",  "D",  "A",  "E",  "B",  "F#", "C#"};
    static constexpr std::array<std::string_view, 15> kMinors = {"Ab", "Eb", "Bb", "F",  "C",  "G",  "D", "A",
                                                                 "E",  "B",  "F#", "C#", "G#", "D#", "A#"};
    const auto& names = minor ? kMinors : kMajors;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == tonic) return int(i) - 7;
    return std::nullopt;
}

}  // namespace midi
