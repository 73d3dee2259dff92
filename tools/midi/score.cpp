#include "tools/midi/score.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <optional>

#include "tools/midi/notation.h"

namespace midi {

namespace {

struct Word {
    std::string text;
    int line = 0;
};

// A line's words; a word that begins with '#' starts a comment, so "F#4" stays a pitch.
std::vector<std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        if (i == line.size() || line[i] == '#') break;
        size_t end = line.find_first_of(" \t\r", i);
        if (end == std::string_view::npos) end = line.size();
        words.emplace_back(line.substr(i, end - i));
        i = end;
    }
    return words;
}

int Number(std::string_view text, int line, int low, int high, const std::string& what) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw ScoreError(line, what + " must be a number from " + std::to_string(low) + " to " +
                                   std::to_string(high) + ", not \"" + std::string(text) + "\"");
    return value;
}

std::string RestOfLine(const std::vector<std::string>& words) {
    std::string joined;
    for (size_t i = 1; i < words.size(); ++i) joined += (i > 1 ? " " : "") + words[i];
    return joined;
}

struct PendingTempo {
    int line = 0;
    int bar = 1;  // 0 for the very start, before any pickup
    int beat = 1;
    uint32_t microsecondsPerQuarter = 0;
};

struct TrackSource {
    Track track;
    int line = 0;
    int velocity = 64;
    int gate = 90;    // percent of each note's length that sounds
    int accent = 0;   // velocity added on the first beat of a bar, half of it on the other beats
    bool inNotes = false;
    std::vector<Word> words;
};

// Copies the words between "[" and "]N" N times, innermost first.
std::vector<Word> ExpandRepeats(const std::vector<Word>& words) {
    std::vector<Word> out;
    std::vector<std::pair<size_t, int>> opens;  // where in out, and the line
    for (const Word& w : words) {
        if (w.text == "[") {
            opens.emplace_back(out.size(), w.line);
        } else if (w.text[0] == ']') {
            if (opens.empty()) throw ScoreError(w.line, "\"]\" without \"[\"");
            int count = Number(std::string_view(w.text).substr(1), w.line, 1, 64, "a repeat count");
            size_t start = opens.back().first;
            opens.pop_back();
            std::vector<Word> body(out.begin() + long(start), out.end());
            for (int i = 1; i < count; ++i) out.insert(out.end(), body.begin(), body.end());
        } else {
            out.push_back(w);
        }
    }
    if (!opens.empty()) throw ScoreError(opens.back().second, "\"[\" without \"]N\"");
    return out;
}

class ScoreParser {
public:
    Song Parse(std::string_view text) {
        int line = 0;
        while (!text.empty()) {
            ++line;
            size_t end = text.find('\n');
            std::vector<std::string> words = SplitWords(text.substr(0, end));
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            if (!words.empty()) Read(words, line);
        }
        Finish();
        return song_;
    }

private:
    void Read(const std::vector<std::string>& words, int line) {
        const std::string& key = words[0];
        if (key == "track") {
            if (words.size() < 2) throw ScoreError(line, "a track needs a name");
            sources_.push_back({});
            sources_.back().track.name = RestOfLine(words);
            sources_.back().line = line;
            return;
        }
        if (!sources_.empty() && sources_.back().inNotes) {
            for (const std::string& w : words) sources_.back().words.push_back({w, line});
            return;
        }
        if (sources_.empty())
            ReadHeader(words, line);
        else
            ReadTrackSetting(words, line, sources_.back());
    }

    void ReadHeader(const std::vector<std::string>& words, int line) {
        const std::string& key = words[0];
        auto expect = [&](size_t count) {
            if (words.size() != count)
                throw ScoreError(line, "\"" + key + "\" takes " + std::to_string(count - 1) + " word(s)");
        };
        if (key == "title") {
            song_.title = RestOfLine(words);
        } else if (key == "tempo") {
            if (words.size() != 2 && !(words.size() == 4 && words[2] == "at"))
                throw ScoreError(line, "write \"tempo BPM\" or \"tempo BPM at BAR[:BEAT]\"");
            int bpm = Number(words[1], line, 20, 300, "a tempo");
            PendingTempo tempo{line, 1, 1, uint32_t(std::lround(60e6 / bpm))};
            if (words.size() == 4) {
                std::string_view at = words[3];
                size_t colon = at.find(':');
                tempo.bar = Number(at.substr(0, colon), line, 1, 999, "a bar");
                if (colon != std::string_view::npos) tempo.beat = Number(at.substr(colon + 1), line, 1, 16, "a beat");
            } else {
                tempo.bar = 0;  // the very start, before any pickup
            }
            tempi_.push_back(tempo);
        } else if (key == "meter") {
            expect(2);
            size_t slash = words[1].find('/');
            if (slash == std::string::npos) throw ScoreError(line, "write the meter as 3/4");
            std::string_view meter = words[1];
            song_.meterNumerator = Number(meter.substr(0, slash), line, 1, 16, "a meter's beats");
            song_.meterDenominator = Number(meter.substr(slash + 1), line, 1, 16, "a meter's note");
            if (std::popcount(unsigned(song_.meterDenominator)) != 1)
                throw ScoreError(line, "a meter's note must be 1, 2, 4, 8 or 16");
        } else if (key == "key") {
            expect(3);
            if (words[2] != "major" && words[2] != "minor") throw ScoreError(line, "a key is major or minor");
            song_.minor = words[2] == "minor";
            std::optional<int> sharps = KeySharps(words[1], song_.minor);
            if (!sharps) throw ScoreError(line, "no key signature for " + words[1] + " " + words[2]);
            song_.keySharps = *sharps;
        } else if (key == "transpose") {
            expect(2);
            transpose_ = Number(words[1], line, -24, 24, "a transposition");
        } else if (key == "pickup") {
            expect(2);
            std::optional<int64_t> ticks = DurationTicks(words[1], song_.BarTicks());
            if (!ticks) throw ScoreError(line, "not a duration: " + words[1]);
            song_.pickup = *ticks;
        } else {
            throw ScoreError(line, "unknown heading \"" + key + "\"");
        }
    }

    void ReadTrackSetting(const std::vector<std::string>& words, int line, TrackSource& source) {
        const std::string& key = words[0];
        if (key == "notes") {
            source.inNotes = true;
            for (size_t i = 1; i < words.size(); ++i) source.words.push_back({words[i], line});
            return;
        }
        if (words.size() != 2) throw ScoreError(line, "\"" + key + "\" takes one number");
        Track& t = source.track;
        if (key == "channel") t.channel = Number(words[1], line, 1, 16, "a channel") - 1;
        else if (key == "program") t.program = Number(words[1], line, 1, 128, "a program") - 1;
        else if (key == "volume") t.volume = Number(words[1], line, 0, 127, "a volume");
        else if (key == "pan") t.pan = Number(words[1], line, 0, 127, "a pan");
        else if (key == "reverb") t.reverb = Number(words[1], line, 0, 127, "a reverb");
        else if (key == "chorus") t.chorus = Number(words[1], line, 0, 127, "a chorus");
        else if (key == "velocity") source.velocity = Number(words[1], line, 1, 127, "a velocity");
        else if (key == "gate") source.gate = Number(words[1], line, 1, 100, "a gate");
        else if (key == "accent") source.accent = Number(words[1], line, 0, 40, "an accent");
        else throw ScoreError(line, "unknown track setting \"" + key + "\"");
    }

    int64_t BarOffset() const { return (song_.BarTicks() - song_.pickup % song_.BarTicks()) % song_.BarTicks(); }

    int64_t BeatTicks() const {
        int64_t note = int64_t(kTicksPerQuarter) * 4 / song_.meterDenominator;
        bool compound = song_.meterDenominator == 8 && song_.meterNumerator % 3 == 0 && song_.meterNumerator > 3;
        return compound ? note * 3 : note;
    }

    int MetricVelocity(int velocity, int accent, int64_t position) const {
        int64_t inBar = (position + BarOffset()) % song_.BarTicks();
        int bonus = inBar == 0 ? accent : inBar % BeatTicks() == 0 ? accent / 2 : 0;
        return std::clamp(velocity + bonus, 1, 127);
    }

    void ReadNotes(TrackSource& source) {
        Track& track = source.track;
        int64_t position = 0;
        int64_t duration = kTicksPerQuarter;
        int velocity = source.velocity;
        for (const Word& w : ExpandRepeats(source.words)) {
            if (w.text == "|") {
                int64_t off = (position + BarOffset()) % song_.BarTicks();
                if (off != 0)
                    throw ScoreError(w.line, "bar line " + std::to_string(off) + " ticks into a bar of " +
                                                 std::to_string(song_.BarTicks()));
                continue;
            }
            if (w.text[0] == 'v') {
                velocity = Number(std::string_view(w.text).substr(1), w.line, 1, 127, "a velocity");
                continue;
            }
            size_t colon = w.text.find(':');
            if (colon != std::string::npos) {
                std::string_view length = std::string_view(w.text).substr(colon + 1);
                std::optional<int64_t> ticks = DurationTicks(length, song_.BarTicks());
                if (!ticks) throw ScoreError(w.line, "not a duration in \"" + w.text + "\"");
                duration = *ticks;
            }
            std::string pitches = w.text.substr(0, colon);
            if (pitches != "r") AddChord(track, source, pitches, w.line, position, duration, velocity);
            position += duration;
        }
        track.length = position;
    }

    void AddChord(Track& track, const TrackSource& source, const std::string& pitches, int line, int64_t position,
                  int64_t duration, int velocity) {
        size_t start = 0;
        while (start <= pitches.size()) {
            size_t plus = pitches.find('+', start);
            if (plus == std::string::npos) plus = pitches.size();
            std::string name = pitches.substr(start, plus - start);
            std::optional<int> pitch = PitchNumber(name);
            if (pitch && track.channel != kDrumChannel) {
                pitch = *pitch + transpose_;
                if (*pitch < 0 || *pitch > 127) throw ScoreError(line, "\"" + name + "\" transposed out of range");
            }
            if (!pitch && track.channel == kDrumChannel) pitch = DrumNumber(name);
            if (!pitch)
                throw ScoreError(line, track.channel == kDrumChannel || !DrumNumber(name)
                                           ? "not a pitch: \"" + name + "\""
                                           : "drum \"" + name + "\" off the drum channel (10)");
            int64_t sounding = std::max<int64_t>(1, duration * source.gate / 100);
            track.notes.push_back({position, sounding, *pitch, MetricVelocity(velocity, source.accent, position)});
            start = plus + 1;
        }
    }

    void Finish() {
        if (tempi_.empty() || tempi_.front().bar != 0) throw ScoreError(0, "the tune needs a \"tempo BPM\" first");
        for (const PendingTempo& t : tempi_) {
            int64_t tick = t.bar == 0 ? 0
                                      : song_.pickup + (t.bar - 1) * song_.BarTicks() +
                                            (t.beat - 1) * (int64_t(kTicksPerQuarter) * 4 / song_.meterDenominator);
            if (!song_.tempi.empty() && tick <= song_.tempi.back().tick)
                throw ScoreError(t.line, "tempo changes must come in order, after the start");
            song_.tempi.push_back({tick, t.microsecondsPerQuarter});
        }
        if (sources_.empty()) throw ScoreError(0, "the tune has no tracks");
        std::vector<bool> channelUsed(16, false);
        for (TrackSource& source : sources_) {
            Track& track = source.track;
            if (track.channel < 0) throw ScoreError(source.line, "track \"" + track.name + "\" needs a channel");
            if (channelUsed[size_t(track.channel)])
                throw ScoreError(source.line, "two tracks on channel " + std::to_string(track.channel + 1));
            channelUsed[size_t(track.channel)] = true;
            if (track.channel == kDrumChannel && track.program >= 0)
                throw ScoreError(source.line, "the drum channel takes no program");
            if (track.channel != kDrumChannel && track.program < 0)
                throw ScoreError(source.line, "track \"" + track.name + "\" needs a program");
            ReadNotes(source);
            song_.tracks.push_back(track);
        }
        for (const Track& track : song_.tracks)
            if (track.length != song_.tracks.front().length)
                throw ScoreError(0, "track \"" + track.name + "\" lasts " + std::to_string(track.length) +
                                        " ticks but \"" + song_.tracks.front().name + "\" " +
                                        std::to_string(song_.tracks.front().length));
    }

    Song song_;
    int transpose_ = 0;  // semitones added to every pitch off the drum channel
    std::vector<PendingTempo> tempi_;
    std::vector<TrackSource> sources_;
};

}  // namespace

int64_t Song::Length() const {
    int64_t length = 0;
    for (const Track& t : tracks) length = std::max(length, t.length);
    return length;
}

double Song::Seconds() const {
    double seconds = 0;
    int64_t end = Length();
    for (size_t i = 0; i < tempi.size() && tempi[i].tick < end; ++i) {
        int64_t until = i + 1 < tempi.size() ? std::min(end, tempi[i + 1].tick) : end;
        seconds += double(until - tempi[i].tick) * tempi[i].microsecondsPerQuarter / 1e6 / kTicksPerQuarter;
    }
    return seconds;
}

Song ParseScore(std::string_view text) { return ScoreParser().Parse(text); }

}  // namespace midi
